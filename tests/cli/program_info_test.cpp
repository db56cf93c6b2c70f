// What zor-cli and zor answer on the terminal: the version, and unknown words
// on the command line named as such.
#include <gtest/gtest.h>

#include "cli/exit_status.h"
#include "query_cli_support.h"

namespace zor::test {
namespace {

TEST(ProgramInfo, VersionsAndUnknownWords) {
  ScratchDir dir;
  std::string errors;
  EXPECT_EQ(run_program("(" + zor_cli() + " --version > " + shell_quoted(dir.file("v.txt")) + ")", dir, errors),
            kExitCompleted);
  EXPECT_EQ(read_bytes(dir.path() / "v.txt").rfind("zor-cli ", 0), 0u);

  // The path printed into a full disk is lost: not a success.
  EXPECT_EQ(run_program("(" + zor_cli() + " --version > /dev/full)", dir, errors), kExitFailed);
  EXPECT_NE(errors.find("Cannot write to standard output"), std::string::npos) << errors;

  EXPECT_EQ(run_program(zor_cli() + " konvert", dir, errors), kExitUsage);
  EXPECT_NE(errors.find("Unknown subcommand konvert"), std::string::npos) << errors;

#ifdef ZOR_WIZARD_PATH
  // The wizard answers without a display, and opens no window.
  const std::string wizard = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                             shell_quoted(ZOR_WIZARD_PATH);
  EXPECT_EQ(run_program("(" + wizard + " --help > " + shell_quoted(dir.file("h.txt")) + ")", dir, errors), 0)
      << errors;
  EXPECT_NE(read_bytes(dir.path() / "h.txt").find("Usage: zor"), std::string::npos);
  EXPECT_EQ(run_program("(" + wizard + " --version > " + shell_quoted(dir.file("w.txt")) + ")", dir,
                        errors), 0);
  EXPECT_EQ(read_bytes(dir.path() / "w.txt").rfind("zor ", 0), 0u);
#endif
}

}  // namespace
}  // namespace zor::test
