#pragma once
// The word conditions of a specification: syllable count and the three
// long-vowel counts, tested on a word's facts.
#include "query/query_corpus.h"
#include "query/specification.h"

namespace zor {

class WordConditions {
 public:
  explicit WordConditions(const Specification& spec);
  bool hold(const WordFacts& word) const;

 private:
  SyllableCondition syllables_;
  std::string a_count_, e_count_, other_long_count_;
};

}  // namespace zor
