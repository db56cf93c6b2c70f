#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "cli/commands.h"
#include "platform/paths.h"
#include "support/test_files.h"

namespace zor {
namespace {

using test::read_bytes;
using test::ScratchDir;

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

CliResult run(std::vector<std::string> args) {
  args.insert(args.begin(), "zor-cli");
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  int status = run_cli(static_cast<int>(argv.size()), argv.data());
  std::fflush(stdout);
  return {status, testing::internal::GetCapturedStdout(), testing::internal::GetCapturedStderr()};
}

// The worked example's five tables, named by a base name and an extension.
class ReportCommandTest : public ::testing::Test {
 protected:
  void copy_tables(const std::string& base, const std::string& extension) {
    for (const char* table : {"sentences", "words", "sounds", "result", "result_dev"}) {
      std::filesystem::copy_file(
          test::data_file(std::string("report/output_") + table + ".txt"),
          dir_.path() / (base + "_" + table + extension));
    }
  }
  std::string out_dir() const { return dir_.path().string(); }

  ScratchDir dir_;
};

TEST_F(ReportCommandTest, WritesTheReportBesideTheTablesAndPrintsItsPath) {
  copy_tables("adat", ".csv");
  CliResult result = run({"report", "--out-dir", out_dir(), "--base", "adat.csv", "--details",
                          "--distribution", "--quiet"});
  ASSERT_EQ(result.status, 0) << result.err;
  std::string report = dir_.file("adat.csv");
  EXPECT_EQ(result.out, report + "\n");
  EXPECT_EQ(read_bytes(report), read_bytes(test::data_file("report/expected_report.txt")));
}

TEST_F(ReportCommandTest, ResultsOlderThanTheCorpusAreRefusedUnlessAllowed) {
  copy_tables("output", ".txt");
  // A conversion a minute after the query.
  std::filesystem::path sounds = dir_.path() / "output_sounds.txt";
  std::filesystem::last_write_time(
      sounds, std::filesystem::last_write_time(sounds) + std::chrono::minutes(1));
  CliResult refused = run({"report", "--out-dir", out_dir(), "--quiet"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("are older than the corpus tables"), std::string::npos) << refused.err;
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "output.txt"));

  CliResult allowed = run({"report", "--out-dir", out_dir(), "--quiet", "--allow-stale"});
  EXPECT_EQ(allowed.status, 0) << allowed.err;
  EXPECT_TRUE(std::filesystem::exists(dir_.path() / "output.txt"));
}

TEST_F(ReportCommandTest, ReportsOnlyTheNamedSpecifications) {
  copy_tables("output", ".txt");
  CliResult result = run({"report", "--out-dir", out_dir(), "--spec", "V2", "--quiet"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(read_bytes(dir_.file("output.txt")), "");
  EXPECT_NE(result.err.find("V2"), std::string::npos);

  result = run({"report", "--out-dir", out_dir(), "--spec", "V1", "--quiet"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(read_bytes(dir_.file("output.txt")).rfind("SPEC.NEV: V1\r\n", 0), 0u);
}

TEST_F(ReportCommandTest, FailsWhenATableCannotBeLoaded) {
  copy_tables("output", ".txt");
  std::filesystem::remove(dir_.path() / "output_words.txt");
  CliResult result = run({"report", "--out-dir", out_dir(), "--quiet"});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("Sikertelen fájlnyitás"), std::string::npos);
  EXPECT_EQ(result.out, "");
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "output.txt"));
}

}  // namespace
}  // namespace zor
