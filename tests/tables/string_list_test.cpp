#include "tables/string_list.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/encoding.h"
#include "tables/text_utils.h"

namespace zor {
namespace {

class StringListTest : public testing::Test {
 protected:
  void SetUp() override {
    list.append("a");
    list.append(std::nullopt);
    list.append("");
    list.append("c");
  }
  StringList list;
};

TEST_F(StringListTest, OnlyTheFirstAppendMovesTheCursor) {
  StringList fresh;
  EXPECT_TRUE(fresh.is_empty());
  EXPECT_EQ(fresh.position(), 0);
  fresh.append("x");
  EXPECT_EQ(fresh.position(), 1);
  fresh.append("y");
  EXPECT_EQ(fresh.position(), 1);
  EXPECT_FALSE(fresh.is_empty());
}

TEST_F(StringListTest, MissingValuesDifferFromEmptyOnes) {
  EXPECT_EQ(list.get(2), std::nullopt);
  EXPECT_EQ(list.get(3), std::optional<std::string_view>(""));
  EXPECT_EQ(list.position(), 3);
}

TEST_F(StringListTest, PositionsOutOfRangeYieldNullAndKeepTheCursor) {
  list.get(3);
  EXPECT_EQ(list.get(0), std::nullopt);
  EXPECT_EQ(list.get(5), std::nullopt);
  EXPECT_FALSE(list.set(5, "z"));
  EXPECT_EQ(list.position(), 3);
  EXPECT_EQ(list.count(), 4);
}

TEST_F(StringListTest, SetReplacesACopyAndMovesTheCursor) {
  std::string text = "new";
  EXPECT_TRUE(list.set(2, text));
  text = "changed";
  EXPECT_EQ(list.get(2), std::optional<std::string_view>("new"));
  EXPECT_TRUE(list.set(1, std::nullopt));
  EXPECT_EQ(list.get(1), std::nullopt);
  EXPECT_EQ(list.position(), 1);
}

TEST_F(StringListTest, FindTakesTheFirstEqualItemAndMissingCountsAsEmpty) {
  EXPECT_EQ(list.find("c"), 4);
  EXPECT_EQ(list.find(""), 2);
  EXPECT_EQ(list.find("C"), 0);
  EXPECT_EQ(list.position(), 4);  // the last item tried
  StringList empty;
  EXPECT_EQ(empty.find(""), 0);
}

TEST_F(StringListTest, ClearEmptiesTheList) {
  list.clear();
  EXPECT_EQ(list.count(), 0);
  EXPECT_TRUE(list.is_empty());
  EXPECT_EQ(list.get(1), std::nullopt);
}

TEST(StringRowList, AppendHandsBackANewInnerListThatStaysInPlace) {
  StringRowList rows;
  StringList& first = rows.append();
  first.append("a");
  for (int i = 0; i < 1000; ++i) rows.append().append("b");
  EXPECT_EQ(first.get(1), std::optional<std::string_view>("a"));
  EXPECT_EQ(rows.count(), 1001);
  EXPECT_EQ(rows.position(), 1);
  ASSERT_NE(rows.get(1001), nullptr);
  EXPECT_EQ(rows.get(1001)->get(1), std::optional<std::string_view>("b"));
  EXPECT_EQ(rows.get(1002), nullptr);
  EXPECT_EQ(rows.position(), 1001);
}

TEST(TextUtils, UpperCaseTouchesOnlyAsciiLetters) {
  std::string text = to_cp1250("árvíz-tűrő 1x");
  to_upper_ascii(text);
  EXPECT_EQ(text, to_cp1250("áRVíZ-TűRő 1X"));
}

TEST(TextUtils, RemoveSpacesKeepsOtherWhiteSpace) {
  std::string text = " a \tb  c\n";
  remove_spaces(text);
  EXPECT_EQ(text, "a\tbc\n");
}

TEST(TextUtils, CompareNoCaseOrdersUnsignedBytesOfAnyLength) {
  EXPECT_EQ(compare_no_case("like", "LIKE"), 0);
  EXPECT_EQ(compare_no_case("a", "B"), -1);
  EXPECT_EQ(compare_no_case("LIK", "like"), -1);
  EXPECT_EQ(compare_no_case("\xe1", "z"), 1);  // 0xE1 sorts after every ASCII byte
  EXPECT_EQ(compare_no_case(to_cp1250("á"), to_cp1250("Á")), 1);
  std::string long_a(200000, 'a');
  std::string long_b = long_a;
  to_upper_ascii(long_b);
  EXPECT_EQ(compare_no_case(long_a, long_b), 0);
  long_b.back() = 'B';
  EXPECT_EQ(compare_no_case(long_a, long_b), -1);
  EXPECT_EQ(compare_no_case(std::string_view("ab\0x", 4), "AB"), 0);
}

}  // namespace
}  // namespace zor
