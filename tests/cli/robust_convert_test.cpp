// zor-cli convert writing to a full device or a missing folder: exit status 1
// and a message naming the problem, never a normal finish.
#include <gtest/gtest.h>

#include <filesystem>

#include "conversion/recording_files.h"
#include "robust_cli_process.h"

namespace zor {
namespace {

using test::run_zor_cli;
using test::ScratchDir;

class RobustConvert : public testing::Test {
 protected:
  RobustConvert() { wav_ = test::write_sentence(dir_, "s01", test::SentenceSpec({{"a", "l", "m", "a"}})); }
  ScratchDir dir_;
  std::string wav_;
};

TEST_F(RobustConvert, ATableOnAFullDeviceExitsWithTheFileNamed) {
  // The sound table is a link to /dev/full: the open succeeds, every write fails.
  std::filesystem::create_directory(dir_.path() / "out");
  std::filesystem::create_symlink("/dev/full", dir_.path() / "out" / "output_sounds.txt");
  test::CliResult result =
      run_zor_cli({"convert", "--quiet", "--out-dir", dir_.file("out"), wav_});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_NE(result.error_output.find("output_sounds.txt"), std::string::npos) << result.error_output;
}

TEST_F(RobustConvert, AnOutputFolderThatCannotBeMadeExitsWithAMessage) {
  // The folder would have to be made inside a file.
  test::write_bytes(dir_.path() / "file", "x");
  test::CliResult result =
      run_zor_cli({"convert", "--quiet", "--out-dir", dir_.file("file/out"), wav_});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_NE(result.error_output.find("Sikerelen nyitas!"), std::string::npos) << result.error_output;
}

TEST_F(RobustConvert, AnUnreadableLabelTreeFileExitsWithItsName) {
  test::CliResult result = run_zor_cli({"convert", "--quiet", "--out-dir", dir_.file(""),
                                        "--labels", dir_.file("nincs.txt"), wav_});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_NE(result.error_output.find("nincs.txt"), std::string::npos) << result.error_output;
}

}  // namespace
}  // namespace zor
