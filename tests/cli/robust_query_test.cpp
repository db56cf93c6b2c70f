// zor-cli run and query writing their result tables or the report to a full device or into
// a folder that cannot be made: exit status 1 and a message naming the
// problem, never a normal finish.
#include <gtest/gtest.h>

#include <filesystem>

#include "conversion/recording_files.h"
#include "robust_cli_process.h"

namespace zor {
namespace {

using test::run_zor_cli;
using test::ScratchDir;

constexpr std::string_view kSpecification =
    "v\tH\t<V>\t<BARMI>;<BARMI>;<BARMI>\t<BARMI>;<BARMI>;<BARMI>\tBARMI\t> 0\t\t\tBARMENNYI\tBARMENNYI\t"
    "BARMENNYI\r\n";

class RobustQueryInputs : public testing::Test {
 protected:
  RobustQueryInputs() {
    wav_ = test::write_sentence(dir_, "s01", test::SentenceSpec({{"a", "l", "m", "a"}}));
    test::write_bytes(dir_.path() / "specs.txt", kSpecification);
    std::filesystem::create_directory(dir_.path() / "out");
  }
  test::CliResult run_all() {
    return run_zor_cli({"run", "--quiet", "--out-dir", dir_.file("out"), "--specs", dir_.file("specs.txt"), wav_});
  }
  ScratchDir dir_;
  std::string wav_;
};

class RobustQuery : public RobustQueryInputs, public testing::WithParamInterface<const char*> {};

TEST_P(RobustQuery, AResultTableOnAFullDeviceExitsWithTheFileNamed) {
  std::filesystem::create_symlink("/dev/full", dir_.path() / "out" / GetParam());
  test::CliResult result = run_all();
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_NE(result.error_output.find(GetParam()), std::string::npos) << result.error_output;
}

INSTANTIATE_TEST_SUITE_P(EachResultTableAndTheReport, RobustQuery,
                         testing::Values("output_result.txt", "output_result_dev.txt", "output.txt"));


TEST_F(RobustQueryInputs, ASpecificationFileThatCannotBeReadExitsWithItsName) {
  test::CliResult result = run_zor_cli({"run", "--quiet", "--out-dir", dir_.file("out"), "--specs",
                                        dir_.file("nincs.txt"), wav_});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_NE(result.error_output.find("nincs.txt"), std::string::npos) << result.error_output;
}

TEST_F(RobustQueryInputs, MissingCorpusTablesExitWithAMessage) {
  test::CliResult result = run_zor_cli({"query", "--quiet", "--out-dir", dir_.file("out"), "--specs",
                                        dir_.file("specs.txt")});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_FALSE(result.error_output.empty());
}

}  // namespace
}  // namespace zor
