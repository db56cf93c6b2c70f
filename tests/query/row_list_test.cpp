#include "query/row_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zor {
namespace {

RowList<std::string> letters(std::string_view text) {
  RowList<std::string> list;
  for (char c : text) list.append(std::string(1, c));
  return list;
}

std::string joined(const RowList<std::string>& list) {
  std::string text;
  for (const std::string& row : list.rows()) text += row;
  return text;
}

TEST(RowList, OnlyTheFirstAppendedRowAsksToBeSelected) {
  RowList<std::string> list;
  EXPECT_TRUE(list.append("a"));
  EXPECT_FALSE(list.append("a"));
  EXPECT_EQ(list.count(), 2u);
  list.clear();
  EXPECT_TRUE(list.append("b"));
}

TEST(RowList, RemovesASetOfRowsIgnoringRepeatsAndStrayIndexes) {
  RowList<std::string> list = letters("abcde");
  const std::vector<size_t> doomed = {3, 0, 3, 99};
  EXPECT_EQ(list.remove(doomed), 2u);
  EXPECT_EQ(joined(list), "bce");
  EXPECT_EQ(list.remove({}), 0u);
  EXPECT_EQ(list.count(), 3u);
}

TEST(RowList, ReplacesOnlyExistingRows) {
  RowList<std::string> list = letters("ab");
  EXPECT_TRUE(list.replace(1, "x"));
  EXPECT_FALSE(list.replace(2, "y"));
  EXPECT_EQ(joined(list), "ax");
}

TEST(RowList, TakesTheOrderOfASortedViewOnlyWhenItIsAPermutation) {
  RowList<std::string> list = letters("abc");
  const std::vector<size_t> sorted = {2, 0, 1};
  EXPECT_TRUE(list.reorder(sorted));
  EXPECT_EQ(joined(list), "cab");
  const std::vector<std::vector<size_t>> refused = {{0, 1}, {0, 0, 1}, {0, 1, 3}};
  for (const auto& order : refused) EXPECT_FALSE(list.reorder(order));
  EXPECT_EQ(joined(list), "cab");
}

}  // namespace
}  // namespace zor
