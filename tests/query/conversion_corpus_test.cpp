// The corpus a conversion keeps must be the one a query would read from the
// tables it wrote, and must be kept only for tables written whole and left
// as they were written.
#include "query/conversion_corpus.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "conversion/conversion_run.h"
#include "corpus/label_tree.h"
#include "gen/corpus.h"
#include "platform/file_io.h"
#include "platform/paths.h"
#include "query/corpus_cache.h"
#include "query/fact_file.h"
#include "query_corpus_generator.h"
#include "query_test_support.h"

namespace zor::test {
namespace {

class ConversionCorpus : public ::testing::Test {
 protected:
  ConversionCorpus() : names(build_output_names(with_trailing_separator(out.file("")), kDefaultBaseName)) {
    tree.build_default_tree();
    // Every eighth set broken: skipped, so that rows and words are not
    // numbered from a single run of recordings.
    gen::CorpusSummary summary;
    std::string error;
    EXPECT_TRUE(gen::generate_corpus({recordings.path(), 40, 5, true}, summary, error)) << error;
    std::istringstream list(read_bytes(summary.list.string()));
    for (std::string line; std::getline(list, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      input.recordings.push_back({file_name_part(line), directory_part(line)});
    }
    input.sentences_path = names.sentences;
    input.words_path = names.words;
    input.sounds_path = names.sounds;
  }
  RunOutcome convert() {
    return convert_keeping_corpus(
        names, kept.path(),
        [&](ByteStream& words, ByteStream& sounds) {
          input.word_copy = &words;
          input.sound_copy = &sounds;
          return run_conversion(input, tree, host);
        },
        0);
  }
  std::optional<QueryCorpus> kept_corpus() const { return CorpusCache(names, kept.path(), 0).load(); }
  bool nothing_kept() const { return std::filesystem::is_empty(kept.path()); }
  // The facts as a kept corpus holds them.
  std::string fact_bytes(const QueryCorpus& corpus) const {
    const std::string path = out.file("facts");
    TextFileWriter file;
    EXPECT_TRUE(file.open(path));
    FactFileWriter facts(file);
    corpus.write(facts);
    EXPECT_TRUE(file.close());
    return read_bytes(path);
  }

  ScratchDir recordings, out, kept;
  OutputNames names;
  LabelTree tree;
  ConversionInput input;
  FakeHost host;
};

TEST_F(ConversionCorpus, KeepsTheCorpusAQueryReadsFromTheTables) {
  ASSERT_EQ(convert(), RunOutcome::partial);
  const std::optional<QueryCorpus> kept_by_conversion = kept_corpus();
  ASSERT_TRUE(kept_by_conversion);
  const QueryCorpus read = read_from_tables(names);
  EXPECT_EQ(fact_bytes(*kept_by_conversion), fact_bytes(read));
  const std::vector<Specification> specs = generate_specifications(11, 150);
  EXPECT_EQ(all_hits(*kept_by_conversion, specs), all_hits(read, specs));
}

TEST_F(ConversionCorpus, TablesChangedAfterwardsAreReadAgain) {
  ASSERT_EQ(convert(), RunOutcome::partial);
  ASSERT_TRUE(kept_corpus());
  // Kept without a hash: the changed table is told apart by its times.
  std::string bytes = read_bytes(names.sounds);
  bytes[bytes.size() / 2] ^= 1;
  write_bytes(names.sounds, bytes);
  EXPECT_FALSE(kept_corpus());
}

TEST_F(ConversionCorpus, NothingIsKeptOfARunThatDidNotFinish) {
  host.cancel_after_steps = 3;
  EXPECT_EQ(convert(), RunOutcome::cancelled);
  EXPECT_TRUE(nothing_kept());
  host.cancel_after_steps = -1;
  host.answers = {false};
  EXPECT_EQ(convert(), RunOutcome::declined);
  EXPECT_TRUE(nothing_kept());
  input.sounds_path = out.file("missing/sounds.txt");
  EXPECT_EQ(convert(), RunOutcome::failed);
  EXPECT_TRUE(nothing_kept());
}

}  // namespace
}  // namespace zor::test
