#pragma once
// The word conditions of a specification: syllable count and the three
// long-vowel counts, tested on a word's facts.
#include <algorithm>
#include <array>
#include <vector>

#include "query/query_corpus.h"
#include "query/specification.h"

namespace zor {

class WordConditions {
 public:
  explicit WordConditions(const Specification& spec);
  bool hold(const WordFacts& word) const;

 private:
  // A count condition, read once: whether it holds for 0 to 4 and for any
  // count above, which every count condition treats alike.
  class CountCondition {
   public:
    CountCondition(std::string_view field, bool (*holds)(std::string_view, int));
    bool holds(int count) const { return holds_[static_cast<size_t>(std::clamp(count, 0, kAbove))]; }

   private:
    static constexpr int kAbove = 5;
    std::array<bool, kAbove + 1> holds_{};
  };

  SyllableCondition syllables_;
  CountCondition a_count_, e_count_, other_long_count_;
};

// Whether the words of each class (QueryCorpus::word_classes()) meet the
// specification's word conditions, by class: judged once per class, a word
// then costs one look-up.
std::vector<char> good_word_classes(const QueryCorpus& corpus, const Specification& spec);

}  // namespace zor
