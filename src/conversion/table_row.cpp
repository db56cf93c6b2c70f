#include "conversion/table_row.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace zor {

char* TableRow::begin_field(size_t count) {
  const bool first = finished_;
  if (first) used_ = 0;
  finished_ = false;
  // The field, its separator and the line's end.
  const size_t needed = used_ + count + 2;
  if (needed > line_.size()) line_.resize(std::max(needed, 2 * line_.size()));
  char* at = line_.data() + used_;
  if (!first) *at++ = '\t';
  return at;
}

TableRow& TableRow::add(std::string_view text) {
  // A TAB or LF inside a field would break its row; the table syntax's
  // escapes keep it, and the loader gives it back. Backslashes are written as
  // they stand: paths in files of every earlier version rely on that.
  char* at = begin_field(2 * text.size());
  const char* const end = text.data() + text.size();
  const char* plain = std::find_if(text.data(), end, [](char c) { return c == '\t' || c == '\n'; });
  // An empty view may have no bytes at all, which memcpy must not be given.
  if (plain != text.data()) std::memcpy(at, text.data(), static_cast<size_t>(plain - text.data()));
  at += plain - text.data();
  for (; plain != end; ++plain) {
    if (*plain == '\t' || *plain == '\n') {
      *at++ = '\\';
      *at++ = *plain == '\t' ? '\t' : 'n';
    } else {
      *at++ = *plain;
    }
  }
  used_ = static_cast<size_t>(at - line_.data());
  return *this;
}

TableRow& TableRow::add(std::int64_t number) {
  constexpr size_t kDigits = 20;
  char* at = begin_field(kDigits);
  used_ = static_cast<size_t>(std::to_chars(at, at + kDigits, number).ptr - line_.data());
  return *this;
}

TableRow& TableRow::add_duration(double milliseconds) {
  // to_chars with fixed precision 0 rounds exactly like printf's "%.0f".
  char digits[400];
  auto end = std::to_chars(digits, digits + sizeof digits, milliseconds, std::chars_format::fixed, 0).ptr;
  char* at = begin_field(static_cast<size_t>(end - digits));
  std::memcpy(at, digits, static_cast<size_t>(end - digits));
  used_ = static_cast<size_t>(at + (end - digits) - line_.data());
  return *this;
}

TableRow& TableRow::add_formatted(std::string_view fields) {
  char* at = begin_field(fields.size());
  if (!fields.empty()) std::memcpy(at, fields.data(), fields.size());
  used_ = static_cast<size_t>(at + fields.size() - line_.data());
  return *this;
}

std::string_view TableRow::finish() {
  if (finished_) used_ = 0;
  if (used_ + 1 > line_.size()) line_.resize(used_ + 1);
  line_[used_++] = '\n';
  finished_ = true;
  return std::string_view(line_.data(), used_);
}

}  // namespace zor
