#include "platform/file_io.h"

#include <gtest/gtest.h>

#include "platform/encoding.h"
#include "support/test_files.h"

namespace zor {
namespace {

using test::read_bytes;
using test::ScratchDir;
using test::write_bytes;

TEST(SplitTextLines, AcceptsCrLfAndLfAndKeepsOtherCarriageReturns) {
  EXPECT_EQ(split_text_lines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(split_text_lines("a\rb\r\n"), (std::vector<std::string>{"a\rb"}));
  EXPECT_EQ(split_text_lines("x\r"), (std::vector<std::string>{"x\r"}));
  EXPECT_EQ(split_text_lines("\n\n"), (std::vector<std::string>{"", ""}));
  EXPECT_TRUE(split_text_lines("").empty());
}

TEST(SplitTextLines, CutsEachLineAtItsFirstZeroByte) {
  std::string text("ab\0cd\nef", 8);
  EXPECT_EQ(split_text_lines(text), (std::vector<std::string>{"ab", "ef"}));
}

TEST(ReadFileBytes, ReadsFilesOfAnySizeAndRefusesFolders) {
  ScratchDir dir;
  for (size_t size : {size_t{0}, size_t{4095}, size_t{4096}, size_t{300001}}) {
    std::string content;
    for (size_t i = 0; i < size; ++i) content.push_back(static_cast<char>(i * 7 % 251));
    write_bytes(dir.path() / "f.bin", content);
    std::string bytes = "old";
    ASSERT_TRUE(read_file_bytes(dir.file("f.bin"), bytes)) << size;
    EXPECT_EQ(bytes, content) << size;
  }
  std::string untouched = "kept";
  EXPECT_FALSE(read_file_bytes(dir.path().string(), untouched));
  EXPECT_FALSE(read_file_bytes(dir.file("missing"), untouched));
  EXPECT_EQ(untouched, "kept");
}

TEST(TextFileWriter, StoresEveryLineFeedAsCrLf) {
  ScratchDir dir;
  TextFileWriter writer;
  ASSERT_TRUE(writer.open(dir.file("out.txt")));
  writer.write("a\tb\n");
  writer.write_line("c");
  writer.write("no end");
  EXPECT_TRUE(writer.close());
  EXPECT_EQ(read_bytes(dir.path() / "out.txt"), "a\tb\r\nc\r\nno end");
}

TEST(TextFileWriter, TruncatesAnExistingFile) {
  ScratchDir dir;
  write_bytes(dir.path() / "out.txt", "old content that is longer");
  TextFileWriter writer;
  ASSERT_TRUE(writer.open(dir.file("out.txt")));
  writer.write("new");
  ASSERT_TRUE(writer.close());
  EXPECT_EQ(read_bytes(dir.path() / "out.txt"), "new");
}

TEST(TextFileWriter, ReportsAFullDevice) {
  TextFileWriter writer;
  ASSERT_TRUE(writer.open("/dev/full"));
  writer.write_line(std::string(1 << 18, 'x'));
  EXPECT_FALSE(writer.close());
}

TEST(TextFileWriter, ReportsAFileWhoseFolderWasRemovedMeanwhile) {
  ScratchDir dir;
  std::filesystem::create_directory(dir.path() / "out");
  TextFileWriter writer;
  ASSERT_TRUE(writer.open(dir.file("out/table.txt")));
  writer.write_line("row");
  std::filesystem::remove_all(dir.path() / "out");
  writer.write_line("lost");
  EXPECT_FALSE(writer.close());
}

TEST(TextFileWriter, FailsToOpenInAMissingFolder) {
  ScratchDir dir;
  TextFileWriter writer;
  EXPECT_FALSE(writer.open(dir.file("missing/out.txt")));
  EXPECT_FALSE(writer.close());
}

TEST(WriteFileAtomically, KeepsThePreviousFileWhenTheWriteFails) {
  ScratchDir dir;
  write_bytes(dir.path() / "keep.txt", "precious");
  EXPECT_TRUE(write_file_atomically(dir.file("keep.txt"), "new\n"));
  EXPECT_EQ(read_bytes(dir.path() / "keep.txt"), "new\r\n");
  EXPECT_FALSE(write_file_atomically(dir.file("gone/keep.txt"), "x\n"));
}

// While a large replacement is written, the old file's cached text is given
// back and the new text is sent to the disk early: the old file must still
// read back whole when the replacement is dropped, and the new one when it
// is put in place.
TEST(TextFileWriter, AReplacementOfManyMegabytesKeepsTheOldFileUntilItIsInPlace) {
  ScratchDir dir;
  std::string old_text(24 << 20, 'o');
  for (size_t i = 0; i < old_text.size(); i += 4099) old_text[i] = static_cast<char>('a' + i % 26);
  write_bytes(dir.path() / "big.txt", old_text);
  std::string piece(1 << 20, 'n');
  piece.back() = '\n';
  for (bool keep : {false, true}) {
    TextFileWriter writer;
    ASSERT_TRUE(writer.open_replacing(dir.file("big.txt")));
    for (int i = 0; i < 32; ++i) writer.write(piece);
    EXPECT_EQ(read_bytes(dir.path() / "big.txt"), old_text);
    if (!keep) {
      writer.discard();
      EXPECT_EQ(read_bytes(dir.path() / "big.txt"), old_text);
      continue;
    }
    EXPECT_TRUE(writer.close());
    const std::string written = read_bytes(dir.path() / "big.txt");
    ASSERT_EQ(written.size(), 32 * (piece.size() + 1));
    EXPECT_EQ(written.substr(piece.size() - 1, 3), "\r\nn");
  }
}

TEST(FileNames, AWindows1250NameOpensUnderItsNativeName) {
  ScratchDir dir;
  std::string native_name = "\xc3\xa1rv\xc3\xadzt\xc5\xb1r\xc5\x91.wav";  // árvíztűrő.wav
  write_bytes(dir.path() / native_name, "RIFF");
  std::string cp1250_path = from_native_file_name((dir.path() / native_name).string());
  EXPECT_NE(cp1250_path.find("\xe1rv\xedzt\xfbr\xf5.wav"), std::string::npos);
  std::string bytes;
  ASSERT_TRUE(read_file_bytes(cp1250_path, bytes));
  EXPECT_EQ(bytes, "RIFF");
}

TEST(Encoding, RoundTripsHungarianTextAndMarksUnmappableCharacters) {
  std::string cp1250 = to_cp1250("Kis türelmet kérek... ŐŰőű");
  EXPECT_EQ(cp1250, "Kis t\xfcrelmet k\xe9rek... \xd5\xdb\xf5\xfb");
  EXPECT_EQ(from_cp1250(cp1250), "Kis türelmet kérek... ŐŰőű");
  EXPECT_EQ(to_cp1250("a\xe2\x82\xac" "b"), "a\x80" "b");  // the euro sign exists
  EXPECT_EQ(to_cp1250("a\xe6\x97\xa5" "b"), "a?b");       // a CJK character does not
  EXPECT_EQ(to_cp1250("a\xff" "b"), "a?b");               // invalid UTF-8
}

}  // namespace
}  // namespace zor
