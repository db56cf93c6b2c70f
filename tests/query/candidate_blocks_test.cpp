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
    MergedCandidates union_of(spans, 0, row_count, block_rows);
    EXPECT_EQ(all_blocks(union_of, merged_block), std::vector<std::uint32_t>(merged.begin(), merged.end()))
        << block_rows;
    ScannedCandidates scanned(ids, member, 0, row_count, block_rows);
    EXPECT_EQ(all_blocks(scanned, block_rows), std::vector<std::uint32_t>(merged.begin(), merged.end()))
        << block_rows;
  }
  // Parts of the rows, one after the other, are the whole, wherever they
  // are cut: on a bitmap word's edge, inside one, at a candidate.
  const std::vector<std::uint32_t> whole(merged.begin(), merged.end());
  auto in_turn = [](CandidateBlocks& before, CandidateBlocks& after, size_t most) {
    std::vector<std::uint32_t> rows = all_blocks(before, most);
    const std::vector<std::uint32_t> rest = all_blocks(after, most);
    rows.insert(rows.end(), rest.begin(), rest.end());
    return rows;
  };
  for (size_t cut : {size_t{0}, size_t{64}, size_t{1000}, size_t{whole[7]}, size_t{whole[7] + 1}, row_count - 1}) {
    ListedCandidates listed_before(rows_between(lists[1], 0, cut)), listed_after(rows_between(lists[1], cut, row_count));
    EXPECT_EQ(in_turn(listed_before, listed_after, kBlockRows), lists[1]) << cut;
    for (size_t block_rows : {size_t{64}, size_t{100}}) {
      MergedCandidates merged_before(spans, 0, cut, block_rows), merged_after(spans, cut, row_count, block_rows);
      EXPECT_EQ(in_turn(merged_before, merged_after, block_rows), whole) << cut << " " << block_rows;
      ScannedCandidates scanned_before(ids, member, 0, cut, block_rows);
      ScannedCandidates scanned_after(ids, member, cut, row_count, block_rows);
      EXPECT_EQ(in_turn(scanned_before, scanned_after, block_rows), whole) << cut << " " << block_rows;
    }
  }
  ListedCandidates none({});
  EXPECT_TRUE(all_blocks(none, kBlockRows).empty());
  MergedCandidates no_rows({}, 0, 0);
  EXPECT_TRUE(all_blocks(no_rows, kBlockRows).empty());
  const std::vector<char> no_member(6, 0);
  ScannedCandidates no_members(ids, no_member, 0, row_count);
  EXPECT_TRUE(all_blocks(no_members, kBlockRows).empty());
}

}  // namespace
}  // namespace zor
