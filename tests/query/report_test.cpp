#include "query/report.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "platform/encoding.h"
#include "platform/paths.h"
#include "query/result_freshness.h"
#include "support/fake_host.h"
#include "support/test_files.h"

namespace zor {
namespace {

using test::FakeHost;
using test::read_bytes;
using test::ScratchDir;
using test::write_bytes;

constexpr std::string_view kResultHeader =
    "EREDMENY_SPECNEV\tEREDMENY_SPECTIPUS\tEREDMENY_DB\tEREDMENY_ATLAG\tEREDMENY_MIN\t"
    "EREDMENY_MAX\r\n";
constexpr std::string_view kDevHeader =
    "EREDMENYSZ_SPECNEV\tEREDMENYSZ_SPECTIPUS\tEREDMENYSZ_INTERV\tEREDMENYSZ_DB\r\n";
const std::string kSeparator = std::string(59, '-') + "\r\n\r\n";

// Report lines, written in UTF-8 here, as the report's Windows-1250 bytes
// with CR LF line ends.
std::string report_text(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) text += to_cp1250(line) + "\r\n";
  return text;
}

// The worked example's corpus tables in a scratch folder; each test writes
// its own result tables, the worked example's by default.
class ReportTest : public ::testing::Test {
 protected:
  ReportTest() {
    names_ = build_output_names(with_trailing_separator(dir_.path().string()), "output.txt");
    for (const char* table : {"sentences", "words", "sounds", "result", "result_dev"}) {
      std::string name = std::string("output_") + table + ".txt";
      std::filesystem::copy_file(test::data_file("report/" + name), dir_.path() / name);
    }
  }

  void set_result(std::string_view rows) {
    write_bytes(names_.result, std::string(kResultHeader) + std::string(rows));
  }
  void set_result_dev(std::string_view rows) {
    write_bytes(names_.result_dev, std::string(kDevHeader) + std::string(rows));
  }

  std::string report(std::vector<ReportEntry> entries, ReportOptions options) {
    outcome_ = write_report(entries, options, names_, host_);
    return read_bytes(names_.report);
  }

  ScratchDir dir_;
  OutputNames names_;
  FakeHost host_;
  RunOutcome outcome_ = RunOutcome::failed;
};

TEST_F(ReportTest, WritesTheWorkedExampleByteForByteAndOpensIt) {
  std::string written = report({{"V1"}}, {.details = true, .distribution = true});
  EXPECT_EQ(written, read_bytes(test::data_file("report/expected_report.txt")));
  EXPECT_EQ(outcome_, RunOutcome::completed);
  EXPECT_EQ(host_.opened_documents, std::vector<std::string>{names_.report});
  EXPECT_TRUE(host_.messages.empty());
}

struct OptionCase {
  const char* label;
  ReportOptions options;
  std::string expected;
};

class ReportOptionsTest : public ReportTest, public ::testing::WithParamInterface<OptionCase> {};

TEST_P(ReportOptionsTest, PrintsOnlyTheChosenExtras) {
  EXPECT_EQ(report({{"V1"}}, GetParam().options), GetParam().expected + kSeparator);
}

INSTANTIATE_TEST_SUITE_P(
    Options, ReportOptionsTest,
    ::testing::Values(
        OptionCase{"none", {},
                   report_text({"SPEC.NEV: V1", "ÖSSZ(db):\t   12", "ÁTL.(ms):\t   73",
                                "MIN.(ms):\t   40", "MAX.(ms):\t  140"})},
        OptionCase{"details", {.details = true},
                   report_text({"SPEC.NEV: V1", "ÖSSZ(db):\t   12", "ÁTL.(ms):\t   73",
                                "MIN.(ms):\t   40", "    -=Mondat(1): _alma", "      Szó(2): alma",
                                "      Hang(2): a", "MAX.(ms):\t  140", "    -=Mondat(1): _alma",
                                "      Szó(2): alma", "      Hang(5): a"})},
        OptionCase{"distribution", {.distribution = true},
                   report_text({"SPEC.NEV: V1", "ÖSSZ(db):\t   12", "ÁTL.(ms):\t   73",
                                "MIN.(ms):\t   40", "MAX.(ms):\t  140", "ELOSZLÁSOK(db):",
                                "   0-  10:\t    0 ", "  10-  20:\t    0 ", "  20-  30:\t    0 ",
                                "  30-  40:\t    1 "})}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ReportTest, NoTickedEntryEmptiesTheReportAndStillOpensIt) {
  write_bytes(names_.report, "an older report");
  EXPECT_EQ(report({{"V1", false}}, {.details = true, .distribution = true}), "");
  EXPECT_EQ(host_.opened_documents, std::vector<std::string>{names_.report});
  EXPECT_EQ(host_.steps(), 0);
}

TEST_F(ReportTest, TopIntervalBelowTenPrintsNoInterval) {
  set_result_dev("V1\tH\t9\t9;2;2;1\r\nV1\tH\t9.9\t9;2;2;1\r\n");
  std::string written = report({{"V1"}}, {.distribution = true});
  EXPECT_NE(written.find(to_cp1250("ELOSZLÁSOK(db):\r\n") + kSeparator), std::string::npos);
}

TEST_F(ReportTest, IntervalsEndAtTheLastFullBoundBelowTheTop) {
  // 35 raises the top but equals no bound, so it is counted nowhere; rows of
  // another specification are not counted either.
  set_result_dev("V1\tH\t35\t35;2;2;1\r\nX\tH\t20\t20;2;2;1\r\nV1\tH\t10\t10;2;2;1\r\n");
  std::string written = report({{"V1"}}, {.distribution = true});
  EXPECT_NE(written.find(report_text({"ELOSZLÁSOK(db):", "   0-  10:\t    1 ",
                                      "  10-  20:\t    0 ", "  20-  30:\t    0 "}) +
                         kSeparator),
            std::string::npos);
}

TEST_F(ReportTest, IntervalsMatchTheBoundNumerically) {
  set_result_dev("V1\tH\t20\t20;2;2;1\r\nV1\tH\t20.0\t20;2;2;1\r\nV1\tH\t2e1\t20;2;2;1\r\n"
                 "V1\tH\t19.5\t19;2;2;1\r\n");
  std::string written = report({{"V1"}}, {.distribution = true});
  EXPECT_NE(written.find(report_text({"   0-  10:\t    0 ", "  10-  20:\t    3 "}) + kSeparator),
            std::string::npos);
}

TEST_F(ReportTest, DistributionDetailsCarryTheValueOnTheMeasuredUnitOnly) {
  set_result("W\tSZ\t1\t300\t300;;2;1\t300;;2;1\r\nS\tH\t1\t60\t60;3;2;1\t60;3;2;1\r\n");
  // The second word row has a sound number only to show that the sound line
  // of a word specification stays without the value.
  set_result_dev("W\tSZ\t10\t300;;2;1\r\nW\tSZ\t10\t300;4;2;1\r\nS\tH\t10\t60;3;2;1\r\n");
  ReportOptions both{.details = true, .distribution = true};
  std::string word = report({{"W"}}, both);
  EXPECT_NE(word.find(report_text({"ELOSZLÁSOK(db):", "    -=Mondat(1.): _alma",
                                   "      Szó(2. 300 ms ): alma", "    -=Mondat(1.): _alma",
                                   "      Szó(2. 300 ms ): alma", "      Hang(4.): m",
                                   "   0-  10:\t    2 "})),
            std::string::npos);
  std::string sound = report({{"S"}}, both);
  EXPECT_NE(sound.find(report_text({"ELOSZLÁSOK(db):", "    -=Mondat(1.): _alma",
                                    "      Szó(2.): alma", "      Hang(3. 60 ms ): l",
                                    "   0-  10:\t    1 "})),
            std::string::npos);
}

TEST_F(ReportTest, EachRowOfASharedNameHasItsOwnFiguresAndDistribution) {
  // Two specifications named V1: the first with two hits, the second with
  // one; each owns its run of distribution rows.
  set_result("V1\tH\t2\t25\t20;2;2;1\t30;5;2;1\r\nV1\tH\t1\t40\t40;6;2;1\t40;6;2;1\r\n");
  set_result_dev("V1\tH\t20\t20;2;2;1\r\nV1\tH\t30\t30;5;2;1\r\nV1\tH\t40\t40;6;2;1\r\n");
  std::string first = report_text({"SPEC.NEV: V1", "ÖSSZ(db):\t    2", "ÁTL.(ms):\t   25",
                                   "MIN.(ms):\t   20", "MAX.(ms):\t   30", "ELOSZLÁSOK(db):",
                                   "   0-  10:\t    0 ", "  10-  20:\t    1 ",
                                   "  20-  30:\t    1 "}) +
                      kSeparator;
  std::string second = report_text({"SPEC.NEV: V1", "ÖSSZ(db):\t    1", "ÁTL.(ms):\t   40",
                                    "MIN.(ms):\t   40", "MAX.(ms):\t   40", "ELOSZLÁSOK(db):",
                                    "   0-  10:\t    0 ", "  10-  20:\t    0 ",
                                    "  20-  30:\t    0 ", "  30-  40:\t    1 "}) +
                       kSeparator;
  ReportOptions distribution{false, true};
  EXPECT_EQ(report({{"V1"}, {"V1"}}, distribution), first + second);
  // An unticked first row still owns its run.
  EXPECT_EQ(report({{"V1", false}, {"V1"}}, distribution), second);
}

TEST_F(ReportTest, PrintsTextsLongerThanTheFieldWidthInFull) {
  set_result("V1\tH\t123456\t1234567\t40;2;2;1\t140;5;2;1\r\n");
  std::string written = report({{"V1"}}, {});
  EXPECT_NE(written.find(report_text({"ÖSSZ(db):\t123456", "ÁTL.(ms):\t1234567"})),
            std::string::npos);
}

TEST_F(ReportTest, AnLfInsideAFieldEndsALineWithCrLfLikeAllOthers) {
  // "\\n" in a table file is an LF inside the field: it reaches the report
  // as CR LF, in the name and counts as in the detail lines; "%5s" pads the
  // three bytes "1", LF, "2" by two blanks.
  set_result("V\\n1\tH\t1\\n2\t3\t40;2;2;1\t40;2;2;1\r\n");
  std::string written = report({{"V\n1"}}, {.details = true});
  EXPECT_EQ(written.substr(0, written.find("MIN")),
            report_text({"SPEC.NEV: V", "1", "ÖSSZ(db):\t  1", "2", "ÁTL.(ms):\t    3"}));
  for (size_t lf = written.find('\n'); lf != std::string::npos; lf = written.find('\n', lf + 1))
    EXPECT_EQ(written[lf - 1], '\r') << "at byte " << lf;
}

TEST_F(ReportTest, SkipsWhatTheTablesCannotShow) {
  // A short occurrence prints blanks, an unknown sentence or sound number
  // loses its line, missing fields print as empty texts; a name without a
  // result row contributes nothing.
  set_result("V1\tH\t\t\t40;2;2;99\t1;\r\nV2\tH\r\n");
  std::string written = report({{"V1"}, {"V9"}, {"V2"}}, {.details = true});
  EXPECT_EQ(written, report_text({"SPEC.NEV: V1", "ÖSSZ(db):\t     ", "ÁTL.(ms):\t     ",
                                  "MIN.(ms):\t   40", "      Szó(2): alma", "      Hang(2): a",
                                  "MAX.(ms):\t     "}) +
                         kSeparator +
                         report_text({"SPEC.NEV: V2", "ÖSSZ(db):\t     ", "ÁTL.(ms):\t     ",
                                      "MIN.(ms):\t     ", "MAX.(ms):\t     "}) +
                         kSeparator);
  EXPECT_EQ(host_.steps(), 3);
}

TEST_F(ReportTest, ShowsProgressPerTickedEntry) {
  report({{"V1"}, {"X", false}, {"V2"}}, {});
  std::string waiting = to_cp1250("SetText Kis türelmet kérek...");
  EXPECT_EQ(host_.progress_titles, std::vector<std::string>{to_cp1250("Az eredmény megjelenítése")});
  EXPECT_EQ(host_.progress_calls,
            (std::vector<std::string>{"BeginModal Progress", "SetRange 1 3 1", waiting, "StepIt",
                                      "PumpMessages 1", waiting + "\n\nV1", "IsCancelled",
                                      "StepIt", "PumpMessages 1", waiting + "\n\nV2",
                                      "IsCancelled", "Close"}));
  EXPECT_EQ(host_.opened_documents, std::vector<std::string>{names_.report});
}

TEST_F(ReportTest, CancelKeepsTheSectionsSoFarAndOpensThem) {
  set_result("A\tH\t1\t1\t\t\r\nB\tH\t2\t2\t\t\r\n");
  host_.cancel_after_steps = 1;
  std::string written = report({{"A"}, {"B"}}, {});
  EXPECT_EQ(outcome_, RunOutcome::cancelled);
  EXPECT_EQ(host_.message_texts(), std::vector<std::string>{"Progress Cancelled"});
  EXPECT_EQ(written.find("SPEC.NEV: B"), std::string::npos);
  EXPECT_EQ(written.find("SPEC.NEV: A"), 0u);
  EXPECT_EQ(host_.opened_documents, std::vector<std::string>{names_.report});
}

TEST_F(ReportTest, AsksBeforeReportingResultsOlderThanTheCorpus) {
  write_bytes(names_.report, "an older report");
  std::filesystem::path words = names_.words;
  std::filesystem::last_write_time(words,
                                   std::filesystem::last_write_time(words) + std::chrono::hours(1));
  host_.answers = {false};
  EXPECT_EQ(write_report({{"V1"}}, {}, names_, host_), RunOutcome::declined);
  ASSERT_EQ(host_.questions.size(), 1u);
  EXPECT_EQ(host_.questions[0].caption, to_cp1250("Elavult eredmény"));
  EXPECT_EQ(read_bytes(names_.report), "an older report");

  host_.answers = {true};
  EXPECT_EQ(write_report({{"V1"}}, {}, names_, host_), RunOutcome::completed);
  EXPECT_NE(read_bytes(names_.report), "an older report");

  // Within two seconds the tables count as made together with the results.
  std::filesystem::last_write_time(words, std::filesystem::last_write_time(names_.result) +
                                              std::chrono::seconds(1));
  EXPECT_FALSE(results_older_than_tables(names_));
}

TEST_F(ReportTest, AMissingTableStopsBeforeTheReportIsTouched) {
  for (const std::string* table : {&names_.sentences, &names_.result_dev}) {
    ScratchDir fresh;
    FakeHost host;
    OutputNames names = names_;
    names.report = fresh.file("report.txt");
    write_bytes(names.report, "an older report");
    std::string missing = *table;
    std::filesystem::rename(missing, missing + ".away");
    EXPECT_EQ(write_report({{"V1"}}, {}, names, host), RunOutcome::failed);
    std::filesystem::rename(missing + ".away", missing);
    EXPECT_EQ(host.message_texts(), std::vector<std::string>{to_cp1250("Sikertelen fájlnyitás")});
    EXPECT_TRUE(host.opened_documents.empty());
    EXPECT_TRUE(host.progress_titles.empty());
    EXPECT_EQ(read_bytes(names.report), "an older report");
  }
}

TEST(SplitOccurrence, CutsAtTheFirstThreeSemicolons) {
  struct Case {
    std::string_view text;
    Occurrence parts;
  };
  const Case cases[] = {
      {"40;2;2;1", {"40", "2", "2", "1"}},
      {"200;;311;12", {"200", "", "311", "12"}},
      {"1;2;3;4;5", {"1", "2", "3", "4;5"}},
      {"10000;;;", {"10000", "", "", ""}},
      {"1;;;", {}},  // shorter than 5 bytes
      {"", {}},
      {"12345", {"12345", "", "", ""}},
      {"1;2345", {"1", "2345", "", ""}},
      {"1;2;345", {"1", "2", "345", ""}},
  };
  for (const Case& c : cases) {
    Occurrence parts = split_occurrence(c.text);
    EXPECT_EQ(parts.value, c.parts.value) << c.text;
    EXPECT_EQ(parts.sound, c.parts.sound) << c.text;
    EXPECT_EQ(parts.word, c.parts.word) << c.text;
    EXPECT_EQ(parts.sentence, c.parts.sentence) << c.text;
  }
}

}  // namespace
}  // namespace zor
