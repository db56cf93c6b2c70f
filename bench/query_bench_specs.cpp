// query-bench-specs: writes a specification file of every form for the query
// benchmark: sound symbols, labels and connections of 1 to 3 labels with
// varied contexts, positions and counts, and word specifications.
#include <cstdio>
#include <string>
#include <vector>

#include "query/specification_list.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: query-bench-specs FILE COUNT\n");
    return 2;
  }
  const int count = std::atoi(argv[2]);
  const std::vector<std::string> sounds = {"a",   "e",          "l",           "A:",
                                           "<V>", "<Cr>",       "<Hang>",      "[Cr;<BARMI>;<BARMI>]",
                                           "[V;Cr;<SEMMI>]", "[Cr;V;Cr]", "[<BARMI>;V;LR]"};
  const std::vector<std::string> contexts = {"<BARMI>;<BARMI>;<BARMI>", "<BARMI>;<BARMI>;<SEMMI>",
                                             "<BARMI>;V;Cr", "Hang;<BARMI>;C", "<SEMMI>;<SEMMI>;<SEMMI>"};
  const std::vector<std::string> positions = {"BARMI", "ELSO", "BELSO", "UTOLSO"};
  const std::vector<std::string> syllables = {"> 0", "= 1", "= 2", "< 3", "> 3"};
  const std::vector<std::string> amounts = {"BARMENNYI", "0", "1"};
  zor::SpecificationList list;
  for (int n = 0; n < count; ++n) {
    zor::Specification spec;
    auto at = [n](const std::vector<std::string>& values, int stride) {
      return values[static_cast<size_t>(n / stride) % values.size()];
    };
    spec[zor::kSpecName] = "b" + std::to_string(n);
    spec[zor::kSpecSyllableCount] = at(syllables, 2);
    spec[zor::kSpecACount] = at(amounts, 3);
    spec[zor::kSpecECount] = "BARMENNYI";
    spec[zor::kSpecOtherLongCount] = n % 7 == 0 ? "0" : "BARMENNYI";
    if (n % 5 == 4) {
      spec[zor::kSpecType] = "SZ";
      spec[zor::kSpecSentencePosition] = at(positions, 5);
      spec[zor::kSpecTextWord] = n % 2 ? "IGEN" : "NEM";
    } else {
      spec[zor::kSpecType] = "H";
      spec[zor::kSpecSound] = at(sounds, 1);
      spec[zor::kSpecBefore] = at(contexts, 3);
      spec[zor::kSpecAfter] = at(contexts, 7);
      spec[zor::kSpecWordPosition] = at(positions, 11);
    }
    list.append(spec);
  }
  return zor::save_specifications(list, argv[1]) ? 0 : 1;
}
