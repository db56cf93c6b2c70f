#include <gtest/gtest.h>

#include "tables/table_text.h"
#include "tables/text_table.h"

namespace zor {
namespace {

using Text = std::optional<std::string_view>;

class TableCursor : public testing::Test {
 protected:
  void SetUp() override {
    table.set_separator('\t');
    table.load_from_bytes("NEV\tSZAM\tNEV\n"
                          "a\t1\tx\n"
                          "b\t2.5e1\n"
                          "c\t  -3abc\ty\n");
  }
  TextTable table;
};

TEST_F(TableCursor, TheUsualWalkVisitsEveryRowOnce) {
  std::string seen;
  for (table.move_first(); !table.eof(); table.move_next()) seen += *table.field("NEV");
  EXPECT_EQ(seen, "abc");
}

TEST_F(TableCursor, MoveNextOnTheLastRowSetsEofAndStays) {
  ASSERT_TRUE(table.move_last());
  EXPECT_FALSE(table.move_next());
  EXPECT_TRUE(table.eof());
  EXPECT_FALSE(table.bof());
  EXPECT_EQ(table.position(), 3);
  EXPECT_EQ(table.field("NEV"), Text("c"));
}

TEST_F(TableCursor, MoveToOutsideTheRowsSetsBothFlagsAndKeepsTheCursor) {
  table.move_to(2);
  EXPECT_FALSE(table.move_to(0));
  EXPECT_TRUE(table.bof());
  EXPECT_TRUE(table.eof());
  EXPECT_EQ(table.position(), 2);
  EXPECT_FALSE(table.move_to(4));
  EXPECT_EQ(table.field_at(1), Text("b"));
  EXPECT_TRUE(table.move_to(3));
  EXPECT_FALSE(table.bof());
  EXPECT_FALSE(table.eof());
}

TEST_F(TableCursor, BookmarkReturnsToASavedRowWithoutTouchingTheFlags) {
  table.move_to(2);
  EXPECT_TRUE(table.save_bookmark());
  table.move_last();
  table.move_next();
  EXPECT_TRUE(table.restore_bookmark());
  EXPECT_EQ(table.position(), 2);
  EXPECT_TRUE(table.eof());
  table.clear();
  EXPECT_FALSE(table.save_bookmark());
  EXPECT_FALSE(table.restore_bookmark());
}

TEST_F(TableCursor, FieldsReadByFirstColumnOfANameOrByNumber) {
  table.move_first();
  EXPECT_EQ(table.column_index("NEV"), 1);
  EXPECT_EQ(table.field_at(3), Text("x"));
  EXPECT_EQ(table.field("nev"), std::nullopt);
  EXPECT_EQ(table.field_at(0), std::nullopt);
  EXPECT_EQ(table.field_at(4), std::nullopt);
  table.move_to(2);
  EXPECT_EQ(table.field_at(3), std::nullopt);  // missing, not empty
}

TEST_F(TableCursor, NumbersReadTheDecimalPrefixOfAField) {
  table.move_first();
  EXPECT_EQ(table.number("SZAM"), 1.0);
  table.move_next();
  EXPECT_EQ(table.number_at(2), 25.0);
  EXPECT_EQ(table.number_at(3), 0.0);  // missing
  table.move_next();
  EXPECT_EQ(table.number("SZAM"), -3.0);
  EXPECT_EQ(table.number("NEV"), 0.0);
}

TEST_F(TableCursor, SetFieldAtChangesOneFieldOfTheCurrentRow) {
  table.move_to(2);
  EXPECT_TRUE(table.set_field_at(3, "new"));
  EXPECT_TRUE(table.set_field_at(1, ""));
  EXPECT_FALSE(table.set_field_at(4, "no"));
  EXPECT_FALSE(table.set_field_at(0, "no"));
  EXPECT_EQ(test::table_text(table), "NEV|SZAM|NEV\na|1|x\n|2.5e1|new\nc|  -3abc|y");
  table.move_to(0);
  table.move_to(9);  // the cursor stays on row 2
  EXPECT_TRUE(table.set_field_at(2, "kept"));
  TextTable empty;
  empty.add_column("A");
  EXPECT_FALSE(empty.set_field_at(1, "x"));
}

TEST_F(TableCursor, LongFieldsSurviveARowRewrite) {
  table.move_first();
  std::string long_text(70000, 'L');
  EXPECT_TRUE(table.set_field_at(2, long_text));
  EXPECT_EQ(table.field_at(2), Text(long_text));
  EXPECT_EQ(table.field_at(3), Text("x"));
  EXPECT_TRUE(table.set_field_at(2, "s"));
  EXPECT_EQ(test::table_text(table), "NEV|SZAM|NEV\na|s|x\nb|2.5e1|~\nc|  -3abc|y");
}

TEST(TableBuild, NewColumnsAndRowsStartWithMissingFields) {
  TextTable table;
  EXPECT_TRUE(table.bof());
  EXPECT_TRUE(table.eof());
  EXPECT_EQ(table.position(), 0);
  table.add_column("A");
  table.add_row();
  table.add_row();
  EXPECT_EQ(table.position(), 0);  // add_row does not move the cursor
  EXPECT_FALSE(table.is_empty());
  table.move_first();
  EXPECT_TRUE(table.set_field_at(1, "a1"));
  table.add_column("B");
  EXPECT_EQ(table.field("B"), std::nullopt);
  EXPECT_TRUE(table.set_field_at(2, "b1"));
  table.move_next();
  EXPECT_TRUE(table.set_field_at(2, "b2"));
  EXPECT_EQ(test::table_text(table), "A|B\na1|b1\n~|b2");
}

TEST(TableBuild, ClearKeepsSeparatorAndDirection) {
  TextTable table;
  table.set_separator('\t');
  table.load_from_bytes("A\n1\n2\n");
  table.begin_search(0);
  table.clear();
  EXPECT_EQ(table.separator(), '\t');
  EXPECT_EQ(table.row_count(), 0);
  EXPECT_EQ(table.column_count(), 0);
  EXPECT_TRUE(table.bof() && table.eof());
  table.load_from_bytes("A\n1\n2\n3\n");
  table.move_last();
  ASSERT_TRUE(table.locate("A", "<", "3"));
  EXPECT_EQ(table.position(), 2);  // still walking backward
}

}  // namespace
}  // namespace zor
