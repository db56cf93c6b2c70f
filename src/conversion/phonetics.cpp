#include "conversion/phonetics.h"

#include <array>

namespace zor {
namespace {

constexpr std::array<std::string_view, 46> kConsonants = {
    "b",  "p",  "d",  "t",  "g",  "k",  "G",  "T",  "m",  "n",  "N",  "j",
    "h",  "v",  "f",  "z",  "s",  "c",  "Z",  "S",  "C",  "l",  "r",  "b:",
    "p:", "d:", "t:", "g:", "k:", "G:", "T:", "m:", "n:", "N:", "j:", "h:",
    "v:", "f:", "z:", "s:", "c:", "Z:", "S:", "C:", "l:", "r:"};

char ascii_lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equals_ignoring_case(std::string_view text, std::string_view lower_word) {
  if (text.size() != lower_word.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (ascii_lower(text[i]) != lower_word[i]) return false;
  }
  return true;
}

}  // namespace

bool is_consonant(std::string_view label) {
  for (std::string_view consonant : kConsonants) {
    if (label == consonant) return true;
  }
  return false;
}

bool is_vowel(std::string_view label) { return !is_consonant(label) && label != kPauseLabel; }

MarkedLabel mark_length(std::string_view length_code, std::string_view label) {
  MarkedLabel marked{std::string(label), length_code != kLongLengthCode && label.size() <= 1};
  if (!marked.is_short && is_consonant(label)) marked.label.push_back(kLongMark);
  return marked;
}

bool is_text_word(std::string_view word_labels) {
  return !equals_ignoring_case(word_labels, "a") && !equals_ignoring_case(word_labels, "az");
}

std::string_view WordPositionRule::classify(int place, bool text_word) {
  if (place == 0 || place == 3) {
    if (text_word) text_word_seen_ = true;
    return place == 0 ? "ELSO" : "UTOLSO";
  }
  if (text_word && !text_word_seen_) {
    text_word_seen_ = true;
    return "ELSO";
  }
  return "BELSO";
}

}  // namespace zor
