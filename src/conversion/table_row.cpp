#include "conversion/table_row.h"

#include <charconv>

namespace zor {

void TableRow::separate() {
  if (finished_) {
    line_.clear();
    finished_ = false;
  } else {
    line_.push_back('\t');
  }
}

TableRow& TableRow::add(std::string_view text) {
  separate();
  line_.append(text);
  return *this;
}

TableRow& TableRow::add(std::int64_t number) {
  separate();
  char digits[24];
  auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  line_.append(digits, end);
  return *this;
}

TableRow& TableRow::add_duration(double milliseconds) {
  separate();
  // to_chars with fixed precision 0 rounds exactly like printf's "%.0f".
  char digits[400];
  auto end = std::to_chars(digits, digits + sizeof digits, milliseconds, std::chars_format::fixed, 0).ptr;
  line_.append(digits, end);
  return *this;
}

std::string_view TableRow::finish() {
  if (finished_) line_.clear();
  line_.push_back('\n');
  finished_ = true;
  return line_;
}

}  // namespace zor
