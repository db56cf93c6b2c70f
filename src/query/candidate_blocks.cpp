#include "query/candidate_blocks.h"

#include <algorithm>
#include <bit>

namespace zor {

std::span<const std::uint32_t> rows_between(std::span<const std::uint32_t> rows, size_t first_row, size_t end_row) {
  const auto first = std::lower_bound(rows.begin(), rows.end(), first_row);
  const auto end = std::lower_bound(first, rows.end(), end_row);
  return {first, end};
}

bool ListedCandidates::next(RowBlock& block) {
  const size_t count = std::min(block_rows_, rows_.size() - taken_);
  const auto first = rows_.begin() + static_cast<std::ptrdiff_t>(taken_);
  block.assign(first, first + static_cast<std::ptrdiff_t>(count));
  taken_ += count;
  return count > 0;
}

MergedCandidates::MergedCandidates(std::span<const std::span<const std::uint32_t>> lists, size_t first_row,
                                   size_t end_row, size_t block_rows)
    : bits_((end_row - first_row + 63) / 64, 0), first_row_(first_row), block_rows_(std::max<size_t>(block_rows, 64)) {
  for (std::span<const std::uint32_t> rows : lists)
    for (std::uint32_t row : rows_between(rows, first_row, end_row)) {
      const size_t bit = row - first_row;
      bits_[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
}

bool MergedCandidates::next(RowBlock& block) {
  block.clear();
  // A word's rows go whole into one block.
  for (; word_ < bits_.size() && block.size() + 64 <= block_rows_; ++word_)
    for (std::uint64_t set = bits_[word_]; set != 0; set &= set - 1)
      block.push_back(static_cast<std::uint32_t>(first_row_ + word_ * 64 + static_cast<size_t>(std::countr_zero(set))));
  return !block.empty();
}

bool ScannedCandidates::next(RowBlock& block) {
  block.resize(block_rows_);
  size_t kept = 0;
  while (kept == 0 && scanned_ < ids_.size()) {
    const size_t end = std::min(ids_.size(), scanned_ + block_rows_);
    for (size_t row = scanned_; row < end; ++row) {
      block[kept] = static_cast<std::uint32_t>(row);
      kept += member_[ids_[row]] != 0 ? 1 : 0;
    }
    scanned_ = end;
  }
  block.resize(kept);
  return kept > 0;
}

}  // namespace zor
