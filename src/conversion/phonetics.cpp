#include "conversion/phonetics.h"

#include <array>

namespace zor {
namespace {

// The 23 short consonants; each has a long counterpart written with the long
// mark after it, 46 labels in all.
constexpr std::string_view kConsonantLetters = "bpdtgkGTmnNjhvfzscZSClr";

constexpr std::array<bool, 256> consonant_letter_table() {
  std::array<bool, 256> table{};
  for (char letter : kConsonantLetters) table[static_cast<unsigned char>(letter)] = true;
  return table;
}
constexpr std::array<bool, 256> kIsConsonantLetter = consonant_letter_table();

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
  // Asked for every sound and every look-ahead: a table instead of a search.
  if (label.empty() || label.size() > 2) return false;
  if (label.size() == 2 && label[1] != kLongMark) return false;
  return kIsConsonantLetter[static_cast<unsigned char>(label[0])];
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
