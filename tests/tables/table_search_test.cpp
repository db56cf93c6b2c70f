#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tables/text_table.h"

namespace zor {
namespace {

class TableSearch : public testing::Test {
 protected:
  void SetUp() override {
    table.set_separator('\t');
    table.load_from_bytes("SZO\tSZAM\n"
                          "alma\t2\n"     // 1
                          "korte\t10\n"   // 2
                          "alma\t9\n"     // 3
                          "Alma\t2.0\n"   // 4
                          "\t3\n"         // 5
                          "alma\n");      // 6: SZAM missing
  }

  // The rows a forward walk visits, as every caller writes it.
  std::vector<int> walk(std::string_view column, std::string_view op, std::string_view value) {
    std::vector<int> rows;
    table.move_first();
    table.begin_search(1);
    while (table.locate(column, op, value)) rows.push_back(table.position());
    table.end_search();
    return rows;
  }

  TextTable table;
};

struct CompareCase {
  int row;
  const char* op;
  const char* value;
  bool expected;
};

TEST_F(TableSearch, CompareAppliesTheOperatorToTheCurrentField) {
  const CompareCase cases[] = {
      {1, "=", "alma", true},     {4, "=", "alma", false},   {1, "<", "korte", true},
      {2, "<", "alma", false},    {4, "<", "alma", true},    {2, ">", "alma", true},
      {1, "<=", "alma", true},    {1, ">=", "alma", true},   {1, ">=", "almaa", false},
      {5, "<", "a", true},        {5, "=", "", true},        {1, "LIKE", "a*", true},
      {1, "like", "a*", true},    {1, "Like", "?lma", true}, {4, "LIKE", "a*", false},
      {1, "=<", "alma", false},   {1, "= ", "alma", false},  {1, "<>", "korte", false},
      {1, "", "alma", false},     {1, "LIKE ", "a*", false},
  };
  for (const CompareCase& c : cases) {
    table.move_to(c.row);
    EXPECT_EQ(table.compare("SZO", c.op, c.value), c.expected)
        << "row " << c.row << " " << c.op << " '" << c.value << "'";
  }
}

TEST_F(TableSearch, TextOrderIsByUnsignedBytes) {
  table.move_to(2);
  EXPECT_TRUE(table.compare("SZAM", "<", "9"));  // "10" before "9"
  table.move_to(4);
  EXPECT_TRUE(table.compare("SZO", "<", "a"));  // "Z" before "a"
  EXPECT_TRUE(table.compare("SZO", "<", "\xc1"));
}

TEST_F(TableSearch, MissingFieldsAndUnknownColumnsMeetNoCondition) {
  table.move_to(6);
  EXPECT_FALSE(table.compare("SZAM", "<", "z"));
  EXPECT_FALSE(table.compare_number("SZAM", "=", 0));
  EXPECT_FALSE(table.compare("NINCS", "<", "z"));
  TextTable empty;
  EXPECT_FALSE(empty.compare("SZO", "=", ""));
}

TEST_F(TableSearch, CompareNumberReadsTheField) {
  struct NumberCase {
    int row;
    const char* op;
    double value;
    bool expected;
  };
  const NumberCase cases[] = {
      {4, ">=", 2, true}, {5, ">=", 2, true}, {5, "=", 3, true},  {2, ">", 9, true},
      {1, "<", 2, false}, {1, "<=", 2, true}, {3, "LIKE", 9, false}, {3, "!=", 1, false},
  };
  for (const NumberCase& c : cases) {
    table.move_to(c.row);
    EXPECT_EQ(table.compare_number("SZAM", c.op, c.value), c.expected)
        << "row " << c.row << " " << c.op << " " << c.value;
  }
  TextTable empty_field;
  empty_field.set_separator('\t');
  empty_field.load_from_bytes("N\n\n");
  EXPECT_FALSE(empty_field.compare_number("N", ">=", 2));  // '' reads as 0
  EXPECT_TRUE(empty_field.compare_number("N", "=", 0));
}

TEST_F(TableSearch, RepeatedLocateWalksFromMatchToMatch) {
  EXPECT_EQ(walk("SZO", "=", "alma"), (std::vector<int>{1, 3, 6}));
  // "*a" takes the first "a": only "Alma" ends there.
  EXPECT_EQ(walk("SZO", "LIKE", "*a"), (std::vector<int>{4}));
  EXPECT_EQ(walk("SZO", "LIKE", "?lma"), (std::vector<int>{1, 3, 4, 6}));
  EXPECT_EQ(walk("SZAM", "<", "3"), (std::vector<int>{1, 2, 4}));
  EXPECT_EQ(walk("SZO", "=", "nincs"), std::vector<int>{});
}

TEST_F(TableSearch, ABegunSearchExaminesTheCurrentRowFirst) {
  table.move_first();
  table.begin_search(1);
  ASSERT_TRUE(table.locate("SZO", "=", "alma"));
  EXPECT_EQ(table.position(), 1);
  ASSERT_TRUE(table.locate("SZO", "=", "alma"));
  EXPECT_EQ(table.position(), 3);
}

TEST_F(TableSearch, AFailedLocateReturnsToItsStart) {
  table.move_to(3);
  table.move_next();
  table.move_to(3);
  EXPECT_FALSE(table.locate("SZO", "=", "korte"));
  EXPECT_EQ(table.position(), 3);
  EXPECT_FALSE(table.eof());
  EXPECT_FALSE(table.bof());
}

TEST_F(TableSearch, AMatchKeepsTheFlags) {
  table.move_first();
  table.move_to(0);  // BOF and EOF set, cursor on row 1
  EXPECT_TRUE(table.locate("SZO", "=", "alma"));
  EXPECT_EQ(table.position(), 3);
  EXPECT_TRUE(table.bof());
  EXPECT_TRUE(table.eof());
}

TEST_F(TableSearch, BackwardSearchExaminesRowsDownToTheFirst) {
  table.move_last();
  table.begin_search(0);
  std::vector<int> rows;
  while (table.locate_number("SZAM", "<", 5)) rows.push_back(table.position());
  EXPECT_EQ(rows, (std::vector<int>{5, 4, 1}));
  EXPECT_EQ(table.position(), 1);
}

TEST_F(TableSearch, OtherDirectionsExamineNoRow) {
  table.move_to(2);
  table.begin_search(2);
  EXPECT_FALSE(table.locate("SZO", "=", "alma"));
  EXPECT_EQ(table.position(), 2);
}

TEST_F(TableSearch, LocateOnAnEmptyTableChangesNothing) {
  TextTable empty;
  empty.add_column("SZO");
  EXPECT_FALSE(empty.begin_search(1));
  EXPECT_FALSE(empty.locate("SZO", "=", ""));
  EXPECT_FALSE(empty.end_search());
  // The begun flag survives a locate on a table without rows.
  TextTable table2;
  table2.set_separator('\t');
  table2.load_from_bytes("A\n1\n2\n");
  table2.move_first();
  table2.begin_search(1);
  table2.clear();
  table2.add_column("A");
  EXPECT_FALSE(table2.locate("A", "=", "1"));
  EXPECT_EQ(table2.position(), 0);
}

TEST_F(TableSearch, SearchWithoutARowStartsAtTheFirstAndFallsBackOffTheRows) {
  TextTable built;
  built.add_column("A");
  built.add_row();
  built.add_row();
  built.move_to(2);
  built.set_field_at(1, "x");
  built.clear();
  built.add_column("A");
  built.add_row();
  built.add_row();
  ASSERT_EQ(built.position(), 0);
  built.begin_search(1);
  EXPECT_FALSE(built.locate("A", "=", "x"));
  EXPECT_EQ(built.position(), 0);  // back where it started, not past the rows
  EXPECT_TRUE(built.bof() && built.eof());
  EXPECT_TRUE(built.end_search());
  EXPECT_EQ(built.position(), 2);
  EXPECT_FALSE(built.eof());
}

TEST_F(TableSearch, EndSearchClearsTheBegunFlag) {
  table.move_first();
  table.begin_search(1);
  EXPECT_TRUE(table.end_search());
  EXPECT_TRUE(table.locate("SZO", "=", "alma"));
  EXPECT_EQ(table.position(), 3);  // row 1 was not examined again
}

// Generated rows with many repeats, some missing and some empty fields.
std::string generated_table(int rows, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes = "K\tV\n";
  for (int r = 0; r < rows; ++r) {
    int kind = static_cast<int>(random() % 20);
    if (kind == 0) {
      bytes += "\n";  // K empty, V missing
    } else if (kind == 1) {
      bytes += "\t";
      bytes += std::to_string(r);
      bytes += "\n";
    } else {
      bytes += "k" + std::to_string(random() % 150) + (random() % 2 ? "\xe1" : "");
      if (kind != 2) bytes += "\t" + std::to_string(random() % 7);
      bytes += "\n";
    }
  }
  return bytes;
}

void expect_index_follows_locate_walk(TextTable& table, int column,
                                      const std::vector<std::string>& values) {
  ExactIndex index(table, column);
  for (const std::string& value : values) {
    std::vector<int> walked;
    table.move_first();
    table.begin_search(1);
    while (table.locate(table.column_name(column), "=", value)) walked.push_back(table.position());
    table.end_search();
    std::span<const int> indexed = index.rows(value);
    EXPECT_EQ(std::vector<int>(indexed.begin(), indexed.end()), walked)
        << "column " << column << " value '" << value << "'";
  }
}

TEST(ExactIndexTest, FindsTheRowsOfTheLocateWalk) {
  TextTable table;
  table.set_separator('\t');
  table.load_from_bytes(generated_table(5000, 7));
  std::vector<std::string> values = {"", "k0", "k1\xe1", "k149", "nincs", "3", "k"};
  for (int v = 0; v < 150; v += 7) values.push_back("k" + std::to_string(v));
  for (int column = 1; column <= 2; ++column) expect_index_follows_locate_walk(table, column, values);
}

// A column numbering the rows, and columns that only nearly do: a leading
// zero, a sign, a repeat, a gap, a missing or blank-padded field.
TEST(ExactIndexTest, RowNumberColumnsFindWhatTheWalkFinds) {
  const std::vector<std::string> near_misses = {"", "07", "+7", "6", "8", "7 "};
  for (size_t spoil = 0; spoil <= near_misses.size(); ++spoil) {
    std::string bytes = "N\tX\n";
    for (int row = 1; row <= 300; ++row) {
      bool spoiled = row == 7 && spoil < near_misses.size();
      if (spoiled && spoil == 0) {
        bytes += "\n";  // N empty
        continue;
      }
      bytes += (spoiled ? near_misses[spoil] : std::to_string(row)) + "\tx\n";
    }
    TextTable table;
    table.set_separator('\t');
    table.load_from_bytes(bytes);
    expect_index_follows_locate_walk(
        table, 1,
        {"1", "7", "07", "+7", "7 ", "6", "8", "300", "301", "0", "-1", "", "2147483648",
         "99999999999", std::string("5\0x", 3), "1e1"});
  }
}

TEST(ExactIndexTest, NoRowsAndNoColumnGiveNoRows) {
  TextTable table;
  table.set_separator('\t');
  table.load_from_bytes("A\n");
  EXPECT_TRUE(ExactIndex(table, 1).rows("").empty());
  table.load_from_bytes("A\nx\n");
  EXPECT_TRUE(ExactIndex(table, 2).rows("x").empty());
  EXPECT_EQ(ExactIndex(table, 1).rows("x").size(), 1u);
}

}  // namespace
}  // namespace zor
