#include "controls/tree_list_compare.h"

#include <algorithm>
#include <climits>

namespace zor {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

unsigned char folded(char c) {
  auto byte = static_cast<unsigned char>(c);
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

struct DigitRun {
  std::string_view prefix;  // the text before the first digit (all of it without one)
  std::string_view digits;  // the digits that start there; empty without one
};

DigitRun first_digit_run(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && !is_digit(text[start])) ++start;
  size_t end = start;
  while (end < text.size() && is_digit(text[end])) ++end;
  return {text.substr(0, start), text.substr(start, end - start)};
}

// A run too long for an int saturates, so huge numbers still sort after
// smaller ones instead of wrapping around.
long long value_of(std::string_view digits) {
  long long value = 0;
  for (char c : digits) {
    value = value * 10 + (c - '0');
    if (value > INT_MAX) return INT_MAX;
  }
  return value;
}

}  // namespace

int compare_ignoring_ascii_case(std::string_view a, std::string_view b) {
  size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    unsigned char x = folded(a[i]);
    unsigned char y = folded(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

int compare_tree_list_texts(std::string_view a, std::string_view b) {
  DigitRun ra = first_digit_run(a);
  DigitRun rb = first_digit_run(b);
  if (ra.digits.empty() && rb.digits.empty()) return compare_ignoring_ascii_case(a, b);
  long long na = value_of(ra.digits);
  long long nb = value_of(rb.digits);
  if (ra.prefix != rb.prefix || na == nb) return compare_ignoring_ascii_case(a, b);
  return na > nb ? 1 : -1;
}

}  // namespace zor
