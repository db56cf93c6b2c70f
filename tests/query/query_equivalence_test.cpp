// The indexed query against the row-by-row walk through the table cursors,
// on generated corpora: both must write the same bytes.
#include <gtest/gtest.h>

#include <algorithm>

#include "literal_query.h"
#include "query_corpus_generator.h"
#include "query_test_support.h"

namespace zor::test {
namespace {

struct EquivalenceCase {
  std::uint32_t seed;
  int sentences;
  bool messy;
};

class QueryEquivalence : public ::testing::TestWithParam<EquivalenceCase> {};

TEST_P(QueryEquivalence, IndexedRunWritesWhatTheLiteralWalkWrites) {
  const EquivalenceCase& c = GetParam();
  const GeneratedCorpus corpus = generate_corpus(c.seed, c.sentences, c.messy);
  const std::vector<Specification> specs = generate_specifications(c.seed + 1, 120);
  QueryFolder folder;
  folder.write_tables(corpus.sentences, corpus.words, corpus.sounds);
  ASSERT_EQ(folder.run(specs), RunOutcome::completed);

  TextTable words, sounds;
  words.set_separator('\t');
  sounds.set_separator('\t');
  ASSERT_TRUE(words.load(folder.names().words));
  ASSERT_TRUE(sounds.load(folder.names().sounds));
  const QueryFiles expected = literal_query(specs, words, sounds);
  EXPECT_EQ(folder.result(), crlf(expected.result));
  EXPECT_EQ(folder.distribution(), crlf(expected.distribution));
  // The generated specifications must reach hits of every kind to prove anything.
  if (c.sentences >= 40) {
    EXPECT_GT(std::count(expected.result.begin(), expected.result.end(), '\n'), 20);
  }
}

INSTANTIATE_TEST_SUITE_P(GeneratedCorpora, QueryEquivalence,
                         ::testing::Values(EquivalenceCase{1, 40, false}, EquivalenceCase{2, 60, false},
                                           EquivalenceCase{3, 40, true}, EquivalenceCase{4, 80, true},
                                           EquivalenceCase{5, 1, true}, EquivalenceCase{6, 1800, true}));

}  // namespace
}  // namespace zor::test
