#include "platform/run_lock.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/fake_host.h"
#include "support/test_files.h"

namespace zor {
namespace {

TEST(RunLock, IsHeldByOneRunAtATimeAndGoesWithIt) {
  test::ScratchDir dir;
  const std::string path = dir.file("output.txt.zor-lock");
  {
    RunLock first;
    ASSERT_EQ(first.acquire(path), RunLock::State::held);
    RunLock second;
    EXPECT_EQ(second.acquire(path), RunLock::State::busy);

    test::FakeHost host;
    RunLock third;
    EXPECT_FALSE(lock_outputs(third, path, host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find(dir.file("")), std::string::npos);
  }
  EXPECT_FALSE(std::filesystem::exists(path));
  RunLock again;
  EXPECT_EQ(again.acquire(path), RunLock::State::held);
}

TEST(RunLock, AFolderThatCannotHoldItLeavesTheRunToFail) {
  test::ScratchDir dir;
  RunLock lock;
  EXPECT_EQ(lock.acquire(dir.file("missing/output.txt.zor-lock")), RunLock::State::unavailable);
  test::FakeHost host;
  EXPECT_TRUE(lock_outputs(lock, dir.file("missing/output.txt.zor-lock"), host));
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace zor
