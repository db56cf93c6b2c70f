#include "query/word_conditions.h"

namespace zor {

WordConditions::WordConditions(const Specification& spec)
    : syllables_(SyllableCondition::read(spec[kSpecSyllableCount])),
      a_count_(spec[kSpecACount]),
      e_count_(spec[kSpecECount]),
      other_long_count_(spec[kSpecOtherLongCount]) {}

bool WordConditions::hold(const WordFacts& word) const {
  return word.has_syllables && syllables_.holds(word.syllables) &&
         a_or_e_count_holds(a_count_, word.long_vowels.a) &&
         a_or_e_count_holds(e_count_, word.long_vowels.e) &&
         other_long_count_holds(other_long_count_, word.long_vowels.other);
}

}  // namespace zor
