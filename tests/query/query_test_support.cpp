#include "query_test_support.h"

#include <gtest/gtest.h>

#include "platform/paths.h"
#include "corpus/label_tree.h"
#include "query/query_run.h"
#include "query/query_walks.h"
#include "tables/table_rows.h"

#include <cstdlib>

namespace zor::test {

QueryCorpus read_from_tables(const OutputNames& names) {
  TableFileRows words('\t'), first('\t'), second('\t');
  EXPECT_TRUE(words.open(names.words));
  EXPECT_TRUE(first.open(names.sounds, {}, TableFileRows::Part::first_half));
  EXPECT_TRUE(second.open(names.sounds, {}, TableFileRows::Part::second_half));
  return QueryCorpus(words, first, second);
}

std::string all_hits(const QueryCorpus& corpus, const std::vector<Specification>& specs) {
  std::string found;
  for (const Specification& spec : specs) {
    LinePieces pieces;
    SpecificationHits hits(spec, pieces);
    find_hits(corpus, spec, hits);
    const HitStatistics& statistics = hits.statistics();
    found.append(joined_lines(hits)).append(std::to_string(statistics.count())).append(" ");
    found.append(std::to_string(statistics.mean())).append(" ").append(statistics.minimum().items());
    found.append(" ").append(statistics.maximum().items()).append("\n");
  }
  return found;
}

std::string joined_lines(const SpecificationHits& hits) {
  std::string lines;
  for (const TextBuffer& piece : hits.pieces()) lines.append(piece.data(), piece.size());
  return lines;
}

std::string crlf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

QueryFolder::QueryFolder()
    : names_(build_output_names(with_trailing_separator(dir_.file("")), "q.txt")) {}

void QueryFolder::write_tables(const std::string& sentences, const std::string& words,
                               const std::string& sounds) {
  write_bytes(names_.sentences, crlf(sentences));
  write_bytes(names_.words, crlf(words));
  write_bytes(names_.sounds, crlf(sounds));
}

RunOutcome QueryFolder::run(const std::vector<Specification>& specs) {
  return run_query(specs, names_, host);
}

std::string QueryFolder::result() const { return read_bytes(names_.result); }
std::string QueryFolder::distribution() const { return read_bytes(names_.result_dev); }

}  // namespace zor::test

namespace zor::test {
namespace {

bool is_vowel_symbol(const std::string& symbol) {
  return in_comma_list(symbol, "A:,a,o,u,U,i,E:,O,e,o:,u:,U:,i:,O:");
}

}  // namespace

CorpusBuilder::CorpusBuilder()
    : sentences("MONDAT_SORSZ\tELERESI_UT\tMONDAT_HOSSZ\tMONDAT_HANGSOR\tMONDAT_HANGSOR_TXT\t"
                "MONDAT_SZOTAGSZAM\n"),
      words("SZO_SORSZ\tMONDAT_SORSZ\tSZO_HOSSZ\tSZO_HANGSOR\tSZO_SZOTAGSZAM\tSZO_POZ\tSZO_SZOVEGSZO\n"),
      sounds("HANG_SORSZ\tSZO_SORSZ\tMONDAT_SORSZ\tHANG\tHANG_CIMKE\tHANG_HOSSZ\tHANG_POZ\tHANG_RH\t"
             "HANG_ELOTTE_3\tHANG_ELOTTE_3_CIMKE\tHANG_ELOTTE_2\tHANG_ELOTTE_2_CIMKE\tHANG_ELOTTE_1\t"
             "HANG_ELOTTE_1_CIMKE\tHANG_UTANA_1\tHANG_UTANA_1_CIMKE\tHANG_UTANA_2\tHANG_UTANA_3_CIMKE\t"
             "HANG_UTANA_3\tHANG_UTANA_3_CIMKE\n") {}

void CorpusBuilder::sentence(const std::vector<TestWord>& sentence_words) {
  LabelTree tree;
  tree.build_default_tree();
  const std::string m = std::to_string(++sentence_);
  std::vector<const TestSound*> all;
  for (const TestWord& word : sentence_words)
    for (const TestSound& sound : word.sounds) all.push_back(&sound);
  size_t index = 0;
  for (const TestWord& word : sentence_words) {
    const std::string w = std::to_string(++word_);
    std::string labels;
    long long duration = 0;
    int syllables = 0;
    for (const TestSound& sound : word.sounds) {
      labels += sound.symbol;
      duration += std::atoll(sound.duration.c_str());
      syllables += is_vowel_symbol(sound.symbol) ? 1 : 0;
      sounds += std::to_string(++sound_) + "\t" + w + "\t" + m + "\t" + sound.symbol + "\t" +
                tree.labels_of_sound(sound.symbol) + "\t" + sound.duration + "\t" + sound.position + "\tR";
      for (long offset : {-3L, -2L, -1L, 1L, 2L, 3L}) {
        long at = static_cast<long>(index) + offset;
        bool inside = at >= 0 && at < static_cast<long>(all.size());
        std::string symbol = inside ? all[static_cast<size_t>(at)]->symbol : "";
        sounds += "\t" + symbol + "\t" + (inside ? tree.labels_of_sound(symbol) : "");
      }
      sounds += "\n";
      ++index;
    }
    words += w + "\t" + m + "\t" + std::to_string(duration) + "\t" + labels + "\t" +
             std::to_string(syllables) + "\t" + word.position + "\t" + word.text_word + "\n";
  }
  sentences += m + "\tr" + m + ".wav\t0\t\t\t0\n";
}

Specification spec_of(std::vector<std::string> fields) {
  Specification spec;
  for (size_t k = 0; k < fields.size() && k < spec.fields.size(); ++k) spec.fields[k] = fields[k];
  return spec;
}

Specification sound_spec(std::string name, std::string sound, std::string before, std::string after,
                         std::string position) {
  return spec_of({name, "H", sound, before, after, position, "> -1", "", "", "BARMENNYI",
                  "BARMENNYI", "BARMENNYI"});
}

Specification word_spec(std::string name, std::string syllables, std::string sentence_position,
                        std::string text_word) {
  return spec_of({name, "SZ", "", "", "", "", syllables, sentence_position, text_word, "BARMENNYI",
                  "BARMENNYI", "BARMENNYI"});
}

}  // namespace zor::test
