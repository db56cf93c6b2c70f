#include "conversion/phonetics.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace zor {
namespace {

TEST(Phonetics, SortsLabelsIntoConsonantsVowelsAndThePause) {
  struct Case {
    std::string_view label;
    bool consonant;
    bool vowel;
  };
  for (const Case& c : std::vector<Case>{{"b", true, false},   {"r:", true, false},
                                         {"k", true, false},   {"k:", true, false},
                                         {"C:", true, false},  {"B", false, true},
                                         {"x", false, true},   {"a", false, true},
                                         {"A:", false, true},  {"o:", false, true},
                                         {"", false, true},    {"_", false, false},
                                         {"b::", false, true}, {"bb", false, true}}) {
    EXPECT_EQ(is_consonant(c.label), c.consonant) << c.label;
    EXPECT_EQ(is_vowel(c.label), c.vowel) << c.label;
  }
}

TEST(Phonetics, KnowsExactlyTheFortySixConsonants) {
  const std::set<std::string> consonants = {
      "b",  "p",  "d",  "t",  "g",  "k",  "G",  "T",  "m",  "n",  "N",  "j",
      "h",  "v",  "f",  "z",  "s",  "c",  "Z",  "S",  "C",  "l",  "r",  "b:",
      "p:", "d:", "t:", "g:", "k:", "G:", "T:", "m:", "n:", "N:", "j:", "h:",
      "v:", "f:", "z:", "s:", "c:", "Z:", "S:", "C:", "l:", "r:"};
  int found = 0;
  for (int first = 0; first < 256; ++first) {
    std::string label(1, static_cast<char>(first));
    EXPECT_EQ(is_consonant(label), consonants.count(label) == 1) << first;
    found += is_consonant(label);
    for (int second = 0; second < 256; ++second) {
      std::string pair = label + static_cast<char>(second);
      if (is_consonant(pair) != (consonants.count(pair) == 1)) ADD_FAILURE() << first << " " << second;
      found += is_consonant(pair);
    }
  }
  EXPECT_EQ(found, 46);
}

TEST(Phonetics, MarksLongSoundsByCodeAndLabelLength) {
  struct Case {
    std::string_view code, label, marked;
    bool is_short;
  };
  for (const Case& c : std::vector<Case>{{"200", "b", "b:", false},
                                         {"200", "k", "k:", false},
                                         {"200", "a", "a", false},
                                         {"100", "b", "b", true},
                                         {"", "k", "k", true},
                                         {"100", "A:", "A:", false},
                                         {"100", "E:", "E:", false},
                                         {"100", "b:", "b::", false},
                                         {"100", "_", "_", true},
                                         {"200", "_", "_", false},
                                         {"2000", "t", "t", true}}) {
    MarkedLabel marked = mark_length(c.code, c.label);
    EXPECT_EQ(marked.label, c.marked) << c.code << " " << c.label;
    EXPECT_EQ(marked.is_short, c.is_short) << c.code << " " << c.label;
  }
}

TEST(Phonetics, ArticlesInAnyCaseAreNoTextWords) {
  for (std::string_view article : {"a", "az", "A", "Az", "AZ", "aZ"}) {
    EXPECT_FALSE(is_text_word(article)) << article;
  }
  for (std::string_view word : {"_", "aza", "a:", "", "alma", "\xe1"}) {
    EXPECT_TRUE(is_text_word(word)) << word;
  }
}

TEST(Phonetics, WordPositionsLetALeadingArticleKeepTheFirstPlaceFree) {
  struct Word {
    int place;
    std::string_view labels;
    std::string_view expected;
  };
  std::vector<std::vector<Word>> sentences = {
      {{0, "a", "ELSO"}, {1, "kutya", "ELSO"}, {1, "ugat", "BELSO"}, {3, "ott", "UTOLSO"}},
      {{0, "ez", "ELSO"}, {1, "a", "BELSO"}, {3, "ott", "UTOLSO"}},
      {{0, "_", "ELSO"}, {1, "w1", "BELSO"}, {3, "w2", "UTOLSO"}, {3, "w3", "UTOLSO"}},
      {{1, "az", "BELSO"}, {1, "a", "BELSO"}, {1, "ház", "ELSO"}, {1, "ég", "BELSO"}},
      {{3, "a", "UTOLSO"}, {1, "fa", "ELSO"}},
  };
  for (const auto& sentence : sentences) {
    WordPositionRule rule;
    for (const Word& word : sentence) {
      EXPECT_EQ(rule.classify(word.place, is_text_word(word.labels)), word.expected)
          << word.labels;
    }
  }
}

}  // namespace
}  // namespace zor
