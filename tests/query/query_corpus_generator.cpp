#include "query_corpus_generator.h"

#include <random>

#include "corpus/label_tree.h"

namespace zor::test {
namespace {

const std::vector<std::string> kSymbols = {"_", "a", "A:", "e", "E:", "i", "o", "o:", "u:", "O:",
                                           "b", "d", "k", "l", "m", "n", "r", "s", "t", "l:"};
const std::vector<std::string> kLabels = {"Hang", "C", "Cr", "Ch", "LR", "V", "Vr", "Vh"};
const std::vector<std::string> kPositions = {"ELSO", "BELSO", "UTOLSO"};

class Random {
 public:
  explicit Random(std::uint32_t seed) : engine_(seed) {}
  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
  bool chance(int percent) { return below(100) < percent; }
  template <class T>
  const T& pick(const std::vector<T>& items) {
    return items[static_cast<size_t>(below(static_cast<int>(items.size())))];
  }

 private:
  std::mt19937 engine_;
};

bool is_vowel(const std::string& symbol) {
  return in_comma_list(symbol, "A:,a,o,u,U,i,E:,O,e,o:,u:,U:,i:,O:");
}

// A duration field: mostly whole, sometimes with decimals; the messy corpus
// adds texts that read as 0, huge values and negative ones.
std::string duration_text(Random& random, bool messy) {
  if (messy) {
    switch (random.below(30)) {
      case 0: return "";
      case 1: return "abc";
      case 2: return "1e12";
      case 3: return "-7";
      case 4: return "12.9";
      case 5: return " 31";
      default: break;
    }
  }
  return std::to_string(random.below(9) == 0 ? random.below(3) * 10 : random.below(200));
}

std::string join(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t k = 0; k < fields.size(); ++k) line += (k ? "\t" : "") + fields[k];
  return line + "\n";
}

}  // namespace

GeneratedCorpus generate_corpus(std::uint32_t seed, int sentence_count, bool messy) {
  Random random(seed);
  LabelTree tree;
  tree.build_default_tree();
  GeneratedCorpus corpus;
  corpus.sentences =
      "MONDAT_SORSZ\tELERESI_UT\tMONDAT_HOSSZ\tMONDAT_HANGSOR\tMONDAT_HANGSOR_TXT\tMONDAT_SZOTAGSZAM\n";
  corpus.words = "SZO_SORSZ\tMONDAT_SORSZ\tSZO_HOSSZ\tSZO_HANGSOR\tSZO_SZOTAGSZAM\tSZO_POZ\tSZO_SZOVEGSZO\n";
  corpus.sounds =
      "HANG_SORSZ\tSZO_SORSZ\tMONDAT_SORSZ\tHANG\tHANG_CIMKE\tHANG_HOSSZ\tHANG_POZ\tHANG_RH\t"
      "HANG_ELOTTE_3\tHANG_ELOTTE_3_CIMKE\tHANG_ELOTTE_2\tHANG_ELOTTE_2_CIMKE\tHANG_ELOTTE_1\t"
      "HANG_ELOTTE_1_CIMKE\tHANG_UTANA_1\tHANG_UTANA_1_CIMKE\tHANG_UTANA_2\tHANG_UTANA_3_CIMKE\t"
      "HANG_UTANA_3\tHANG_UTANA_3_CIMKE\n";
  int word_number = 1, sound_number = 0;
  for (int sentence = 1; sentence <= sentence_count; ++sentence) {
    const std::string m = std::to_string(sentence);
    // The sentence's sounds and the word each starts.
    std::vector<std::string> symbols;
    std::vector<int> word_of;
    const int words = 1 + random.below(5);
    for (int w = 0; w < words; ++w) {
      const int length = 1 + random.below(6);
      for (int s = 0; s < length; ++s) {
        symbols.push_back(random.pick(kSymbols));
        word_of.push_back(word_number + w);
      }
    }
    std::string sentence_sounds;
    for (size_t i = 0; i < symbols.size(); ++i) {
      ++sound_number;
      std::string word = std::to_string(word_of[i]);
      if (messy && random.chance(3)) word = random.chance(50) ? "" : "999999";
      std::vector<std::string> row = {std::to_string(sound_number), word, m, symbols[i],
                                      tree.labels_of_sound(symbols[i]), duration_text(random, messy),
                                      random.pick(kPositions), random.chance(50) ? "R" : "H"};
      for (int offset : {-3, -2, -1, 1, 2, 3}) {
        const long at = static_cast<long>(i) + offset;
        const bool inside = at >= 0 && at < static_cast<long>(symbols.size());
        const std::string neighbour = inside ? symbols[static_cast<size_t>(at)] : "";
        row.push_back(neighbour);
        row.push_back(inside ? tree.labels_of_sound(neighbour) : "");
      }
      if (messy && random.chance(2)) row.resize(static_cast<size_t>(random.below(20)));
      corpus.sounds += join(row);
      sentence_sounds += symbols[i];
    }
    for (int w = 0; w < words; ++w) {
      std::string labels;
      int syllables = 0;
      for (size_t i = 0; i < symbols.size(); ++i)
        if (word_of[i] == word_number + w) {
          labels += symbols[i];
          syllables += is_vowel(symbols[i]) ? 1 : 0;
        }
      std::vector<std::string> row = {std::to_string(word_number + w), m, duration_text(random, messy),
                                      labels, std::to_string(syllables), random.pick(kPositions),
                                      random.chance(80) ? "IGEN" : "NEM"};
      if (messy && random.chance(3)) row[4] = random.chance(50) ? "2.0" : "x";
      if (messy && random.chance(2)) row.resize(static_cast<size_t>(random.below(7)));
      corpus.words += join(row);
      // A second row with the same number: only the first one counts.
      if (messy && random.chance(2)) corpus.words += join(row);
    }
    word_number += words;
    corpus.sentences += join({m, "c:\\r" + m + ".wav", "100", sentence_sounds, "", "0"});
  }
  return corpus;
}

std::vector<Specification> generate_specifications(std::uint32_t seed, int count) {
  Random random(seed);
  const std::vector<std::string> parts = {"<BARMI>", "<BARMI>", "<SEMMI>", "V", "C", "Cr",
                                          "Vr", "LR", "Hang", "Vh", "Ch", "nincs"};
  // Mostly open parts, so that most specifications find hits.
  auto part = [&] { return random.chance(60) ? std::string("<BARMI>") : random.pick(parts); };
  auto connection = [&] { return part() + ";" + part() + ";" + part(); };
  const std::vector<std::string> counts = {"BARMENNYI", "BARMENNYI", "BARMENNYI", "BARMENNYI",
                                           "0", "1", "2", "4", "5"};
  const std::vector<std::string> other_counts = {"BARMENNYI", "BARMENNYI", "BARMENNYI", "0",
                                                 "1 v. TOBB", "x"};
  std::vector<Specification> specs;
  for (int n = 0; n < count; ++n) {
    Specification spec;
    spec[kSpecName] = "s" + std::to_string(n);
    spec[kSpecType] = random.chance(70) ? "H" : (random.chance(90) ? "SZ" : "X");
    switch (random.below(8)) {
      case 0: case 1: spec[kSpecSound] = random.pick(kSymbols); break;
      case 2: case 3: spec[kSpecSound] = "<" + random.pick(kLabels) + ">"; break;
      case 4: case 5: case 6: spec[kSpecSound] = "[" + connection() + "]"; break;
      default: spec[kSpecSound] = random.pick(std::vector<std::string>{"<>", "[]", "[a;b]", "[V;C]x"});
    }
    spec[kSpecBefore] = random.chance(90) ? connection() : "<SE";
    spec[kSpecAfter] = random.chance(90) ? connection() : "";
    spec[kSpecWordPosition] = random.chance(60) ? "BARMI" : random.pick(kPositions);
    const std::string ops[] = {">", "=", "<", "?"};
    spec[kSpecSyllableCount] = random.chance(5)    ? ""
                               : random.chance(50) ? "> -1"
                                                   : ops[random.below(random.chance(95) ? 3 : 4)] + " " +
                                                         std::to_string(random.below(5));
    spec[kSpecSentencePosition] = random.pick(
        std::vector<std::string>{"BARMI", "BARMI", "ELSO", "BELSO", "UTOLSO", "VESSZO ELOTT"});
    spec[kSpecTextWord] = random.chance(80) ? "IGEN" : "NEM";
    // One count condition at most, so that most specifications find hits.
    spec[kSpecACount] = spec[kSpecECount] = spec[kSpecOtherLongCount] = "BARMENNYI";
    switch (random.below(5)) {
      case 0: spec[kSpecACount] = random.pick(counts); break;
      case 1: spec[kSpecECount] = random.pick(counts); break;
      case 2: spec[kSpecOtherLongCount] = random.pick(other_counts); break;
      default: break;
    }
    specs.push_back(spec);
  }
  return specs;
}

}  // namespace zor::test
