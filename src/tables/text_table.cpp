#include "tables/text_table.h"

#include <algorithm>

#include "tables/text_utils.h"

namespace zor {
namespace {

constexpr uint64_t kWideMissing = uint64_t{1} << 63;
constexpr uint16_t kNarrowMissing = uint16_t{1} << 15;
constexpr uint64_t kNarrowLimit = kNarrowMissing;  // row texts below this use 16-bit ends

}  // namespace

TextTable::TextTable() { matcher_.pattern_mode = true; }

void TextTable::add_column(std::string_view name) {
  // Existing rows need no change: fields past a row's stored ones are missing.
  column_names_.emplace_back(up_to_zero(name));
}

void TextTable::add_row() {
  RowSpan row;
  row.set_text_begin(text_.size());
  rows_.push_back(row);
}

void TextTable::clear() {
  column_names_.clear();
  text_.reset();
  narrow_ends_ = {};
  blank_row_end_ = kNoBlankRowEnd;
  wide_ends_ = {};
  rows_ = {};
  cursor_ = 0;
  bookmark_ = 0;
  bof_ = eof_ = true;
  search_begun_ = false;
}

bool TextTable::is_empty() const { return rows_.empty(); }
int TextTable::row_count() const { return rows_count(); }
int TextTable::column_count() const { return static_cast<int>(column_names_.size()); }

int column_number(const std::vector<std::string>& names, std::string_view name) {
  name = up_to_zero(name);
  for (size_t c = 0; c < names.size(); ++c)
    if (names[c] == name) return static_cast<int>(c + 1);
  return 0;
}

int TextTable::column_index(std::string_view name) const { return column_number(column_names_, name); }

std::string_view TextTable::column_name(int column) const {
  if (column < 1 || column > column_count()) return {};
  return column_names_[static_cast<size_t>(column - 1)];
}

int TextTable::position() const { return cursor_; }
bool TextTable::bof() const { return bof_; }
bool TextTable::eof() const { return eof_; }

bool TextTable::move_to(int row) {
  if (row < 1 || row > rows_count()) {
    bof_ = eof_ = true;
    return false;
  }
  cursor_ = row;
  bof_ = eof_ = false;
  return true;
}

bool TextTable::move_first() {
  if (rows_.empty()) {
    bof_ = eof_ = true;
    return false;
  }
  return move_to(1);
}

bool TextTable::move_last() {
  if (rows_.empty()) {
    bof_ = eof_ = true;
    return false;
  }
  return move_to(rows_count());
}

bool TextTable::move_next() {
  if (!rows_.empty() && cursor_ < rows_count()) {
    ++cursor_;
    bof_ = eof_ = false;
    return true;
  }
  eof_ = true;
  if (rows_.empty()) bof_ = true;
  return false;
}

bool TextTable::save_bookmark() {
  bookmark_ = cursor_;
  return has_row();
}

bool TextTable::restore_bookmark() {
  if (bookmark_ < 1 || bookmark_ > rows_count()) return false;
  cursor_ = bookmark_;
  return true;
}

FieldText TextTable::row_field(const RowSpan& row, size_t column) const {
  if (column >= row.stored()) return std::nullopt;
  uint64_t begin = 0;
  uint64_t end;
  if (row.wide()) {
    const uint64_t* ends = wide_ends_.data() + row.ends_begin();
    if (ends[column] & kWideMissing) return std::nullopt;
    end = ends[column];
    if (column > 0) begin = ends[column - 1] & ~kWideMissing;
  } else {
    const uint16_t* ends = narrow_ends_.data() + row.ends_begin();
    if (ends[column] & kNarrowMissing) return std::nullopt;
    end = ends[column];
    if (column > 0) begin = ends[column - 1] & ~kNarrowMissing;
  }
  return std::string_view(text_.data() + row.text_begin() + begin, end - begin);
}

FieldText TextTable::cell(int row, int column) const {
  if (row < 1 || row > rows_count() || column < 1 || column > column_count()) return std::nullopt;
  return row_field(rows_[static_cast<size_t>(row - 1)], static_cast<size_t>(column - 1));
}

FieldText TextTable::field_at(int column) const { return cell(cursor_, column); }

FieldText TextTable::field(std::string_view column) const {
  return field_at(column_index(column));
}

double TextTable::number_at(int column) const {
  FieldText text = field_at(column);
  return text ? read_number(*text) : 0.0;
}

double TextTable::number(std::string_view column) const { return number_at(column_index(column)); }

void TextTable::append_row_span(RowSpan& row, std::span<const uint64_t> relative_ends) {
  // Callers never pass more than kMaxStored ends.
  const auto stored = static_cast<uint32_t>(relative_ends.size());
  uint64_t length = relative_ends.empty() ? 0 : relative_ends.back() & ~kWideMissing;
  if (length >= kNarrowLimit) {
    row.set_ends(wide_ends_.size(), stored, true);
    wide_ends_.insert(wide_ends_.end(), relative_ends.begin(), relative_ends.end());
    return;
  }
  // A blank line, one empty field, is common enough in damaged files to
  // share one end entry.
  if (stored == 1 && relative_ends[0] == 0) {
    if (blank_row_end_ == kNoBlankRowEnd) {
      blank_row_end_ = narrow_ends_.size();
      narrow_ends_.push_back(0);
    }
    row.set_ends(blank_row_end_, 1, false);
    return;
  }
  row.set_ends(narrow_ends_.size(), stored, false);
  for (uint64_t end : relative_ends) {
    auto narrow = static_cast<uint16_t>(end & ~kWideMissing);
    if (end & kWideMissing) narrow |= kNarrowMissing;
    narrow_ends_.push_back(narrow);
  }
}

void TextTable::rewrite_row(size_t row, std::span<const std::optional<std::string>> fields) {
  // The old text and ends stay behind unused: tables are changed only while
  // they are built, and a rewrite keeps every other row where it is.
  RowSpan span;
  span.set_text_begin(text_.size());
  std::vector<uint64_t> ends;
  ends.reserve(fields.size());
  uint64_t end = 0;
  for (const std::optional<std::string>& field : fields) {
    if (field) {
      text_.append(*field);
      end += field->size();
      ends.push_back(end);
    } else {
      ends.push_back(end | kWideMissing);
    }
  }
  append_row_span(span, ends);
  rows_[row] = span;
}

bool TextTable::set_field_at(int column, std::string_view text) {
  if (!has_row() || column < 1 || column > column_count()) return false;
  if (static_cast<uint32_t>(column) > RowSpan::kMaxStored) return false;
  auto row = static_cast<size_t>(cursor_ - 1);
  size_t width = std::max<size_t>(rows_[row].stored(), static_cast<size_t>(column));
  std::vector<std::optional<std::string>> fields(width);
  for (size_t c = 0; c < width; ++c)
    if (FieldText old = row_field(rows_[row], c)) fields[c] = std::string(*old);
  fields[static_cast<size_t>(column - 1)] = std::string(up_to_zero(text));
  rewrite_row(row, fields);
  return true;
}

char TextTable::separator() const { return separator_; }
void TextTable::set_separator(char separator) { separator_ = separator; }

}  // namespace zor
