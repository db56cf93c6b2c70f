#include "tables/text_table.h"
#include "tables/text_utils.h"

namespace zor {

ExactIndex::ExactIndex(const TextTable& table, int column) {
  const int rows = table.row_count();
  // Group the rows by value in two passes: count each value's rows, then
  // place them group after group, in increasing row order within a group.
  std::vector<uint32_t> group_of_row(static_cast<size_t>(rows), UINT32_MAX);
  std::vector<uint32_t> sizes;
  for (int row = 1; row <= rows; ++row) {
    FieldText field = table.cell(row, column);
    if (!field) continue;  // a missing field equals no value
    auto [it, added] = groups_.try_emplace(*field, Group{static_cast<uint32_t>(sizes.size()), 0});
    if (added) sizes.push_back(0);
    ++sizes[it->second.begin];
    group_of_row[static_cast<size_t>(row - 1)] = it->second.begin;
  }
  std::vector<uint32_t> next(sizes.size());
  uint32_t offset = 0;
  for (size_t g = 0; g < sizes.size(); ++g) {
    next[g] = offset;
    offset += sizes[g];
  }
  for (auto& [value, group] : groups_) {
    uint32_t id = group.begin;
    group.begin = next[id];
    group.end = next[id] + sizes[id];
  }
  rows_.resize(offset);
  for (int row = 1; row <= rows; ++row) {
    uint32_t g = group_of_row[static_cast<size_t>(row - 1)];
    if (g != UINT32_MAX) rows_[next[g]++] = row;
  }
}

std::span<const int> ExactIndex::rows(std::string_view value) const {
  auto it = groups_.find(up_to_zero(value));
  if (it == groups_.end()) return {};
  return std::span<const int>(rows_).subspan(it->second.begin, it->second.end - it->second.begin);
}

}  // namespace zor
