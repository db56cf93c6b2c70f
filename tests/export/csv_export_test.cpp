// zor-cli stats, hits and tables as programs, read back by Python's csv module.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/query_cli_support.h"
#include "platform/encoding.h"
#include "support/test_files.h"
#include "tables/text_table.h"

namespace zor {
namespace {

using test::read_bytes;
using test::run_program;
using test::shell_quoted;

class CsvExport : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new test::ScratchDir;
    std::string ignored;
    ASSERT_EQ(run_program(shell_quoted(ZOR_GENERATOR_PATH) + " --out " + shell_quoted(dir_->file("corpus")) +
                              " --recordings 40 --seed 5",
                          *dir_, ignored),
              0);
    // The sample's specifications, and the first one again under its name:
    // the two rows must be reported each with its own hits.
    const std::filesystem::path sample_specs =
        std::filesystem::path(ZOR_SAMPLE_SENTENCES).parent_path() / "sample_specifications.txt";
    std::string specs = read_bytes(sample_specs);
    specs += specs.substr(0, specs.find('\n') + 1);
    test::write_bytes(dir_->path() / "specs.txt", specs);
    std::string errors;
    ASSERT_EQ(run_program(cli("convert") + " --list " + shell_quoted(dir_->file("corpus/list.txt")), *dir_, errors),
              0)
        << errors;
    ASSERT_EQ(run_program(cli("query") + " --specs " + shell_quoted(dir_->file("specs.txt")), *dir_, errors), 0)
        << errors;
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }

  static std::string cli(const std::string& command) {
    return test::zor_cli() + " " + command + " --quiet --out-dir " + shell_quoted(dir_->file("out"));
  }
  static std::string python(const std::string& arguments) {
    return "python3 " + shell_quoted(test::data_file("export/check_csv.py")) + " " + arguments;
  }
  // What a command prints on standard output.
  static std::string output_of(const std::string& command) {
    std::string errors;
    // In a group of its own, as run_program sends the group's output away.
    EXPECT_EQ(run_program("{ " + command + " > " + shell_quoted(dir_->file("stdout.txt")) + "; }", *dir_, errors), 0)
        << errors;
    return read_bytes(dir_->path() / "stdout.txt");
  }

  static test::ScratchDir* dir_;
};

test::ScratchDir* CsvExport::dir_ = nullptr;

TEST_F(CsvExport, StatisticsAreThoseOfTheHitsDurations) {
  std::string errors;
  ASSERT_EQ(run_program(cli("stats") + " --output " + shell_quoted(dir_->file("stats.csv")), *dir_, errors), 0)
      << errors;
  ASSERT_EQ(run_program(cli("hits") + " --output " + shell_quoted(dir_->file("hits.csv")), *dir_, errors), 0)
      << errors;
  EXPECT_EQ(output_of(python("stats " + shell_quoted(dir_->file("stats.csv")) + " " +
                             shell_quoted(dir_->file("hits.csv")))),
            "ok\n");

  // Standard output gets the same bytes; LF ends every line.
  const std::string stats = read_bytes(dir_->path() / "stats.csv");
  EXPECT_EQ(output_of(cli("stats")), stats);
  EXPECT_EQ(stats.find('\r'), std::string::npos);
  // One row per hit and a header, the duplicate's hits included.
  TextTable distribution;
  distribution.set_separator('\t');
  ASSERT_TRUE(distribution.load(dir_->file("out/output_result_dev.txt")));
  const std::string hits = read_bytes(dir_->path() / "hits.csv");
  EXPECT_EQ(std::count(hits.begin(), hits.end(), '\n'), distribution.row_count() + 1);
  EXPECT_NE(stats.find("\nrövid magánhangzó,H,"), stats.rfind("\nrövid magánhangzó,H,")) << "the duplicate";
}

TEST_F(CsvExport, OnlyTheNamedSpecificationsAreExported) {
  const std::string stats = output_of(cli("stats") + " --spec " + shell_quoted("hosszú magánhangzó"));
  EXPECT_EQ(std::count(stats.begin(), stats.end(), '\n'), 2) << stats;
  EXPECT_EQ(stats.find("\nhosszú magánhangzó,H,"), stats.find('\n')) << stats;
}

TEST_F(CsvExport, TablesConvertFieldForField) {
  std::string errors;
  ASSERT_EQ(run_program(cli("tables") + " --format csv --output-dir " + shell_quoted(dir_->file("csv")), *dir_,
                        errors),
            0)
      << errors;
  for (const char* name : {"sentences", "words", "sounds"}) {
    SCOPED_TRACE(name);
    TextTable table;
    table.set_separator('\t');
    ASSERT_TRUE(table.load(dir_->file("out/output_" + std::string(name) + ".txt")));
    std::string expected;
    for (int row = 0; row <= table.row_count(); ++row) {
      if (row > 0) expected += '\x1e';
      for (int column = 1; column <= table.column_count(); ++column) {
        if (column > 1) expected += '\x1f';
        expected += from_cp1250(row == 0 ? table.column_name(column) : table.cell(row, column).value_or(""));
      }
    }
    EXPECT_EQ(output_of(python("dump " + shell_quoted(dir_->file("csv/output_" + std::string(name) + ".csv")))),
              expected);
  }
}

TEST_F(CsvExport, MissingTablesAndStaleResultsAreRefused) {
  std::string errors;
  EXPECT_EQ(run_program(test::zor_cli() + " stats --out-dir " + shell_quoted(dir_->file("nowhere")), *dir_, errors),
            1);
  EXPECT_NE(errors.find("nowhere/output_result.txt"), std::string::npos) << errors;
  EXPECT_EQ(run_program(test::zor_cli() + " tables --out-dir " + shell_quoted(dir_->file("out")) +
                            " --format xlsx --output-dir x",
                        *dir_, errors),
            2);
  // A conversion after the query: the hits would be looked up in another corpus.
  test::ScratchDir stale;
  for (const auto& entry : std::filesystem::directory_iterator(dir_->path() / "out"))
    std::filesystem::copy_file(entry.path(), stale.path() / entry.path().filename());
  std::filesystem::last_write_time(stale.path() / "output_sounds.txt",
                                   std::filesystem::file_time_type::clock::now() + std::chrono::hours(1));
  const std::string out = " --out-dir " + shell_quoted(stale.path().string());
  EXPECT_EQ(run_program(test::zor_cli() + " hits" + out, *dir_, errors), 1);
  EXPECT_NE(errors.find("--allow-stale"), std::string::npos) << errors;
  EXPECT_EQ(run_program(test::zor_cli() + " hits --allow-stale --output /dev/null" + out, *dir_, errors), 0)
      << errors;
}

}  // namespace
}  // namespace zor
