#include "controls/sortable_list_compare.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <numeric>

namespace zor {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

template <typename T>
int three_way(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

unsigned char folded(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

int compare_bytes(std::string_view a, std::string_view b, bool fold_case) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = fold_case ? folded(a[i]) : static_cast<unsigned char>(a[i]);
    unsigned char y = fold_case ? folded(b[i]) : static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return three_way(a.size(), b.size());
}

size_t skip_blanks(std::string_view text, size_t at) {
  while (at < text.size() && is_blank(text[at])) ++at;
  return at;
}

// The leading integer, as the C library's atoi reads it, saturated instead
// of overflowing.
long long leading_integer(std::string_view text) {
  size_t at = skip_blanks(text, 0);
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  long long value = 0;
  constexpr long long kLimit = INT64_MAX / 10 - 1;
  for (; at < text.size() && is_digit(text[at]); ++at) {
    if (value < kLimit) value = value * 10 + (text[at] - '0');
  }
  return negative ? -value : value;
}

// The leading decimal number (digits, point, exponent); 0 when there is none.
// Read without the process locale, which the GUI may have set.
double leading_real(std::string_view text) {
  size_t start = skip_blanks(text, 0);
  size_t at = start;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  size_t digits = 0;
  for (; at < text.size() && is_digit(text[at]); ++at) ++digits;
  if (at < text.size() && text[at] == '.') {
    for (++at; at < text.size() && is_digit(text[at]); ++at) ++digits;
  }
  if (digits == 0) return 0.0;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    size_t exp = at + 1;
    if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) ++exp;
    if (exp < text.size() && is_digit(text[exp])) {
      for (at = exp; at < text.size() && is_digit(text[at]);) ++at;
    }
  }
  std::string number(text.substr(start, at - start));
  if (number[0] == '+') number.erase(0, 1);
  double value = 0.0;
  std::from_chars(number.data(), number.data() + number.size(), value);
  return value;
}

// Reads 1 to `max_digits` digits at `at`.
bool read_number(std::string_view text, size_t& at, int max_digits, int& value, int* count = nullptr) {
  int n = 0;
  value = 0;
  while (at < text.size() && is_digit(text[at]) && n < max_digits) value = value * 10 + (text[at++] - '0'), ++n;
  if (count) *count = n;
  return n > 0;
}

bool expect(std::string_view text, size_t& at, char c) {
  if (at >= text.size() || text[at] != c) return false;
  ++at;
  return true;
}

long long days_from_civil(long long y, int m, int d) {
  y -= m <= 2;
  long long era = (y >= 0 ? y : y - 399) / 400;
  long long yoe = y - era * 400;
  long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe;
}

}  // namespace

bool parse_list_date(std::string_view text, long long& minutes) {
  size_t at = skip_blanks(text, 0);
  int month, day, year, hour, minute, year_digits;
  if (!read_number(text, at, 2, month) || !expect(text, at, '/') || !read_number(text, at, 2, day) ||
      !expect(text, at, '/') || !read_number(text, at, 4, year, &year_digits))
    return false;
  if (year_digits == 2) {
    year += year < 69 ? 2000 : 1900;  // the C library's reading of %y
  } else if (year_digits != 4) {
    return false;
  }
  size_t before_time = at;
  at = skip_blanks(text, at);
  if (at == before_time || !read_number(text, at, 2, hour) || !expect(text, at, ':')) return false;
  int minute_digits;
  if (!read_number(text, at, 2, minute, &minute_digits) || minute_digits != 2) return false;
  at = skip_blanks(text, at);
  std::string_view suffix = text.substr(at);
  while (!suffix.empty() && is_blank(suffix.back())) suffix.remove_suffix(1);
  bool pm;
  if (suffix == "AM") {
    pm = false;
  } else if (suffix == "PM") {
    pm = true;
  } else {
    return false;
  }
  if (month < 1 || month > 12 || day < 1 || day > 31 || hour < 1 || hour > 12 || minute > 59)
    return false;
  int hour24 = hour % 12 + (pm ? 12 : 0);
  minutes = (days_from_civil(year, month, day) * 24 + hour24) * 60 + minute;
  return true;
}

int compare_cells(std::string_view a, std::string_view b, ColumnKind kind) {
  switch (kind) {
    case kKindText: return compare_bytes(a, b, false);
    case kKindTextNoCase: return compare_bytes(a, b, true);
    case kKindInteger: return three_way(leading_integer(a), leading_integer(b));
    case kKindDate:
    case kKindDateVariant: {
      long long x, y;
      if (!parse_list_date(a, x) || !parse_list_date(b, y)) return 0;
      return three_way(x, y);
    }
    case kKindReal: return three_way(leading_real(a), leading_real(b));
    case kKindNone: break;
  }
  return 0;
}

std::vector<size_t> sorted_row_order(const std::vector<std::string>& cells, ColumnKind kind,
                                     bool ascending) {
  // A plain bottom-up merge sort: it is stable and stays well defined for the
  // date kinds, whose "unreadable equals everything" is no strict weak
  // ordering (the library's sorts would be free to misbehave on it).
  auto before = [&](size_t x, size_t y) {
    int c = compare_cells(cells[x], cells[y], kind);
    return ascending ? c < 0 : c > 0;
  };
  std::vector<size_t> order(cells.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::vector<size_t> merged(order.size());
  for (size_t width = 1; width < order.size(); width *= 2) {
    for (size_t lo = 0; lo < order.size(); lo += 2 * width) {
      size_t mid = std::min(lo + width, order.size());
      size_t hi = std::min(lo + 2 * width, order.size());
      size_t i = lo, j = mid, out = lo;
      while (i < mid && j < hi) merged[out++] = before(order[j], order[i]) ? order[j++] : order[i++];
      while (i < mid) merged[out++] = order[i++];
      while (j < hi) merged[out++] = order[j++];
    }
    order.swap(merged);
  }
  return order;
}

}  // namespace zor
