#include <charconv>
#include <cmath>
#include <cstdint>

#include "platform/c_text.h"
#include "tables/text_table.h"

namespace zor {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double read_number(std::string_view text) {
  // Nearly every number of a corpus table is a few plain digits, read here
  // at once; the value is the one the full reading below gives.
  constexpr size_t kPlainDigits = 9;
  if (!text.empty() && text.size() <= kPlainDigits) {
    std::uint32_t whole = 0;
    size_t at = 0;
    for (; at < text.size() && is_digit(text[at]); ++at) whole = whole * 10 + static_cast<std::uint32_t>(text[at] - '0');
    if (at == text.size()) return whole;
  }
  // Only the longest prefix in decimal notation is read, so "inf", "nan" and
  // "0x1" give what a plain decimal reader gives; std::from_chars keeps the
  // result independent of the process locale.
  size_t at = 0;
  while (at < text.size() && is_c_space(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  const size_t begin = at;
  size_t digits = 0;
  long first_digit_place = 0;  // decimal place of the first non-zero digit, 0 when none
  long integer_digits = 0;
  bool seen_point = false;
  for (; at < text.size(); ++at) {
    char c = text[at];
    if (c == '.' && !seen_point) {
      seen_point = true;
    } else if (is_digit(c)) {
      ++digits;
      if (!seen_point) ++integer_digits;
      if (c != '0' && first_digit_place == 0)
        first_digit_place = seen_point ? integer_digits - static_cast<long>(digits) + 1 : integer_digits;
    } else {
      break;
    }
  }
  if (digits == 0) return 0.0;
  size_t end = at;
  long exponent = 0;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    size_t e = at + 1;
    bool exponent_negative = false;
    if (e < text.size() && (text[e] == '+' || text[e] == '-')) exponent_negative = text[e++] == '-';
    if (e < text.size() && is_digit(text[e])) {
      for (; e < text.size() && is_digit(text[e]); ++e)
        exponent = std::min(exponent * 10 + (text[e] - '0'), 1L << 40);
      if (exponent_negative) exponent = -exponent;
      end = e;
    }
  }
  double value = 0.0;
  auto [ptr, error] = std::from_chars(text.data() + begin, text.data() + end, value,
                                      std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    // Too large or too small for a double: infinity or zero, as strtod gives.
    bool too_large = first_digit_place != 0 && first_digit_place + exponent > 0;
    value = too_large ? HUGE_VAL : 0.0;
  } else if (error != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

}  // namespace zor
