#include "wizard/page1_texts.h"

#include <gtest/gtest.h>

#include "controls/sortable_list_compare.h"
#include "platform/paths.h"

namespace zor {
namespace {

TEST(Page1Texts, SizeGroupsDigitsByThrees) {
  const std::pair<std::uint64_t, const char*> cases[] = {
      {0, "0"},         {999, "999"},           {1000, "1.000"},
      {123456, "123.456"}, {1234567, "1.234.567"}, {18446744073709551615u, "18.446.744.073.709.551.615"}};
  for (const auto& [bytes, text] : cases) EXPECT_EQ(size_text(bytes, '.'), text);
  EXPECT_EQ(size_text(1234, ','), "1,234");
}

TEST(Page1Texts, DateUsesAmUpToNoonAndTwelveHourClock) {
  EXPECT_EQ(date_text(2026, 12, 6, 12, 5), "12/6/26 12:05 AM");
  EXPECT_EQ(date_text(2026, 12, 6, 13, 5), "12/6/26 01:05 PM");
  EXPECT_EQ(date_text(2026, 1, 2, 0, 30), "1/2/26 12:30 AM");
  EXPECT_EQ(date_text(2007, 3, 14, 23, 59), "3/14/07 11:59 PM");
  EXPECT_EQ(date_text(2000, 3, 4, 9, 0), "3/4/00 09:00 AM");
}

TEST(Page1Texts, DatesSortByTheirTime) {
  // The list's date kind reads what the page writes.
  EXPECT_LT(compare_cells(date_text(2025, 12, 31, 23, 0), date_text(2026, 1, 1, 1, 0), kKindDate), 0);
  EXPECT_LT(compare_cells(date_text(2026, 5, 1, 9, 59), date_text(2026, 5, 1, 10, 0), kKindDate), 0);
  EXPECT_GT(compare_cells(date_text(2026, 5, 1, 14, 0), date_text(2026, 5, 1, 11, 0), kKindDate), 0);
  long long minutes;
  EXPECT_TRUE(parse_list_date(date_text(2026, 12, 6, 12, 5), minutes));
}

TEST(Page1Texts, InfoLineHasTheFixedBlanks) {
  EXPECT_EQ(info_line("a.wav", {2.0, 44100, 22050, 16, 1}),
            "a.wav :  2.000 sec    44100 minta    22050 Hz    16 bit    1 csatorna  ");
  EXPECT_EQ(info_line("b.wav", {0.0004, 9, 22050, 8, 2}),
            "b.wav :  0.000 sec    9 minta    22050 Hz    8 bit    2 csatorna  ");
}

TEST(Page1Texts, SelectionFitsTheNameBuffer) {
  std::string dir = std::string("d") + kPathSeparator;  // listed as "d" plus its end mark
  EXPECT_TRUE(selection_fits({}));
  EXPECT_TRUE(selection_fits({dir + std::string(1021, 'n')}));   // 1023 + 1
  EXPECT_FALSE(selection_fits({dir + std::string(1022, 'n')}));  // 1024 + 1
  // Several: "d" + 1, each name + 1, and 1 more.
  std::vector<std::string> paths(2, dir + std::string(509, 'n'));
  EXPECT_TRUE(selection_fits(paths));  // 2 + 2 * 510 + 1 = 1023
  paths.push_back(dir + "x");
  EXPECT_FALSE(selection_fits(paths));  // + 2 = 1025
}

}  // namespace
}  // namespace zor
