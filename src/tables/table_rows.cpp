#include "tables/table_rows.h"

#include <algorithm>
#include <cstring>

#include "platform/file_io.h"
#include "tables/row_parser.h"
#include "tables/text_utils.h"

namespace zor {

int TableRows::column_index(std::string_view name) const {
  name = up_to_zero(name);
  const std::vector<std::string>& names = column_names();
  for (size_t c = 0; c < names.size(); ++c)
    if (names[c] == name) return static_cast<int>(c + 1);
  return 0;
}

TableFileRows::TableFileRows(char separator, size_t slice_bytes)
    : separator_(separator), slice_bytes_(std::max<size_t>(slice_bytes, 1)) {}

TableFileRows::~TableFileRows() {
  if (file_) std::fclose(file_);
}

bool TableFileRows::read_more(size_t keep) {
  if (at_end_) return false;
  const size_t old_size = bytes_.size() - keep;
  if (old_size > 0) std::memmove(bytes_.data(), bytes_.data() + keep, old_size);
  at_ = 0;
  bytes_.resize_for_overwrite(old_size + slice_bytes_);
  const size_t got = std::fread(bytes_.data() + old_size, 1, slice_bytes_, file_);
  bytes_.resize_for_overwrite(old_size + got);
  if (got < slice_bytes_) {
    at_end_ = true;
    failed_ = std::ferror(file_) != 0;
  }
  return got > 0;
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
    if (!read_more(0)) break;
  }
  at_ = parse_header(bytes_.data(), bytes_.size(), separator_, names_);
  kept_ = std::min<size_t>(names_.size(), TextTable::kMaxStoredColumns);
  return true;
}

bool TableFileRows::next() {
  if (!file_) return false;
  const RowParser parser(separator_, kept_);
  while (true) {
    if (at_ == bytes_.size() && !read_more(at_)) return false;
    size_t at = at_;
    size_t written = 0;
    // Never longer unescaped than its bytes.
    row_.resize(std::max(row_.size(), bytes_.size() - at_));
    const RowParser::Row row = parser.parse(bytes_.data(), at, bytes_.size(), row_.data(), written, ends_);
    // A row cut by the end of the slice is read again whole; one cut by the
    // end of the file keeps what it finished.
    if (row == RowParser::Row::cut && !at_end_) {
      read_more(at_);
      continue;
    }
    at_ = at;
    return true;
  }
}

FieldText TableFileRows::cell(int column) const {
  if (column < 1 || static_cast<size_t>(column) > ends_.size()) return std::nullopt;
  const size_t c = static_cast<size_t>(column - 1);
  const size_t begin = c == 0 ? 0 : ends_[c - 1];
  return std::string_view(row_.data() + begin, ends_[c] - begin);
}

}  // namespace zor
