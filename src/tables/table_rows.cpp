#include "tables/table_rows.h"

#include <algorithm>
#include <cstring>

#include "platform/file_io.h"
#include "tables/text_utils.h"

namespace zor {

int TableRows::column_index(std::string_view name) const {
  name = up_to_zero(name);
  const std::vector<std::string>& names = column_names();
  for (size_t c = 0; c < names.size(); ++c)
    if (names[c] == name) return static_cast<int>(c + 1);
  return 0;
}

bool LoadedTableRows::next() {
  fields_.clear();
  if (++row_ > table_.row_count()) return false;
  for (int column = 1; column <= table_.column_count(); ++column) fields_.push_back(table_.cell(row_, column));
  return true;
}

TableFileRows::TableFileRows(char separator, size_t slice_bytes)
    : separator_(separator), slice_bytes_(std::max<size_t>(slice_bytes, 1)) {}

TableFileRows::~TableFileRows() {
  if (file_) std::fclose(file_);
}

bool TableFileRows::read_more() {
  if (at_end_) return false;
  const size_t kept = bytes_.size() - at_;
  if (kept > 0) std::memmove(bytes_.data(), bytes_.data() + at_, kept);
  at_ = 0;
  bytes_.resize_for_overwrite(kept + slice_bytes_);
  const size_t got = std::fread(bytes_.data() + kept, 1, slice_bytes_, file_);
  bytes_.resize_for_overwrite(kept + got);
  if (got < slice_bytes_) {
    at_end_ = true;
    failed_ = std::ferror(file_) != 0;
  }
  whole_end_ = whole_rows_end();
  return got > 0;
}

// A row ends at an LF that no backslash takes: one after an even run of
// backslashes (a CR between them and the LF goes with the LF). The byte
// before such a run is never part of an escape that reaches the run.
size_t TableFileRows::whole_rows_end() const {
  if (at_end_) return bytes_.size();
  const char* const bytes = bytes_.data();
  // Backwards from the end: the last row end lies a row's length or so back.
  for (size_t at = bytes_.size(); at-- > at_;) {
    if (bytes[at] != '\n') continue;
    size_t before = at;
    if (before > at_ && bytes[before - 1] == '\r') --before;
    size_t backslashes = 0;
    while (before > at_ && bytes[before - 1] == '\\') --before, ++backslashes;
    if (backslashes % 2 == 0) return at + 1;
  }
  return at_;
}

bool TableFileRows::open(std::string_view path) {
  file_ = open_input_file(path, kMaxTableBytes);
  if (!file_) return false;
  // The header ends at the first LF: read until it is in, or the file ends.
  size_t searched = 0;
  while (true) {
    if (bytes_.size() > searched && std::memchr(bytes_.data() + searched, '\n', bytes_.size() - searched))
      break;
    searched = bytes_.size();
    if (!read_more()) break;
  }
  at_ = parse_header(bytes_.data(), bytes_.size(), separator_, names_);
  whole_end_ = std::max(whole_rows_end(), at_);
  parser_.emplace(separator_, std::min<size_t>(names_.size(), TextTable::kMaxStoredColumns));
  return true;
}

bool TableFileRows::next() {
  fields_.clear();
  if (!file_) return false;
  while (at_ == whole_end_) {
    if (at_end_ && at_ == bytes_.size()) return false;
    read_more();
  }
  // Rows never grow when unescaped: each one is unescaped over its own bytes,
  // which no later read needs.
  const size_t row_begin = at_;
  size_t written = at_;
  parser_->parse(bytes_.data(), at_, whole_end_, bytes_.data(), written, ends_);
  const char* const text = bytes_.data() + row_begin;
  std::uint64_t begin = 0;
  for (std::uint64_t end : ends_) {
    fields_.emplace_back(std::string_view(text + begin, end - begin));
    begin = end;
  }
  return true;
}

}  // namespace zor
