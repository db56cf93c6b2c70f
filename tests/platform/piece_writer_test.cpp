#include <gtest/gtest.h>

#include <string>

#include "platform/file_io.h"
#include "platform/piece_writer.h"
#include "support/test_files.h"

namespace zor {
namespace {

// Many pieces of different sizes, most larger than the buffers handed back,
// must reach the file whole and in order, and be there once finish returns.
TEST(PieceWriter, WritesEveryPieceInOrderBeforeFinishReturns) {
  test::ScratchDir dir;
  const std::string path = dir.file("out.txt");
  TextFileWriter file;
  ASSERT_TRUE(file.open_replacing(path));
  std::string expected;
  {
    PieceWriter pieces(file);
    std::string buffer;
    for (int n = 0; n < 200; ++n) {
      buffer.append(static_cast<size_t>(n * 37 % 5000), static_cast<char>('a' + n % 26)).append("\r\n");
      expected += buffer;
      buffer = pieces.write(std::move(buffer));
      EXPECT_TRUE(buffer.empty());
    }
    pieces.finish();
    EXPECT_FALSE(file.failed());
  }
  ASSERT_TRUE(file.close());
  EXPECT_EQ(test::read_bytes(path), expected);
}

TEST(PieceWriter, AFailedWriteShowsOnTheFile) {
#ifdef __linux__
  TextFileWriter file;
  ASSERT_TRUE(file.open("/dev/full"));
  {
    PieceWriter pieces(file);
    pieces.write(std::string(1 << 20, 'x'));
  }
  EXPECT_TRUE(file.failed());
  EXPECT_FALSE(file.close());
#else
  GTEST_SKIP() << "needs /dev/full";
#endif
}

}  // namespace
}  // namespace zor
