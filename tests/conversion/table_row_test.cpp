#include "conversion/table_row.h"

#include <gtest/gtest.h>

#include "tables/text_table.h"

namespace zor {
namespace {

TEST(TableRow, JoinsFieldsByTabsAndStartsAfreshAfterEachLine) {
  TableRow row;
  EXPECT_EQ(row.add(std::int64_t{12}).add("").add("b:").add(std::int64_t{-3}).finish(),
            "12\t\tb:\t-3\n");
  EXPECT_EQ(row.add("x").finish(), "x\n");
  EXPECT_EQ(row.finish(), "\n");
}

TEST(TableRow, EscapesTabsAndLineFeedsSoThatTheRowLoadsBackWhole) {
  TableRow row;
  const std::string text = "egy\tketto\nharom";
  const std::string path = "C:\\korpusz\\a.wav";
  std::string table = "A\tB\tC\n";
  table += row.add(text).add(path).add("end").finish();
  EXPECT_EQ(table.substr(6), "egy\\\tketto\\nharom\tC:\\korpusz\\a.wav\tend\n");

  TextTable loaded;
  loaded.set_separator('\t');
  loaded.load_from_bytes(table);
  ASSERT_EQ(loaded.row_count(), 1);
  EXPECT_EQ(loaded.cell(1, 1).value_or(""), text);
  EXPECT_EQ(loaded.cell(1, 3).value_or(""), "end");
}

TEST(TableRow, RoundsDurationsAsPrintfDoes) {
  // "%.0f" rounds the exact binary value, ties to even.
  const std::vector<std::pair<double, std::string_view>> cases = {
      {0.0, "0\n"},       {0.49999999999999994, "0\n"}, {0.5, "0\n"},   {1.5, "2\n"},
      {2.5, "2\n"},       {140.0000000001, "140\n"},    {59.99, "60\n"}, {-0.4, "-0\n"},
      {1e20, "100000000000000000000\n"},
  };
  TableRow row;
  for (auto [value, text] : cases) EXPECT_EQ(row.add_duration(value).finish(), text) << value;
}

}  // namespace
}  // namespace zor
