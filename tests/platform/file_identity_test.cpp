// A file's identity must change with every write, even one that keeps its
// size, and must not change while nobody writes.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/file_identity.h"
#include "support/test_files.h"

namespace zor::test {
namespace {

#if defined(__unix__) || defined(__APPLE__)

TEST(FileIdentity, ChangesWithEveryWriteAndOnlyThen) {
  ScratchDir dir;
  const std::string path = (dir.path() / "table.txt").string();
  write_bytes(path, "abcdef");
  const std::optional<FileIdentity> first = file_identity(path);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->bytes, 6u);
  EXPECT_EQ(file_identity(path), first);
  // Past the file system clock's step, so that a change shows in the times.
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  write_bytes(path, "abcdeF");
  const std::optional<FileIdentity> rewritten = file_identity(path);
  ASSERT_TRUE(rewritten);
  EXPECT_NE(rewritten, first);
  // Even with the old modification time put back.
  std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) - std::chrono::hours(1));
  const std::optional<FileIdentity> backdated = file_identity(path);
  ASSERT_TRUE(backdated);
  EXPECT_NE(backdated, rewritten);
  EXPECT_FALSE(backdated->settled_since(std::chrono::system_clock::now(), std::chrono::seconds(1)));
  EXPECT_TRUE(backdated->settled_since(std::chrono::system_clock::now() + std::chrono::seconds(2),
                                       std::chrono::seconds(1)));
}

#endif

TEST(FileIdentity, NoneForWhatIsNotAFile) {
  ScratchDir dir;
  EXPECT_FALSE(file_identity((dir.path() / "missing.txt").string()));
  EXPECT_FALSE(file_identity(dir.path().string()));
}

}  // namespace
}  // namespace zor::test
