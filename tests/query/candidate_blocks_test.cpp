#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "query/candidate_blocks.h"

namespace zor {
namespace {

std::vector<std::uint32_t> all_blocks(CandidateBlocks& candidates, size_t most) {
  std::vector<std::uint32_t> rows;
  RowBlock block;
  while (candidates.next(block)) {
    EXPECT_FALSE(block.empty());
    EXPECT_LE(block.size(), most);
    rows.insert(rows.end(), block.begin(), block.end());
  }
  return rows;
}

// Whatever the block size, the blocks together are the candidates, each
// once, in increasing order: a row lost or repeated at a block's edge is a
// hit lost or written twice.
TEST(CandidateBlocks, TogetherAreEveryCandidateOnceInOrder) {
  std::mt19937 random(7);
  const size_t row_count = 5000;
  std::vector<std::vector<std::uint32_t>> lists(4);
  std::set<std::uint32_t> merged;
  for (std::vector<std::uint32_t>& list : lists) {
    std::set<std::uint32_t> rows;
    while (rows.size() < 700) rows.insert(static_cast<std::uint32_t>(random() % row_count));
    list.assign(rows.begin(), rows.end());
    merged.insert(rows.begin(), rows.end());
  }
  merged.insert(row_count - 1);  // the table's last row, in the last word of the bitmap
  lists[0].push_back(row_count - 1);
  const std::vector<std::span<const std::uint32_t>> spans(lists.begin(), lists.end());
  // The same rows as a column of ids, the members' ids odd. With small
  // blocks, many hold no member at all.
  std::vector<std::uint32_t> ids(row_count);
  for (std::uint32_t row = 0; row < row_count; ++row)
    ids[row] = 2 * static_cast<std::uint32_t>(random() % 3) + (merged.contains(row) ? 1 : 0);
  const std::vector<char> member = {0, 1, 0, 1, 0, 1};
  for (size_t block_rows : {1, 3, 64, 65, 100, 4096}) {
    ListedCandidates listed(lists[1], block_rows);
    EXPECT_EQ(all_blocks(listed, block_rows), lists[1]) << block_rows;
    const size_t merged_block = std::max<size_t>(block_rows, 64);
    MergedCandidates union_of(spans, row_count, block_rows);
    EXPECT_EQ(all_blocks(union_of, merged_block), std::vector<std::uint32_t>(merged.begin(), merged.end()))
        << block_rows;
    ScannedCandidates scanned(ids, member, block_rows);
    EXPECT_EQ(all_blocks(scanned, block_rows), std::vector<std::uint32_t>(merged.begin(), merged.end()))
        << block_rows;
  }
  ListedCandidates none({});
  EXPECT_TRUE(all_blocks(none, kBlockRows).empty());
  MergedCandidates no_rows({}, 0);
  EXPECT_TRUE(all_blocks(no_rows, kBlockRows).empty());
  const std::vector<char> no_member(6, 0);
  ScannedCandidates no_members(ids, no_member);
  EXPECT_TRUE(all_blocks(no_members, kBlockRows).empty());
}

}  // namespace
}  // namespace zor
