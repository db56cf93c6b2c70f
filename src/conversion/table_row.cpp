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
  // A TAB or LF inside a field would break its row; the table syntax's
  // escapes keep it, and the loader gives it back. Backslashes are written as
  // they stand: paths in files of every earlier version rely on that.
  // A byte loop: find_first_of looks each byte up in its set with a call.
  // Appended by pointer and length: an append of iterators builds a
  // temporary string first.
  size_t plain_from = 0;
  for (size_t at = 0; at < text.size(); ++at) {
    if (text[at] != '\t' && text[at] != '\n') continue;
    line_.append(text.data() + plain_from, at - plain_from).append(text[at] == '\t' ? "\\\t" : "\\n");
    plain_from = at + 1;
  }
  line_.append(text.data() + plain_from, text.size() - plain_from);
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
