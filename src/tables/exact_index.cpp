#include "tables/text_table.h"
#include "tables/text_utils.h"

namespace zor {

ExactIndex::ExactIndex(const TextTable& table, int column) {
  const int rows = table.row_count();
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
  uint32_t id = values_.find(up_to_zero(value));
  if (id == TextKeyIndex::kNone) return {};
  return std::span<const int>(rows_).subspan(group_begins_[id], group_begins_[id + 1] - group_begins_[id]);
}

}  // namespace zor
