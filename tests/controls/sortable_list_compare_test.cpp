#include "controls/sortable_list_compare.h"

#include <gtest/gtest.h>

namespace zor {
namespace {

int sign(int v) { return (v > 0) - (v < 0); }

struct CompareCase {
  const char* a;
  const char* b;
  ColumnKind kind;
  int expected;  // sign of the comparison
};

class CompareCells : public testing::TestWithParam<CompareCase> {};

TEST_P(CompareCells, OrdersByKind) {
  const CompareCase& c = GetParam();
  EXPECT_EQ(sign(compare_cells(c.a, c.b, c.kind)), c.expected) << c.a << " vs " << c.b;
  EXPECT_EQ(sign(compare_cells(c.b, c.a, c.kind)), -c.expected) << c.b << " vs " << c.a;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CompareCells,
    testing::Values(
        // Text: bytes as unsigned values, upper case before lower case.
        CompareCase{"B.wav", "a.wav", kKindText, -1}, CompareCase{"ab", "abc", kKindText, -1},
        CompareCase{"1.234", "999", kKindText, -1}, CompareCase{"\xE1", "z", kKindText, 1},
        CompareCase{"same", "same", kKindText, 0},
        // Text ignoring case folds only ASCII letters.
        CompareCase{"B.wav", "a.wav", kKindTextNoCase, 1},
        CompareCase{"ABC", "abc", kKindTextNoCase, 0},
        CompareCase{"\xC1", "\xE1", kKindTextNoCase, -1},
        // Integer: the leading number, 0 when there is none.
        CompareCase{"9", "10", kKindInteger, -1}, CompareCase{" -5x", "3", kKindInteger, -1},
        CompareCase{"abc", "0", kKindInteger, 0},
        CompareCase{"99999999999999999999999", "1", kKindInteger, 1},
        // Real numbers, read without the process locale.
        CompareCase{"2.5", "10", kKindReal, -1}, CompareCase{"1e3", "999.9", kKindReal, 1},
        CompareCase{"+0.5", "-0.5", kKindReal, 1}, CompareCase{"inf", "0", kKindReal, 0},
        // None: always equal.
        CompareCase{"a", "b", kKindNone, 0},
        // Dates as the recording list writes them.
        CompareCase{"12/6/26 01:05 PM", "12/6/26 12:05 AM", kKindDate, 1},
        CompareCase{"1/31/26 11:59 PM", "2/1/26 12:00 AM", kKindDate, -1},
        CompareCase{"12/31/99 11:00 AM", "1/1/00 11:00 AM", kKindDate, -1},
        CompareCase{"3/4/25 09:00 AM", "3/4/25 09:00 AM", kKindDateVariant, 0},
        CompareCase{"12/6/26 01:05 PM", "not a date", kKindDate, 0},
        CompareCase{"", "1/1/26 01:00 AM", kKindDate, 0}),
    [](const testing::TestParamInfo<CompareCase>& info) {
      return "Kind" + std::to_string(info.param.kind) + "Case" + std::to_string(info.index);
    });

TEST(ParseListDate, RejectsOtherForms) {
  long long minutes;
  for (const char* text : {"13/1/26 01:00 AM", "1/32/26 01:00 AM", "1/1/26 13:00 PM",
                           "1/1/26 00:10 AM", "1/1/26 01:60 AM", "1/1/26 01:5 AM", "1/1/26 01:05",
                           "1/1/26 01:05 XM", "1/1/2 01:05 AM", "1-1-26 01:05 AM", "1/1/26"})
    EXPECT_FALSE(parse_list_date(text, minutes)) << text;
  EXPECT_TRUE(parse_list_date("1/1/2026 01:05 PM", minutes));
}

TEST(SortedRowOrder, IsStableInBothDirections) {
  std::vector<std::string> cells = {"b", "a", "b", "c", "a"};
  EXPECT_EQ(sorted_row_order(cells, kKindText, true), (std::vector<size_t>{1, 4, 0, 2, 3}));
  EXPECT_EQ(sorted_row_order(cells, kKindText, false), (std::vector<size_t>{3, 0, 2, 1, 4}));
  EXPECT_EQ(sorted_row_order(cells, kKindNone, true), (std::vector<size_t>{0, 1, 2, 3, 4}));
  EXPECT_TRUE(sorted_row_order({}, kKindText, true).empty());
}

TEST(SortedRowOrder, UnreadableDatesGiveAPermutation) {
  // "Equal to everything" is no ordering; the result must still hold every
  // row exactly once.
  std::vector<std::string> cells;
  for (int i = 0; i < 37; ++i)
    cells.push_back(i % 3 == 0 ? "?" : std::to_string(i % 12 + 1) + "/1/26 01:00 AM");
  std::vector<size_t> order = sorted_row_order(cells, kKindDate, true);
  std::vector<bool> seen(cells.size());
  for (size_t index : order) {
    ASSERT_LT(index, cells.size());
    EXPECT_FALSE(seen[index]);
    seen[index] = true;
  }
  EXPECT_EQ(order.size(), cells.size());
}

}  // namespace
}  // namespace zor
