#pragma once
// Random corpus tables and specifications for comparing the query with an
// independent walk. The tables follow the layout the conversion writes; the
// messy variant adds the odd fields a hand-edited table may hold.
#include <cstdint>
#include <string>
#include <vector>

#include "query/specification.h"

namespace zor::test {

struct GeneratedCorpus {
  std::string sentences, words, sounds;  // file texts with "\n" line ends
};

GeneratedCorpus generate_corpus(std::uint32_t seed, int sentence_count, bool messy);
// Specifications of every form, with values from the dialog's lists and now
// and then one from outside them.
std::vector<Specification> generate_specifications(std::uint32_t seed, int count);

}  // namespace zor::test
