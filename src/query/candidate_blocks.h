#pragma once
// The candidate rows of a sound walk, in increasing order, a block at a
// time: a walk tests a whole block one test after another, so that each
// test reads its column in the rows' order.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zor {

using RowBlock = std::vector<std::uint32_t>;

// Small enough for a block and the columns it reads to stay in the cache.
inline constexpr size_t kBlockRows = size_t{1} << 14;

class CandidateBlocks {
 public:
  virtual ~CandidateBlocks() = default;
  // Fills the block with the next candidates; false when none are left.
  virtual bool next(RowBlock& block) = 0;
};

// The rows of an increasing list from first_row up to end_row.
std::span<const std::uint32_t> rows_between(std::span<const std::uint32_t> rows, size_t first_row, size_t end_row);

// The rows of one list.
class ListedCandidates : public CandidateBlocks {
 public:
  explicit ListedCandidates(std::span<const std::uint32_t> rows, size_t block_rows = kBlockRows)
      : rows_(rows), block_rows_(block_rows) {}
  bool next(RowBlock& block) override;

 private:
  std::span<const std::uint32_t> rows_;
  size_t block_rows_;
  size_t taken_ = 0;
};

// The rows of several lists, each in increasing order, merged through a
// bitmap of the table, a bit per row: far less to read than the rows' facts.
class MergedCandidates : public CandidateBlocks {
 public:
  // The lists' rows from first_row up to end_row; blocks of at least 64 rows.
  MergedCandidates(std::span<const std::span<const std::uint32_t>> lists, size_t first_row, size_t end_row,
                   size_t block_rows = kBlockRows);
  bool next(RowBlock& block) override;

 private:
  std::vector<std::uint64_t> bits_;  // bit k: row first_row_ + k
  size_t first_row_;
  size_t block_rows_;
  size_t word_ = 0;
};

// The rows whose id in a column is a member, found by reading the column
// itself: when the lists of the member ids together hold a good share of the
// rows, one pass over their ids costs less than merging the lists.
class ScannedCandidates : public CandidateBlocks {
 public:
  // The rows from first_row up to end_row, at most the column's size.
  // `member` is indexed by every id of the column and must outlive this.
  ScannedCandidates(std::span<const std::uint32_t> ids, const std::vector<char>& member, size_t first_row,
                    size_t end_row, size_t block_rows = kBlockRows)
      : ids_(ids.first(end_row)), member_(member), block_rows_(block_rows), scanned_(first_row) {}
  bool next(RowBlock& block) override;

 private:
  std::span<const std::uint32_t> ids_;
  const std::vector<char>& member_;
  size_t block_rows_;
  size_t scanned_;
};

}  // namespace zor
