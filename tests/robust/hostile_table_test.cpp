// Hostile table files. Each loads at once without a crash; the fields that
// come out are noted beside each case. There is no field length limit: a
// field of any size loads whole.
#include <gtest/gtest.h>

#include "tables/text_table.h"

namespace zor {
namespace {

class HostileTable : public testing::Test {
 protected:
  void load(std::string_view bytes) {
    table_.set_separator('\t');
    table_.load_from_bytes(bytes);
  }
  TextTable table_;
};

TEST_F(HostileTable, AFieldOfOneMegabyteLoadsWhole) {
  std::string big(1 << 20, 'x');
  load("A\t" + big + "\n" + big + "\tb\n");
  ASSERT_EQ(table_.column_count(), 2);
  EXPECT_EQ(table_.column_name(2), big);
  ASSERT_EQ(table_.row_count(), 1);
  EXPECT_EQ(table_.cell(1, 1), FieldText(big));
  EXPECT_EQ(table_.cell(1, 2), FieldText("b"));
}

TEST_F(HostileTable, OnlySeparatorsGiveEmptyColumnsAndEmptyFields) {
  // A header of n TABs and an LF names n + 1 empty columns; a data line of
  // TABs gives empty fields; a last line without LF keeps its last field
  // missing.
  std::string tabs(1000, '\t');
  load(tabs + "\n" + tabs + "\n" + tabs);
  ASSERT_EQ(table_.column_count(), 1001);
  EXPECT_EQ(table_.column_index(""), 1);
  ASSERT_EQ(table_.row_count(), 2);
  EXPECT_EQ(table_.cell(1, 1001), FieldText(""));
  EXPECT_EQ(table_.cell(2, 1000), FieldText(""));
  EXPECT_EQ(table_.cell(2, 1001), std::nullopt);
}

TEST_F(HostileTable, OnlyBackslashesHalveInDataAndStayInTheHeader) {
  // In the header two backslashes give one; in a data line each pair gives
  // one, and a last lone backslash at the end of the file stays.
  std::string slashes(10001, '\\');
  load(slashes + "\n" + slashes);
  ASSERT_EQ(table_.column_count(), 1);
  EXPECT_EQ(table_.column_name(1), std::string(5000, '\\') + "\\");
  // The data line has no LF: its only field is never ended by a separator,
  // so it stays missing.
  ASSERT_EQ(table_.row_count(), 1);
  EXPECT_EQ(table_.cell(1, 1), std::nullopt);

  load("A\n" + slashes + "\n");
  ASSERT_EQ(table_.row_count(), 1);
  // 5000 pairs give 5000 backslashes; the last one protects the LF, which
  // goes into the field, and the file ends inside the line.
  EXPECT_EQ(table_.cell(1, 1), std::nullopt);
}

TEST_F(HostileTable, ZeroBytesCutFieldsAndNames) {
  load(std::string("A\0x\tB\na\0y\tb\n", 12));
  ASSERT_EQ(table_.column_count(), 2);
  EXPECT_EQ(table_.column_name(1), "A");
  EXPECT_EQ(table_.cell(1, 1), FieldText("a"));
  EXPECT_EQ(table_.cell(1, 2), FieldText("b"));
}

}  // namespace
}  // namespace zor
