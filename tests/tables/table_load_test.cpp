#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#if __has_include(<sys/stat.h>)
#include <sys/stat.h>
#endif
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "platform/byte_stream.h"
#include "support/test_files.h"
#include "tables/table_text.h"
#include "tables/table_rows.h"
#include "tables/text_table.h"

namespace zor {
namespace {

using test::table_text;

struct LoadCase {
  const char* name;
  std::string bytes;
  std::string expected;  // as table_text draws it
};

class LoadFromBytes : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadFromBytes, ReadsTheTableFileSyntax) {
  TextTable table;
  table.set_separator('\t');
  table.load_from_bytes(GetParam().bytes);
  EXPECT_EQ(table_text(table), GetParam().expected);
}

using namespace std::string_literals;

const std::vector<LoadCase>& load_cases() {
  static const std::vector<LoadCase> cases{
        LoadCase{"Empty", "", ""},
        LoadCase{"EmptyHeaderLine", "\n\n", "\n"},
        LoadCase{"HeaderOnly", "A\tB\n", "A|B"},
        LoadCase{"HeaderWithoutLfLosesItsLastName", "A\tB", "A"},
        LoadCase{"HeaderWithoutLfOrSeparator", "A", ""},
        LoadCase{"CrLfLines", "A\tB\r\n1\t2\r\n3\t4\r\n", "A|B\n1|2\n3|4"},
        LoadCase{"LoneCrIsData", "A\r\tB\n1\r\t\r\r\n", "A\r|B\n1\r|\r"},
        LoadCase{"FinalLfMakesNoRow", "A\n1\n", "A\n1"},
        LoadCase{"LastLineWithoutLfLosesItsOpenField", "A\tB\na\tb", "A|B\na|~"},
        LoadCase{"LastLineWithoutSeparatorStaysAsARow", "A\tB\nab", "A|B\n~|~"},
        LoadCase{"LongLineDropsExtraFields", "A\tB\n1\t2\t3\t4\n5\t6\n", "A|B\n1|2\n5|6"},
        LoadCase{"ShortLineLeavesFieldsMissing", "A\tB\tC\n1\n\t\n", "A|B|C\n1|~|~\n||~"},
        LoadCase{"EmptyLines", "A\tB\n\n\n", "A|B\n|~\n|~"},
        LoadCase{"EscapedSeparatorStaysInTheField", "A\tB\na\\\tb\tc\n", "A|B\na\tb|c"},
        LoadCase{"EscapesOfData", "A\na\\tb\\nc\\Nd\\\\e\\\\\\nf\n", "A\natb\nc\nd\\e\\\nf"},
        LoadCase{"EscapedLfContinuesTheLine", "A\tB\na\\\nb\tc\n", "A|B\na\nb|c"},
        LoadCase{"EscapedCrLfContinuesTheLine", "A\tB\r\na\\\r\nb\tc\r\n", "A|B\na\nb|c"},
        LoadCase{"BackslashAsLastByte", "A\tB\nx\t\\", "A|B\nx|~"},
        LoadCase{"NamesAreUnescaped", "a\\nb\tc\\\\d\te\\tf\\\tg\\\n", "a\nb|c\\d|e\\tf\\|g\\"},
        LoadCase{"DuplicateNames", "A\tA\n1\t2\n", "A|A\n1|2"},
        LoadCase{"ZeroByteCutsFieldsAndNames", "A\0x\tB\na\0b\\\tc\td\n"s, "A|B\na|d"},
        LoadCase{"EscapedZeroByteCutsTheField", "A\tB\na\\\0b\tc\n"s, "A|B\na|c"},
        LoadCase{"HighBytesAreData", "\xc1\n\xe1\xe9\n", "\xc1\n\xe1\xe9"},
        LoadCase{"EmptyFirstLineGivesOneNamelessColumn", "\nx\ty\n", "\nx"}};
  return cases;
}

std::string case_name(const testing::TestParamInfo<LoadCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Cases, LoadFromBytes, testing::ValuesIn(load_cases()), case_name);

// A streamed table must read every row as the loaded one does, wherever the
// slices happen to cut the file: inside a CR LF, after a backslash, inside
// the header.
class StreamedRows : public testing::TestWithParam<LoadCase> {};

std::string rows_text(TableRows& rows) {
  std::string text;
  const size_t columns = rows.column_names().size();
  for (size_t c = 0; c < columns; ++c) text += (c > 0 ? "|" : "") + rows.column_names()[c];
  while (rows.next()) {
    text += '\n';
    for (size_t c = 1; c <= columns; ++c) {
      if (c > 1) text += '|';
      FieldText field = rows.cell(static_cast<int>(c));
      text += field ? std::string(*field) : "~";
    }
  }
  return text;
}

TEST_P(StreamedRows, ReadLikeTheLoadedTableInSlicesOfAnySize) {
  test::ScratchDir dir;
  const std::string path = dir.file("table.txt");
  test::write_bytes(path, GetParam().bytes);
  for (size_t slice : {1, 2, 3, 5, 64, 1 << 16}) {
    TableFileRows rows('\t', slice);
    ASSERT_TRUE(rows.open(path));
    EXPECT_EQ(rows_text(rows), GetParam().expected) << "slices of " << slice;
    EXPECT_FALSE(rows.failed());
  }
}

// The bytes of a table another thread writes meanwhile, in pieces of any
// size, read as the file of the same bytes.
TEST_P(StreamedRows, ReadLikeTheLoadedTableFromAStreamWrittenMeanwhile) {
  const std::string& bytes = GetParam().bytes;
  for (size_t piece : {1, 3, 64, 1 << 16}) {
    ByteStream stream(4);
    std::thread writer([&] {
      std::string passed;
      for (size_t at = 0; at < bytes.size(); at += piece) {
        // Both ways of writing, by turns.
        if (at / piece % 2 == 0) {
          stream.write(bytes.substr(at, piece));
        } else {
          passed.assign(bytes.substr(at, piece));
          stream.pass(passed);
        }
      }
      stream.close();
    });
    TableFileRows rows('\t', piece == 1 ? 2 : 64);
    rows.open(stream);
    EXPECT_EQ(rows_text(rows), GetParam().expected) << "pieces of " << piece;
    EXPECT_FALSE(rows.failed());
    writer.join();
    EXPECT_TRUE(stream.whole());
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, StreamedRows, testing::ValuesIn(load_cases()), case_name);

// One writer of two tables at once, each read on a thread of its own, as a
// conversion writes the word and sound tables: neither reader may wait for
// bytes the writer cannot write before the other reader takes its own.
TEST(StreamedRowsOf, TwoStreamsOfOneWriterAreReadToTheirEnds) {
  ByteStream words(1 << 10), sounds(1 << 10);
  std::string word_rows = "W\n", sound_rows = "S\tT\n";
  std::thread writer([&] {
    words.write("W\n");
    sounds.write("S\tT\n");
    for (int row = 0; row < 20000; ++row) {
      const std::string sound = std::to_string(row) + "\tx\n";
      sounds.write(sound);
      sound_rows += sound;
      if (row % 50 == 49) {
        const std::string word = std::to_string(row / 50) + "\n";
        words.write(word);
        word_rows += word;
      }
    }
    words.close();
    sounds.close();
  });
  std::string words_read, sounds_read;
  std::thread word_reader([&] {
    TableFileRows rows('\t', 256);
    rows.open(words);
    words_read = rows_text(rows);
  });
  TableFileRows rows('\t', 256);
  rows.open(sounds);
  sounds_read = rows_text(rows);
  word_reader.join();
  writer.join();
  TextTable table;
  table.set_separator('\t');
  table.load_from_bytes(word_rows);
  LoadedTableRows loaded_words(table);
  EXPECT_EQ(words_read, rows_text(loaded_words));
  table.load_from_bytes(sound_rows);
  LoadedTableRows loaded_sounds(table);
  EXPECT_EQ(sounds_read, rows_text(loaded_sounds));
}

TEST(StreamedRowsOf, ALoadedTableReadAsTheFile) {
  TextTable table;
  table.set_separator('\t');
  table.load_from_bytes("A\tB\n1\t2\n3\n");
  LoadedTableRows rows(table);
  EXPECT_EQ(rows.column_index("B"), 2);
  EXPECT_EQ(rows.column_index("C"), 0);
  EXPECT_EQ(rows_text(rows), "A|B\n1|2\n3|~");
}

TEST(StreamedRowsOf, EachRowKnowsWhereItBeginsInTheFile) {
  test::ScratchDir dir;
  const std::string path = dir.file("table.txt");
  const std::string bytes = "A\tB\r\n1\t2\r\nx\\\ny\t3\r\n\r\nlast";
  test::write_bytes(path, bytes);
  for (size_t slice : {1, 4, 1 << 16}) {
    TableFileRows rows('\t', slice);
    ASSERT_TRUE(rows.open(path));
    std::vector<std::uint64_t> offsets;
    while (rows.next()) offsets.push_back(rows.row_offset());
    EXPECT_EQ(offsets, (std::vector<std::uint64_t>{5, 10, 18, 20})) << "slices of " << slice;
  }
}

TEST(StreamedRowsOf, OnlyTheLeadingColumnsAskedForAreKept) {
  test::ScratchDir dir;
  const std::string path = dir.file("table.txt");
  // Rows long enough for the reading by separators, one with an escape.
  test::write_bytes(path, "A\tB\tC\r\nfirst field\tsecond field\tthird field\r\n"
                          "x\\\ty\tz\tw\r\nshort\r\n");
  for (size_t slice : {3, 1 << 16}) {
    TableFileRows rows('\t', slice);
    ASSERT_TRUE(rows.open(path, [](const std::vector<std::string>& names) { return names.size() - 1; }));
    EXPECT_EQ(rows_text(rows), "A|B|C\nfirst field|second field|~\nx\ty|z|~\nshort|~|~") << "slices of " << slice;
  }
}

// Rows as drawn by rows_text, each with where it begins in the file.
std::vector<std::pair<std::uint64_t, std::string>> streamed_rows(const std::string& path, size_t slice,
                                                                 TableFileRows::Part part) {
  TableFileRows rows('\t', slice);
  EXPECT_TRUE(rows.open(path, {}, part));
  std::vector<std::pair<std::uint64_t, std::string>> read;
  while (rows.next()) {
    std::string text;
    for (size_t c = 1; c <= rows.column_names().size(); ++c) {
      FieldText field = rows.cell(static_cast<int>(c));
      text += (c > 1 ? "|" : "") + (field ? std::string(*field) : "~");
    }
    read.emplace_back(rows.row_offset(), std::move(text));
  }
  EXPECT_FALSE(rows.failed());
  return read;
}

// A table of a megabyte and more, mostly plain rows of any length and field
// count, with every byte the rules treat apart here and there; around its
// middle, lines that end in runs of backslashes and CRs.
std::string random_table(std::uint32_t seed) {
  std::mt19937 random(seed);
  auto below = [&](std::uint32_t n) { return static_cast<std::uint32_t>(random() % n); };
  std::string bytes = "A\tB\tC\tD\tE\r\n";
  const char special[] = {'\\', '\r', '\0', '\t', '\n', '\xe1'};
  while (bytes.size() < (size_t{3} << 19)) {
    const bool middle = bytes.size() > (size_t{3} << 18) - 4096 && bytes.size() < (size_t{3} << 18) + 4096;
    const std::uint32_t fields = 1 + below(8);
    for (std::uint32_t f = 0; f < fields; ++f) {
      if (f > 0) bytes += '\t';
      const std::uint32_t length = below(3) == 0 ? below(80) : below(10);
      for (std::uint32_t i = 0; i < length; ++i)
        bytes += below(200) == 0 ? special[below(sizeof special)] : static_cast<char>('a' + below(26));
    }
    // Mostly an odd run, which takes the LF: the row goes on.
    if (middle) bytes += std::string(below(4) ? 1 + 2 * below(2) : 2 * below(3), '\\') + (below(2) ? "\r" : "");
    bytes += below(2) ? "\r\n" : "\n";
  }
  return bytes;
}

TEST(StreamedRowsOf, ALargeTableReadsAsLoadedWholeOrInHalves) {
  test::ScratchDir dir;
  const std::string path = dir.file("table.txt");
  for (std::uint32_t seed : {1u, 2u, 3u}) {
    const std::string bytes = random_table(seed);
    test::write_bytes(path, bytes);
    TextTable table;
    table.set_separator('\t');
    table.load_from_bytes(bytes);
    const std::string loaded = table_text(table);

    const auto whole = streamed_rows(path, 1 << 16, TableFileRows::Part::whole);
    std::string streamed = loaded.substr(0, loaded.find('\n'));
    for (const auto& row : whole) streamed += '\n' + row.second;
    EXPECT_EQ(streamed, loaded) << "seed " << seed;

    for (size_t slice : {size_t{4096}, size_t{1} << 22}) {
      auto halves = streamed_rows(path, slice, TableFileRows::Part::first_half);
      const auto second = streamed_rows(path, slice, TableFileRows::Part::second_half);
      EXPECT_GT(second.size(), whole.size() / 4) << "seed " << seed;
      halves.insert(halves.end(), second.begin(), second.end());
      EXPECT_TRUE(halves == whole) << "seed " << seed << ", slices of " << slice;
    }
  }
}

TEST(StreamedRowsOf, ASmallTableIsItsFirstHalfWhole) {
  test::ScratchDir dir;
  const std::string path = dir.file("table.txt");
  test::write_bytes(path, "A\tB\r\n1\t2\r\n3\t4\r\n");
  EXPECT_EQ(streamed_rows(path, 1 << 16, TableFileRows::Part::first_half).size(), 2u);
  EXPECT_TRUE(streamed_rows(path, 1 << 16, TableFileRows::Part::second_half).empty());
}

TEST(StreamedRowsOf, AFileThatCannotBeOpenedHasNoRows) {
  TableFileRows rows('\t');
  EXPECT_FALSE(rows.open("/nonexistent/table.txt"));
  EXPECT_FALSE(rows.next());
}

TEST(TableLoad, TheTablesSeparatorSplitsTheFields) {
  TextTable table;
  EXPECT_EQ(table.separator(), ';');
  table.load_from_bytes("A;B\n1;2\t3\n");
  EXPECT_EQ(table_text(table), "A|B\n1|2\t3");
}

TEST(TableLoad, BackslashSeparatorIsAnEscapeInData) {
  TextTable table;
  table.set_separator('\\');
  table.load_from_bytes("A\\B\na\\\\b\n");
  EXPECT_EQ(table_text(table), "A|B\na\\b|~");
}

TEST(TableLoad, NamesAndFieldsOfAnyLengthLoadInFull) {
  std::string long_name(100000, 'N');
  std::string long_field(300000, 'f');
  long_field[150000] = 'x';
  TextTable table;
  table.set_separator('\t');
  table.load_from_bytes(long_name + "\tB\n" + long_field + "\tshort\n1\t2\n");
  EXPECT_EQ(table.column_name(1), long_name);
  EXPECT_EQ(table.cell(1, 1), std::optional<std::string_view>(long_field));
  EXPECT_EQ(table.cell(1, 2), std::optional<std::string_view>("short"));
  EXPECT_EQ(table.cell(2, 2), std::optional<std::string_view>("2"));
}

TEST(TableLoad, RowsAroundThe32KiBStorageStepKeepEveryField) {
  for (size_t length : {32766u, 32767u, 32768u, 32769u}) {
    std::string first(length - 1, 'a');
    TextTable table;
    table.set_separator('\t');
    table.load_from_bytes("A\tB\tC\n" + first + "\tb\n\t\n");
    EXPECT_EQ(table.cell(1, 1), std::optional<std::string_view>(first)) << length;
    EXPECT_EQ(table.cell(1, 2), std::optional<std::string_view>("b")) << length;
    EXPECT_EQ(table.cell(1, 3), std::nullopt) << length;
    EXPECT_EQ(table.cell(2, 1), std::optional<std::string_view>("")) << length;
  }
}

TEST(TableLoad, CursorEndsOnTheLastRow) {
  TextTable table;
  table.set_separator('\t');
  table.load_from_bytes("A\n1\n2\n3\n");
  EXPECT_EQ(table.position(), 3);
  EXPECT_FALSE(table.bof());
  EXPECT_FALSE(table.eof());
  table.load_from_bytes("A\tB\n");
  EXPECT_EQ(table.position(), 0);
  EXPECT_TRUE(table.bof());
  EXPECT_TRUE(table.eof());
  EXPECT_FALSE(table.move_first());
  EXPECT_EQ(table.column_count(), 2);
}

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
size_t heap_in_use() {
  struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

// A damaged or hand-made table can be all blank lines or tiny fields; what
// the loaded table holds must stay a small multiple of the file whatever
// its lines look like (each blank line used to cost 26 bytes, a 20 MB file
// half a gigabyte).
TEST(TableLoad, MemoryStaysASmallMultipleOfTheFileWhateverTheLines) {
  const std::string header = "A\tB\tC\tD\tE\tF\tG\tH\tI\tJ\tK\tL\tM\tN\tO\tP\tQ\tR\tS\tT\r\n";
  struct Shape {
    const char* name;
    std::string line;
    double most_per_byte;
  };
  for (const Shape& shape : {Shape{"blank CR LF", "\r\n", 7}, Shape{"blank LF", "\n", 13},
                             Shape{"one byte", "a\n", 8}, Shape{"empty fields", "\t\t\t\n", 6},
                             Shape{"sound rows", "12\t3\t1\tk\tZONGE\t51.2\tELSO\tR\r\n", 3}}) {
    SCOPED_TRACE(shape.name);
    std::string bytes = header;
    while (bytes.size() < (size_t{4} << 20)) bytes += shape.line;
    const size_t before = heap_in_use();
    TextTable table;
    table.set_separator('\t');
    table.load_from_bytes(bytes);
    const double per_byte = static_cast<double>(heap_in_use() - before) / static_cast<double>(bytes.size());
    EXPECT_LE(per_byte, shape.most_per_byte);
    EXPECT_EQ(table.cell(table.row_count(), 1).has_value(), true);
  }
}
#endif

class TableFile : public testing::Test {
 protected:
  test::ScratchDir dir;
  TextTable table;
};

TEST_F(TableFile, LoadReplacesTheTableFromAFile) {
  table.set_separator('\t');
  table.load_from_bytes("OLD\nx\n");
  test::write_bytes(dir.path() / "t.txt", "A\tB\r\n1\t2\r\n");
  ASSERT_TRUE(table.load(dir.file("t.txt")));
  EXPECT_EQ(table_text(table), "A|B\n1|2");
}

TEST_F(TableFile, AnUnopenableFileLeavesTheTableAsItWas) {
  table.set_separator('\t');
  table.load_from_bytes("A\n1\n2\n");
  table.move_first();
  EXPECT_FALSE(table.load(dir.file("missing.txt")));
  EXPECT_EQ(table_text(table), "A\n1\n2");
  EXPECT_EQ(table.position(), 1);
}

TEST_F(TableFile, AnEmptyFileLoadsAsAnEmptyTable) {
  table.load_from_bytes("A\n1\n");
  test::write_bytes(dir.path() / "empty.txt", "");
  EXPECT_TRUE(table.load(dir.file("empty.txt")));
  EXPECT_EQ(table.column_count(), 0);
  EXPECT_TRUE(table.is_empty());
}

// Files are read in slices; rows, escapes and CR LF pairs that straddle a
// slice end, and files whose size is not known in advance (a pipe), must load
// as the same bytes do from memory.
TEST_F(TableFile, AFileLoadsAsItsBytesDoWhateverItsSizeAndAFifoIsRefused) {
  std::string bytes = "A\tB\tC\r\n";
  for (int row = 0; bytes.size() < 700'000; ++row)
    bytes += std::to_string(row) + "\tx\\\ty" + std::string(static_cast<size_t>(row % 37), 'z') +
             (row % 5 == 0 ? "\r\n" : "\t\\n\n");
  bytes += "last\tline";
  TextTable expected;
  expected.set_separator('\t');
  expected.load_from_bytes(bytes);
  ASSERT_GT(expected.row_count(), 10'000);

  test::write_bytes(dir.path() / "big.txt", bytes);
  table.set_separator('\t');
  ASSERT_TRUE(table.load(dir.file("big.txt")));
  EXPECT_EQ(table_text(table), table_text(expected));

#if !defined(_WIN32)
  // A FIFO is refused at once instead of waiting for a writer.
  std::string fifo = dir.file("pipe.txt");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  TextTable piped;
  EXPECT_FALSE(piped.load(fifo));
#endif
}

}  // namespace
}  // namespace zor
