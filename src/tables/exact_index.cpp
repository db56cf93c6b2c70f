#include <charconv>
#include <numeric>

#include "tables/text_table.h"
#include "tables/text_utils.h"

namespace zor {

int canonical_number(std::string_view text) {
  if (text.empty() || text.size() > 10 || text[0] < '1' || text[0] > '9') return 0;
  // Up to nine digits always fit: read at once, as every key of a corpus
  // table is looked up this way.
  if (text.size() <= 9) {
    int number = 0;
    for (char c : text) {
      if (c < '0' || c > '9') return 0;
      number = number * 10 + (c - '0');
    }
    return number;
  }
  int number = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size() ? number : 0;
}

bool ExactIndex::holds_row_numbers(const TextTable& table, int column) {
  const int rows = table.row_count();
  if (rows == 0) return false;
  for (int row = 1; row <= rows; ++row) {
    FieldText field = table.cell(row, column);
    if (!field || canonical_number(*field) != row) return false;
  }
  return true;
}

ExactIndex::ExactIndex(const TextTable& table, int column)
    : row_numbered_(holds_row_numbers(table, column)) {
  const int rows = table.row_count();
  if (row_numbered_) {
    rows_.resize(static_cast<size_t>(rows));
    std::iota(rows_.begin(), rows_.end(), 1);
    return;
  }
  // Group the rows by value in two passes: count each value's rows, then
  // place them value after value, in increasing row order within a value.
  std::vector<uint32_t> value_of_row(static_cast<size_t>(rows), TextKeyIndex::kNone);
  std::vector<uint32_t> sizes;
  for (int row = 1; row <= rows; ++row) {
    FieldText field = table.cell(row, column);
    if (!field) continue;  // a missing field equals no value
    auto [id, added] = values_.insert(*field);
    if (added) sizes.push_back(0);
    ++sizes[id];
    value_of_row[static_cast<size_t>(row - 1)] = id;
  }
  group_begins_.resize(sizes.size() + 1);
  for (size_t id = 0; id < sizes.size(); ++id) group_begins_[id + 1] = group_begins_[id] + sizes[id];
  std::vector<uint32_t> next(group_begins_.begin(), group_begins_.end() - 1);
  rows_.resize(group_begins_.back());
  for (int row = 1; row <= rows; ++row) {
    uint32_t id = value_of_row[static_cast<size_t>(row - 1)];
    if (id != TextKeyIndex::kNone) rows_[next[id]++] = row;
  }
}

std::span<const int> ExactIndex::rows(std::string_view value) const {
  value = up_to_zero(value);
  if (row_numbered_) {
    int row = canonical_number(value);
    if (row == 0 || row > static_cast<int>(rows_.size())) return {};
    return std::span<const int>(rows_).subspan(static_cast<size_t>(row - 1), 1);
  }
  uint32_t id = values_.find(value);
  if (id == TextKeyIndex::kNone) return {};
  return std::span<const int>(rows_).subspan(group_begins_[id], group_begins_[id + 1] - group_begins_[id]);
}

}  // namespace zor
