// query-bench-specs: writes a specification file for the query benchmark,
// shaped like the specifications users write, so that most of them find
// hits: classes of the label tree (<Vr>, <Ch>, ...), single sounds, sequences
// of classes, in the word's first, inner or last place with syllable counts,
// before a pause or at the sentence's end, and words by syllable count and
// sentence position. Every form of the language still appears, a few of them
// finding nothing.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "query/specification_list.h"

namespace {

struct Place {
  const char* position;   // of the sound in its word
  const char* syllables;  // of its word
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: query-bench-specs FILE COUNT\n");
    return 2;
  }
  const int count = std::atoi(argv[2]);
  const std::vector<std::string> sounds = {
      "<Vr>", "<Vh>", "<Cr>", "<Ch>", "<V>", "<C>", "<LR>", "<Hang>", "[Cr;Vr;<SEMMI>]",
      "a",    "e",    "t",    "[V;C;<SEMMI>]", "A:", "n", "[Cr;Vr;Cr]", "l", "<Vr>", "[C;C;<SEMMI>]",
      "E:",   "k",    "[Vr;LR;<SEMMI>]", "o", "_"};
  const std::vector<Place> places = {{"BARMI", "> 0"}, {"ELSO", "> 1"},  {"BELSO", "> 2"},
                                     {"UTOLSO", "> 1"}, {"BARMI", "= 2"}, {"BARMI", "< 4"},
                                     {"ELSO", "= 1"}};
  // Before: the third, second and first sound before; after: the first,
  // second and third sound after. "Sz\xFCnet" is the pause's label.
  const std::vector<std::string> before = {"<BARMI>;<BARMI>;<BARMI>", "<BARMI>;<BARMI>;C",
                                           "<BARMI>;<BARMI>;<BARMI>", "<BARMI>;<BARMI>;V",
                                           "<BARMI>;<BARMI>;<BARMI>", "<BARMI>;Hang;Hang"};
  const std::vector<std::string> after = {"<BARMI>;<BARMI>;<BARMI>", "C;<BARMI>;<BARMI>",
                                          "<BARMI>;<BARMI>;<BARMI>", "Sz\xFCnet;<BARMI>;<BARMI>",
                                          "<BARMI>;<BARMI>;<BARMI>", "V;C;<BARMI>",
                                          "<BARMI>;<BARMI>;<BARMI>", "<SEMMI>;<SEMMI>;<SEMMI>"};
  const std::vector<std::string> word_positions = {"BELSO", "UTOLSO", "ELSO", "BARMI"};
  const std::vector<std::string> word_syllables = {"= 2", "= 1", "> 2", "= 3", "< 3", "> 0"};
  zor::SpecificationList list;
  for (int n = 0; n < count; ++n) {
    zor::Specification spec;
    auto at = [n](const auto& values, int stride) {
      return values[static_cast<size_t>(n / stride) % values.size()];
    };
    spec[zor::kSpecName] = "b" + std::to_string(n);
    // Users seldom restrict the long-vowel counts; now and then one does.
    spec[zor::kSpecACount] = n % 13 == 5 ? "0" : "BARMENNYI";
    spec[zor::kSpecECount] = n % 17 == 8 ? "1" : "BARMENNYI";
    spec[zor::kSpecOtherLongCount] = n % 11 == 3 ? "0" : "BARMENNYI";
    if (n % 6 == 5) {
      spec[zor::kSpecType] = "SZ";
      spec[zor::kSpecSyllableCount] = at(word_syllables, 6);
      spec[zor::kSpecSentencePosition] = at(word_positions, 1);
      spec[zor::kSpecTextWord] = n % 30 == 29 ? "NEM" : "IGEN";
    } else {
      spec[zor::kSpecType] = "H";
      spec[zor::kSpecSound] = at(sounds, 1);
      const Place& place = at(places, 5);
      spec[zor::kSpecWordPosition] = place.position;
      spec[zor::kSpecSyllableCount] = place.syllables;
      spec[zor::kSpecBefore] = at(before, 3);
      spec[zor::kSpecAfter] = at(after, 2);
    }
    list.append(spec);
  }
  return zor::save_specifications(list, argv[1]) ? 0 : 1;
}
