#include "query/word_conditions.h"

namespace zor {

WordConditions::WordConditions(const Specification& spec)
    : syllables_(SyllableCondition::read(spec[kSpecSyllableCount])),
      a_count_(spec[kSpecACount], a_or_e_count_holds),
      e_count_(spec[kSpecECount], a_or_e_count_holds),
      other_long_count_(spec[kSpecOtherLongCount], other_long_count_holds) {}

WordConditions::CountCondition::CountCondition(std::string_view field,
                                               bool (*holds)(std::string_view, int)) {
  for (int count = 0; count <= kAbove; ++count) holds_[static_cast<size_t>(count)] = holds(field, count);
}

bool WordConditions::hold(const WordFacts& word) const {
  return word.has_syllables && syllables_.holds(word.syllables) &&
         a_count_.holds(word.long_vowels.a) && e_count_.holds(word.long_vowels.e) &&
         other_long_count_.holds(word.long_vowels.other);
}

std::vector<char> good_word_classes(const QueryCorpus& corpus, const Specification& spec) {
  const WordConditions conditions(spec);
  std::vector<char> good;
  good.reserve(corpus.word_classes().size() + 1);
  for (const WordFacts& word : corpus.word_classes()) good.push_back(conditions.hold(word));
  return good;
}

}  // namespace zor
