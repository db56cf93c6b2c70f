#pragma once
// Corpus tables on disk and a query run over them, for the query tests.
#include <string>
#include <vector>

#include "corpus/output_names.h"
#include "platform/run_host.h"
#include "query/query_corpus.h"
#include "query/result_writer.h"
#include "query/specification.h"
#include "support/fake_host.h"
#include "support/test_files.h"

namespace zor::test {

// "\n" line ends as the files hold them: CR LF.
std::string crlf(std::string_view text);

struct TestSound {
  std::string symbol;
  std::string duration;
  std::string position = "BELSO";
};
struct TestWord {
  std::vector<TestSound> sounds;
  std::string position = "BELSO";
  std::string text_word = "IGEN";
};

// Corpus tables as the conversion writes them, with the default label tree's
// label lists; numbers count from 1 over the whole corpus.
class CorpusBuilder {
 public:
  CorpusBuilder();
  void sentence(const std::vector<TestWord>& words);
  // A raw sound row, appended as it is.
  void raw_sound_row(const std::string& line) { sounds += line + "\n"; }

  std::string sentences, words, sounds;

 private:
  int sentence_ = 0, word_ = 0, sound_ = 0;
};

// The lines of a specification's hits, piece after piece.
std::string joined_lines(const SpecificationHits& hits);

// The corpus a query reads from the tables.
QueryCorpus read_from_tables(const OutputNames& names);
// Every line and statistic the specifications find in the corpus.
std::string all_hits(const QueryCorpus& corpus, const std::vector<Specification>& specs);

// A specification from its twelve fields.
Specification spec_of(std::vector<std::string> fields);
inline const std::string kAnyContext = "<BARMI>;<BARMI>;<BARMI>";
// A sound specification with every other condition open.
Specification sound_spec(std::string name, std::string sound, std::string before = kAnyContext,
                         std::string after = kAnyContext, std::string position = "BARMI");
// A word specification with every long-vowel count open.
Specification word_spec(std::string name, std::string syllables, std::string sentence_position = "BARMI",
                        std::string text_word = "IGEN");

class QueryFolder {
 public:
  QueryFolder();
  const OutputNames& names() const { return names_; }
  OutputNames& names() { return names_; }
  void write_tables(const std::string& sentences, const std::string& words, const std::string& sounds);
  RunOutcome run(const std::vector<Specification>& specs);
  // The result and distribution files, with their line ends as written.
  std::string result() const;
  std::string distribution() const;

  FakeHost host;

 private:
  ScratchDir dir_;
  OutputNames names_;
};

}  // namespace zor::test
