// The query run as a whole: its questions and messages in their order, the
// progress window, cancelling, the statistics of the result table and the
// failures of its files.
#include "query/query_run.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/encoding.h"
#include "query_test_support.h"

namespace zor::test {
namespace {

const std::string kResultHeader =
    "EREDMENY_SPECNEV\tEREDMENY_SPECTIPUS\tEREDMENY_DB\tEREDMENY_ATLAG\tEREDMENY_MIN\tEREDMENY_MAX\n";
const std::string kDistributionHeader =
    "EREDMENYSZ_SPECNEV\tEREDMENYSZ_SPECTIPUS\tEREDMENYSZ_INTERV\tEREDMENYSZ_DB\n";

// One word of "a" sounds lasting the given durations.
CorpusBuilder vowels_lasting(const std::vector<std::string>& durations) {
  CorpusBuilder corpus;
  TestWord word;
  for (const std::string& duration : durations) word.sounds.push_back({"a", duration});
  corpus.sentence({word});
  return corpus;
}

class QueryRun : public ::testing::Test {
 protected:
  void write(const CorpusBuilder& corpus) {
    folder.write_tables(corpus.sentences, corpus.words, corpus.sounds);
  }
  std::vector<std::string> result_lines() {
    std::vector<std::string> lines;
    std::string text = folder.result();
    for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
      lines.push_back(text.substr(start, end - start));
    return lines;
  }
  QueryFolder folder;
};

TEST_F(QueryRun, IntervalBoundsOfTheDistribution) {
  write(vowels_lasting({"0", "10", "11", "20", "19.9", "-0.5"}));
  ASSERT_EQ(folder.run({sound_spec("i", "a")}), RunOutcome::completed);
  EXPECT_EQ(folder.distribution(),
            crlf(kDistributionHeader +
                 "i\tH\t10\t0;1;1;1\ni\tH\t10\t10;2;1;1\ni\tH\t20\t11;3;1;1\ni\tH\t20\t20;4;1;1\n"
                 "i\tH\t20\t19;5;1;1\ni\tH\t10\t0;6;1;1\n"));
}

TEST_F(QueryRun, StatisticsKeepTheEarliestExtremes) {
  write(vowels_lasting({"30", "31", "31", "30"}));
  ASSERT_EQ(folder.run({sound_spec("t", "a"), sound_spec("n", "x")}), RunOutcome::completed);
  EXPECT_EQ(result_lines(), (std::vector<std::string>{kResultHeader.substr(0, kResultHeader.size() - 1),
                                                       "t\tH\t4\t30\t30;1;1;1\t31;2;1;1"}));
}

TEST_F(QueryRun, ASingleHitIsCountMeanMinimumAndMaximum) {
  write(vowels_lasting({"7"}));
  ASSERT_EQ(folder.run({sound_spec("one", "a")}), RunOutcome::completed);
  EXPECT_EQ(result_lines().at(1), "one\tH\t1\t7\t7;1;1;1\t7;1;1;1");
}

TEST_F(QueryRun, HitsOfTenSecondsOrMoreReportTheirTrueMinimum) {
  write(vowels_lasting({"15000", "12000", "12000"}));
  ASSERT_EQ(folder.run({sound_spec("long", "a")}), RunOutcome::completed);
  EXPECT_EQ(result_lines().at(1), "long\tH\t3\t13000\t12000;2;1;1\t15000;1;1;1");
}

TEST_F(QueryRun, DurationsAreTruncatedAndOutOfRangeValuesCountAsTheLowest) {
  write(vowels_lasting({"abc", "1e300", "5.9", "-2.5"}));
  ASSERT_EQ(folder.run({sound_spec("odd", "a")}), RunOutcome::completed);
  EXPECT_EQ(result_lines().at(1), "odd\tH\t4\t" + std::to_string((3LL - 2147483648LL) / 4) +
                                      "\t-2147483648;2;1;1\t5;3;1;1");
}

TEST_F(QueryRun, SpecificationsWithoutHitsLeaveTheHeadersOnly) {
  write(vowels_lasting({"30"}));
  ASSERT_EQ(folder.run({sound_spec("n", "b"), word_spec("w", "> 5")}), RunOutcome::completed);
  EXPECT_EQ(folder.result(), crlf(kResultHeader));
  EXPECT_EQ(folder.distribution(), crlf(kDistributionHeader));
  EXPECT_TRUE(folder.host.messages.empty());
}

TEST_F(QueryRun, AsksFirstAndShowsProgressPerSpecification) {
  write(vowels_lasting({"30"}));
  ASSERT_EQ(folder.run({sound_spec("s1", "a"), sound_spec("s2", "a")}), RunOutcome::completed);
  ASSERT_EQ(folder.host.questions.size(), 1u);
  EXPECT_EQ(folder.host.questions[0].caption, to_cp1250("Lekérdezés indítása..."));
  EXPECT_EQ(folder.host.questions[0].text,
            to_cp1250("Az 4. lapon lévő információk és az 1. 2. és 3. sorszámmal \njelzett állományok "
                      "alapján a 4. és 5. állomány jön létre!\n\nValóban elindítja a lekérdezést?"));
  EXPECT_EQ(folder.host.progress_titles, std::vector<std::string>{to_cp1250("Lekérdezés")});
  const std::string waiting = to_cp1250("Kis türelmet kérek...");
  EXPECT_EQ(folder.host.progress_calls,
            (std::vector<std::string>{"BeginModal Progress", "SetRange 1 2 1", "SetText " + waiting,
                                      "StepIt", "PumpMessages 1", "SetText " + waiting + "\n\ns1",
                                      "IsCancelled", "StepIt", "PumpMessages 1",
                                      "SetText " + waiting + "\n\ns2", "IsCancelled", "Close"}));
}

TEST_F(QueryRun, DecliningTouchesNothing) {
  write(vowels_lasting({"30"}));
  write_bytes(folder.names().result, "old");
  folder.host.answers = {false};
  EXPECT_EQ(folder.run({sound_spec("s", "a")}), RunOutcome::declined);
  EXPECT_EQ(folder.result(), "old");
  EXPECT_TRUE(folder.host.messages.empty());
  EXPECT_TRUE(folder.host.progress_titles.empty());
}

TEST_F(QueryRun, NoSpecificationIsRefusedBeforeAnyFile) {
  EXPECT_EQ(folder.run({}), RunOutcome::refused);
  EXPECT_EQ(folder.host.message_texts(),
            std::vector<std::string>{to_cp1250("Nincs egyetlen specifikácó sem megadva! Lapozzon az 3. oldalra!")});
  EXPECT_FALSE(std::filesystem::exists(folder.names().result));
}

TEST_F(QueryRun, EveryFileThatFailsIsNamedInOrderAndTheOldOutputsStay) {
  write_bytes(folder.names().result_dev, "old");
  const std::string result = folder.names().result;
  folder.names().result = result + "/missing/r.txt";
  EXPECT_EQ(folder.run({sound_spec("s", "a")}), RunOutcome::failed);
  const std::string tail = to_cp1250("' \nállományt nem lehet megnyitni!");
  const std::string use_conversion = to_cp1250(" Kérem használja az 1. Konverzió gombot.");
  const OutputNames& names = folder.names();
  EXPECT_EQ(folder.host.message_texts(),
            (std::vector<std::string>{"A '" + names.sentences + tail + use_conversion,
                                      "A '" + names.words + tail + use_conversion,
                                      "A '" + names.sounds + tail + use_conversion,
                                      "A '" + names.result + tail}));
  EXPECT_EQ(folder.distribution(), "old");
  EXPECT_TRUE(folder.host.progress_titles.empty());
}

TEST_F(QueryRun, CancelKeepsTheLinesUpToTheCancelledSpecification) {
  write(vowels_lasting({"30"}));
  folder.host.cancel_after_steps = 3;
  EXPECT_EQ(folder.run({sound_spec("s1", "a"), sound_spec("s2", "a"), sound_spec("s3", "a"),
                        sound_spec("s4", "a")}),
            RunOutcome::cancelled);
  EXPECT_EQ(folder.host.message_texts(), std::vector<std::string>{"Progress Cancelled"});
  std::vector<std::string> lines = result_lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3], "s3\tH\t1\t30\t30;1;1;1\t30;1;1;1");
  EXPECT_EQ(folder.distribution(),
            crlf(kDistributionHeader + "s1\tH\t30\t30;1;1;1\ns2\tH\t30\t30;1;1;1\ns3\tH\t30\t30;1;1;1\n"));
  EXPECT_EQ(folder.host.progress_calls.back(), "Close");
}

TEST_F(QueryRun, AFailedWriteIsReported) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  write(vowels_lasting({"30"}));
  folder.names().result = "/dev/full";
  EXPECT_EQ(folder.run({sound_spec("s", "a")}), RunOutcome::failed);
  EXPECT_EQ(folder.host.message_texts(),
            std::vector<std::string>{to_cp1250("Hiba az állomány írásakor:\n") + "/dev/full\n"});
}

}  // namespace
}  // namespace zor::test
