#include "annotation/textgrid_reader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "annotation/textgrid_test_files.h"
#include "platform/encoding.h"
#include "support/test_files.h"

namespace zor {
namespace {

using test::BinaryGrid;
using test::describe;

// One grid in each layout: two interval tiers around a point tier, a
// non-ASCII text and a quote within a text.
constexpr std::string_view kLong = R"(File type = "ooTextFile"
Object class = "TextGrid"

xmin = 0 
xmax = 0.9 
tiers? <exists> 
size = 3 
item []: 
    item [1]:
        class = "IntervalTier" 
        name = "phones" 
        xmin = 0 
        xmax = 0.9 
        intervals: size = 3 
        intervals [1]:
            xmin = 0 
            xmax = 0.25 
            text = "" 
        intervals [2]:
            xmin = 0.25 
            xmax = 0.6 
            text = "O:" 
        intervals [3]:
            xmin = 0.6 
            xmax = 0.9 
            text = "a""b" 
    item [2]:
        class = "TextTier" 
        name = "marks" 
        xmin = 0 
        xmax = 0.9 
        points: size = 1 
        points [1]:
            number = 0.5 
            mark = "x" 
    item [3]:
        class = "IntervalTier" 
        name = "words" 
        xmin = 0 
        xmax = 0.9 
        intervals: size = 2 
        intervals [1]:
            xmin = 0 
            xmax = 0.25 
            text = "" 
        intervals [2]:
            xmin = 0.25 
            xmax = 0.9 
            text = "ő" 
)";

constexpr std::string_view kShort = R"(File type = "ooTextFile"
Object class = "TextGrid"

0
0.9
<exists>
3
"IntervalTier"
"phones"
0
0.9
3
0
0.25
""
0.25
0.6
"O:"
0.6
0.9
"a""b"
"TextTier"
"marks"
0
0.9
1
0.5
"x"
"IntervalTier"
"words"
0
0.9
2
0
0.25
""
0.25
0.9
"ő"
)";

TextGrid expected_grid() {
  TextGrid grid;
  grid.xmin = 0;
  grid.xmax = 0.9;
  grid.tiers.push_back({"phones", true, {{0, 0.25, ""}, {0.25, 0.6, "O:"}, {0.6, 0.9, "a\"b"}}});
  grid.tiers.push_back({"marks", false, {}});
  grid.tiers.push_back({"words", true, {{0, 0.25, ""}, {0.25, 0.9, "ő"}}});
  return grid;
}

TextGrid parsed(std::string_view bytes) {
  TextGrid grid;
  std::string reason;
  EXPECT_TRUE(parse_textgrid(bytes, grid, reason)) << from_cp1250(reason);
  return grid;
}

// The reason, as UTF-8, of a parse that must fail.
std::string failure(std::string_view bytes) {
  TextGrid grid;
  grid.xmax = 42;
  std::string reason;
  EXPECT_FALSE(parse_textgrid(bytes, grid, reason));
  EXPECT_FALSE(reason.empty());
  EXPECT_EQ(grid.xmax, 42) << "a failed parse changed the grid";
  return from_cp1250(reason);
}

std::string replaced(std::string_view text, std::string_view from, std::string_view to) {
  std::string result;
  for (size_t start = 0;;) {
    size_t found = text.find(from, start);
    result.append(text.substr(start, found - start));
    if (found == std::string_view::npos) return result;
    result.append(to);
    start = found + from.size();
  }
}

// The short layout of expected_grid() in the binary form.
BinaryGrid binary_grid() {
  BinaryGrid grid;
  grid.real(0).real(0.9).byte(1).integer(3);
  grid.class_name("IntervalTier").text("phones").real(0).real(0.9).integer(3);
  grid.real(0).real(0.25).text("").real(0.25).real(0.6).text("O:").real(0.6).real(0.9).text("a\"b");
  grid.class_name("TextTier").text("marks").real(0).real(0.9).integer(1).real(0.5).text("x");
  grid.class_name("IntervalTier").text("words").real(0).real(0.9).integer(2);
  grid.real(0).real(0.25).text("").real(0.25).real(0.9).text("ő");
  return grid;
}

TEST(TextGridReader, ReadsTheLongAndTheShortTextFormatAlike) {
  EXPECT_EQ(describe(parsed(kLong)), describe(expected_grid()));
  EXPECT_EQ(describe(parsed(kShort)), describe(expected_grid()));
  EXPECT_TRUE(parsed(kShort) == expected_grid());
}

TEST(TextGridReader, ReadsTheBinaryFormat) {
  EXPECT_EQ(describe(parsed(binary_grid().bytes())), describe(expected_grid()));
  // A character beyond U+FFFF is one in Praat's count but two UTF-16 units.
  BinaryGrid grid;
  grid.real(0).real(1).byte(1).integer(1);
  grid.class_name("IntervalTier").text("\xF0\x9F\x98\x80 ő").real(0).real(1).integer(1);
  grid.real(0).real(1).text("€\xF0\x9F\x98\x80");
  TextGrid read = parsed(grid.bytes());
  ASSERT_EQ(read.tiers.size(), 1u);
  EXPECT_EQ(read.tiers[0].name, "\xF0\x9F\x98\x80 ő");
  ASSERT_EQ(read.tiers[0].intervals.size(), 1u);
  EXPECT_EQ(read.tiers[0].intervals[0].text, "€\xF0\x9F\x98\x80");

  // A text reads as it would from the text form: its line breaks as LF, and
  // ended by a zero character.
  BinaryGrid breaks;
  breaks.real(0).real(1).byte(1).integer(1);
  breaks.class_name("IntervalTier").text("p").real(0).real(1).integer(2);
  breaks.real(0).real(0.5).text(std::string("a\r\nb\rc\0d", 9)).real(0.5).real(1).text("ő\r");
  read = parsed(breaks.bytes());
  ASSERT_EQ(read.tiers.size(), 1u);
  ASSERT_EQ(read.tiers[0].intervals.size(), 2u);
  EXPECT_EQ(read.tiers[0].intervals[0].text, "a\nb\nc");
  EXPECT_EQ(read.tiers[0].intervals[1].text, "ő\n");
}

TEST(TextGridReader, TakesOnlyFreeStandingValuesAsData) {
  // Praat's own reading of this file gives the grid below: a word that is
  // not a number, string or <value> is a comment (also "xmax=9", "[3]" and
  // ".5"), as is the rest of a line after "!"; a number counts by its
  // numeric beginning ("0s", "2.3!x"), "0." is a number, "1/2" a fraction,
  // "" is one quote, and a string may span lines.
  constexpr std::string_view kMixed = R"(File type = "ooTextFile"
Object class = "TextGrid"
! a comment with "quotes", <exists> and 5 numbers
xmin = 0s
xmax=9 2.3!x  tiers? <exists> [3] .5 size = 1
item []:
  class = "IntervalTier" name = "ph""on
es" xmin = 0. xmax = 2.3 intervals: size = 2
  0 1/2 "a" ! "not a string" 7
  1/2 2.3 "b ! c"
)";
  TextGrid grid = parsed(kMixed);
  TextGrid expected;
  expected.xmax = 2.3;
  expected.tiers.push_back({"ph\"on\nes", true, {{0, 0.5, "a"}, {0.5, 2.3, "b ! c"}}});
  EXPECT_EQ(describe(grid), describe(expected));
}

TEST(TextGridReader, ReadsEveryLineEndAndAGridWithoutTiers) {
  const TextGrid expected = expected_grid();
  EXPECT_TRUE(parsed(replaced(kLong, "\n", "\r\n")) == expected);
  EXPECT_TRUE(parsed(replaced(kShort, "\n", "\r")) == expected);
  // A comment ends at a lone CR as well.
  EXPECT_TRUE(parsed(replaced(kShort, "\n0.9\n<exists>", "\n0.9 ! 7 \"x\"\r<exists>")) == expected);
  // A text's own line break reads as LF whatever the file's line ends.
  TextGrid multi_line = parsed(replaced(replaced(kShort, "\"O:\"", "\"O\n:\""), "\n", "\r\n"));
  EXPECT_EQ(multi_line.tiers[0].intervals[1].text, "O\n:");

  TextGrid empty = parsed("\"ooTextFile\" \"TextGrid\" 0 2.5 <absent>");
  EXPECT_EQ(empty.xmax, 2.5);
  EXPECT_TRUE(empty.tiers.empty());
  // Praat's old short form named itself so.
  EXPECT_EQ(parsed("File type = \"ooTextFile short\"\n\"TextGrid\" 0 1 <absent>").xmax, 1);
}

TEST(TextGridReader, ReadsEachEncodingPraatReads) {
  const TextGrid expected = expected_grid();
  EXPECT_TRUE(parsed("\xEF\xBB\xBF" + std::string(kLong)) == expected);
  EXPECT_TRUE(parsed(test::utf16_with_bom(kLong, true)) == expected);
  EXPECT_TRUE(parsed(test::utf16_with_bom(kShort, false)) == expected);
  // 8-bit text that is not UTF-8 is Windows-1250, the Hungarian code page.
  const std::string cp1250 = to_cp1250(kLong);
  ASSERT_NE(cp1250.find('\xF5'), std::string::npos);
  EXPECT_TRUE(parsed(cp1250) == expected);
}

TEST(TextGridReaderHostile, FailsWithAReasonOnBrokenText) {
  EXPECT_NE(failure("").find("ooTextFile"), std::string::npos);
  EXPECT_NE(failure("\"ooTextFile\" \"Sound\" 0 1").find("\"Sound\""), std::string::npos);
  EXPECT_NE(failure(replaced(kShort, "\"IntervalTier\"\n\"words\"", "\"Tier\"\n\"words\""))
                .find("\"Tier\""),
            std::string::npos);
  // An unterminated string is named by the line it starts on.
  std::string_view unterminated = kShort.substr(0, kShort.rfind('"'));
  EXPECT_NE(failure(unterminated).find("39. sor"), std::string::npos);
  // A quote left single within a string ends it too early.
  EXPECT_NE(failure(replaced(kShort, "\"a\"\"b\"", "\"a\"b\"")).find("21. sor"), std::string::npos);
  EXPECT_NE(failure(replaced(kShort, "\"O:\"", "\"O:\"x")).find("idézőjel"), std::string::npos);
  // A value of the wrong kind, and values that are missing.
  EXPECT_NE(failure(replaced(kShort, "<exists>", "3")).find("szám"), std::string::npos);
  EXPECT_NE(failure(replaced(kShort, "\n0.9\n<exists>", "\n\"0.9\"\n<exists>")).find("szöveg"),
            std::string::npos);
  failure(kShort.substr(0, kShort.size() / 2));
  failure(replaced(kShort, "<exists>", "<maybe>"));
  failure(replaced(kShort, "<exists>", "<exists"));
  failure(replaced(kShort, "0.6\n0.9\n", "0.6\n-\n"));
  failure(replaced(kShort, "0.6\n0.9\n", "0.6\n1e999\n"));
}

TEST(TextGridReaderHostile, EveryCutOfAFileFailsOrReadsTheWhole) {
  const TextGrid whole = expected_grid();
  const std::string binary = binary_grid().bytes();
  for (std::string_view file : {std::string_view(kShort), std::string_view(binary)}) {
    for (size_t size = 0; size < file.size(); ++size) {
      TextGrid grid;
      std::string reason;
      if (parse_textgrid(file.substr(0, size), grid, reason)) {
        // Only the white space after the last value may go.
        EXPECT_TRUE(grid == whole) << size;
      } else {
        EXPECT_FALSE(reason.empty()) << size;
      }
    }
  }
}

TEST(TextGridReaderHostile, RefusesTimesThatCannotBeSamples) {
  auto interval = [](std::string_view xmin, std::string_view xmax) {
    return "\"ooTextFile\" \"TextGrid\" 0 1 <exists> 1 \"IntervalTier\" \"p\" 0 1 2 0.5 0.75 "
           "\"a\" " +
           std::string(xmin) + " " + std::string(xmax) + " \"b\"";
  };
  EXPECT_NE(failure(interval("-0.5", "1")).find("negatív"), std::string::npos);
  EXPECT_NE(failure(interval("0.5", "-inf")).find("érvénytelen"), std::string::npos);
  failure(interval("-nan", "1"));
  failure(interval("0.5", "1e400"));
  // An interval that ends before it starts, and one that starts before the one
  // in front of it; each named with its time.
  EXPECT_NE(failure(interval("0.75", "0.625")).find("0,625 s"), std::string::npos);
  EXPECT_NE(failure(interval("0.25", "1")).find("0,250 s"), std::string::npos);
  failure("\"ooTextFile\" \"TextGrid\" 1 0.5 <absent>");

  BinaryGrid nan;
  nan.real(0).real(std::numeric_limits<double>::quiet_NaN()).byte(0);
  failure(nan.bytes());
  BinaryGrid infinite;
  infinite.real(0).real(1).byte(1).integer(1).class_name("IntervalTier").text("p");
  infinite.real(0).real(1).integer(1).real(std::numeric_limits<double>::infinity()).real(1);
  failure(infinite.text("a").bytes());
}

TEST(TextGridReaderHostile, RefusesCountsBeyondTheDataWithoutReservingForThem) {
  EXPECT_NE(failure(replaced(kShort, "\n3\n\"IntervalTier\"", "\n2000000000\n\"IntervalTier\""))
                .find("2000000000"),
            std::string::npos);
  EXPECT_NE(
      failure(replaced(kShort, "0.9\n3\n0\n", "0.9\n9223372036854775807\n0\n")).find("darabszám"),
      std::string::npos);
  failure(replaced(kShort, "0.9\n3\n0\n", "0.9\n99999999999999999999\n0\n"));
  failure(replaced(kShort, "0.9\n3\n0\n", "0.9\n-3\n0\n"));
  BinaryGrid tiers;
  tiers.real(0).real(1).byte(1).integer(0x7FFFFFFF);
  failure(tiers.bytes());
  BinaryGrid intervals;
  intervals.real(0).real(1).byte(1).integer(1).class_name("IntervalTier").text("p");
  failure(intervals.real(0).real(1).integer(0x7FFFFFFF).bytes());
  BinaryGrid negative;
  negative.real(0).real(1).byte(1).integer(-1);
  failure(negative.bytes());
  // A text length or character count beyond the data, and a broken surrogate pair.
  // (String literals with the "s" suffix keep their zero bytes.)
  using namespace std::string_literals;
  const std::string head = "ooBinaryFile\x08TextGrid"s + std::string(16, '\0') + "\x01\x00\x00\x00\x01\x0C"s;
  failure(head + "IntervalTier\xFF\xFF\x30\x00"s);
  failure(head + "IntervalTier\x40\x00"s + "ab");
  failure(head + "IntervalTier\xFF\xFF\x00\x01\xD8\x3D\x00\x41"s);
}

TEST(TextGridReaderHostile, ReadsAMillionIntervalsInLinearTime) {
  constexpr int kIntervals = 1000000;
  std::string text =
      "\"ooTextFile\" \"TextGrid\" 0 1000000 <exists> 1 \"IntervalTier\" \"p\" 0 "
      "1000000 1000000\n";
  for (int i = 0; i < kIntervals; ++i) {
    text += std::to_string(i) + " " + std::to_string(i + 1) + " \"a\"\n";
  }
  auto start = std::chrono::steady_clock::now();
  TextGrid grid = parsed(text);
  auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  ASSERT_EQ(grid.tiers.size(), 1u);
  EXPECT_EQ(grid.tiers[0].intervals.size(), size_t{kIntervals});
  EXPECT_EQ(grid.tiers[0].intervals.back().xmax, kIntervals);
  // Quadratic work would take minutes; a slow machine takes well under this.
  EXPECT_LT(seconds, 20.0);
}

}  // namespace
}  // namespace zor
