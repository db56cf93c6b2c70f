// zor-cli query as a program: its options, the specification file, the exit
// statuses and the messages on stderr.
#include <gtest/gtest.h>

#include "platform/encoding.h"
#include "query/specification_list.h"
#include "query_cli_support.h"
#include "query/query_test_support.h"

namespace zor::test {
namespace {

class QueryCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    CorpusBuilder corpus;
    corpus.sentence({{{{"a", "30"}, {"l", "20"}}}});
    write_bytes(dir.path() / "output_sentences.txt", crlf(corpus.sentences));
    write_bytes(dir.path() / "output_words.txt", crlf(corpus.words));
    write_bytes(dir.path() / "output_sounds.txt", crlf(corpus.sounds));
    SpecificationList specs;
    specs.append(sound_spec("v", "<V>"));
    specs.append(word_spec("w", "= 1"));
    ASSERT_TRUE(save_specifications(specs, dir.file("specs.txt")));
  }
  int query(const std::string& arguments) {
    return run_program(zor_cli() + " query " + arguments, dir, errors);
  }
  std::string out_dir() const { return " --out-dir " + shell_quoted(dir.file("")); }

  ScratchDir dir;
  std::string errors;
};

TEST_F(QueryCommand, WritesBothResultFiles) {
  ASSERT_EQ(query(out_dir() + " --specs " + shell_quoted(dir.file("specs.txt")) + " --quiet"), 0) << errors;
  EXPECT_EQ(read_bytes(dir.path() / "output_result.txt"),
            crlf("EREDMENY_SPECNEV\tEREDMENY_SPECTIPUS\tEREDMENY_DB\tEREDMENY_ATLAG\tEREDMENY_MIN\t"
                 "EREDMENY_MAX\nv\tH\t1\t30\t30;1;1;1\t30;1;1;1\nw\tSZ\t1\t50\t50;;1;1\t50;;1;1\n"));
  EXPECT_EQ(read_bytes(dir.path() / "output_result_dev.txt"),
            crlf("EREDMENYSZ_SPECNEV\tEREDMENYSZ_SPECTIPUS\tEREDMENYSZ_INTERV\tEREDMENYSZ_DB\n"
                 "v\tH\t30\t30;1;1;1\nw\tSZ\t50\t50;;1;1\n"));
  EXPECT_EQ(errors, "");
}

TEST_F(QueryCommand, TheBaseNameChoosesTheFiles) {
  for (const char* table : {"sentences", "words", "sounds"})
    std::filesystem::rename(dir.path() / ("output_" + std::string(table) + ".txt"),
                            dir.path() / ("k_" + std::string(table) + ".tsv"));
  ASSERT_EQ(query(out_dir() + " --base k.tsv --specs " + shell_quoted(dir.file("specs.txt"))), 0) << errors;
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "k_result.tsv"));
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "k_result_dev.tsv"));
}

TEST_F(QueryCommand, AnUnreadableSpecificationFileIsNamed) {
  EXPECT_EQ(query(out_dir() + " --specs " + shell_quoted(dir.file("nincs.txt"))), 1);
  EXPECT_NE(errors.find(dir.file("nincs.txt")), std::string::npos) << errors;
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "output_result.txt"));
}

TEST_F(QueryCommand, MissingTablesStopTheRunWithTheMessagesInUtf8) {
  std::filesystem::remove(dir.path() / "output_words.txt");
  EXPECT_EQ(query(out_dir() + " --specs " + shell_quoted(dir.file("specs.txt"))), 1);
  // The wizard's button is named as the command that makes the tables.
  EXPECT_NE(errors.find("output_words.txt' \nállományt nem lehet megnyitni! Kérem futtassa előbb a "
                        "zor-cli convert parancsot."),
            std::string::npos)
      << errors;
  EXPECT_EQ(errors.find("gombot"), std::string::npos) << errors;
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "output_result.txt"));
}

TEST_F(QueryCommand, ATableWithoutAColumnTheRunReadsIsRefusedByName) {
  const std::string specs = " --quiet --specs " + shell_quoted(dir.file("specs.txt"));
  const std::filesystem::path sounds = dir.path() / "output_sounds.txt";
  const std::string table = read_bytes(sounds);
  // Hand-edited: the duration column renamed, then left out of the header.
  for (const std::string& header : {std::string("HANG_HOSSZ_MS"), std::string()}) {
    std::string edited = table;
    edited.replace(edited.find("\tHANG_HOSSZ"), 11, header.empty() ? "" : "\t" + header);
    write_bytes(sounds, edited);
    EXPECT_EQ(query(out_dir() + specs), 1);
    EXPECT_NE(errors.find(dir.file("output_sounds.txt") + "' táblából hiányzik a(z) HANG_HOSSZ "
                          "oszlop (a 6. helyen)"),
              std::string::npos)
        << errors;
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "output_result.txt"));
  }
  // The short flag is not read: its header may say anything.
  std::string edited = table;
  edited.replace(edited.find("HANG_RH"), 7, "RH");
  write_bytes(sounds, edited);
  EXPECT_EQ(query(out_dir() + specs), 0) << errors;

  // The report checks the result table it reads.
  std::filesystem::path result = dir.path() / "output_result.txt";
  std::string result_table = read_bytes(result);
  result_table.replace(result_table.find("EREDMENY_ATLAG"), 14, "ATLAG");
  write_bytes(result, result_table);
  EXPECT_EQ(run_program(zor_cli() + " report --quiet" + out_dir(), dir, errors), 1);
  EXPECT_NE(errors.find("hiányzik a(z) EREDMENY_ATLAG oszlop (a 4. helyen)"), std::string::npos)
      << errors;
}

TEST_F(QueryCommand, TwoSpecificationsOfOneNameAreReportedEachWithItsOwnFigures) {
  SpecificationList specs;
  specs.append(sound_spec("same", "<V>"));
  specs.append(sound_spec("same", "<C>"));
  ASSERT_TRUE(save_specifications(specs, dir.file("same.txt")));
  ASSERT_EQ(query(out_dir() + " --quiet --specs " + shell_quoted(dir.file("same.txt"))), 0) << errors;
  ASSERT_EQ(run_program(zor_cli() + " report --quiet --distribution" + out_dir(), dir, errors), 0)
      << errors;
  const std::string report = read_bytes(dir.path() / "output.txt");
  const std::string mean = to_cp1250("ÁTL.(ms):\t");
  size_t first = report.find(mean);
  size_t second = report.find(mean, first + 1);
  ASSERT_NE(second, std::string::npos) << report;
  EXPECT_EQ(report.substr(first + mean.size(), 5), "   30");
  EXPECT_EQ(report.substr(second + mean.size(), 5), "   20");
  // Each section counts only its own hit.
  EXPECT_EQ(report.find("  20-  30:\t    1 \r\n", second), std::string::npos) << report;
}

TEST_F(QueryCommand, AnEmptySpecificationFileIsRefused) {
  write_bytes(dir.path() / "empty.txt", "");
  EXPECT_EQ(query(out_dir() + " --specs " + shell_quoted(dir.file("empty.txt"))), 1);
  EXPECT_NE(errors.find("Nincs egyetlen specifikácó sem megadva!"), std::string::npos) << errors;
}

TEST_F(QueryCommand, UsageErrors) {
  EXPECT_EQ(query(out_dir()), 2);
  EXPECT_EQ(query("--specs " + shell_quoted(dir.file("specs.txt"))), 2);
  EXPECT_EQ(query(out_dir() + " --specs x --bogus"), 2);
}

}  // namespace
}  // namespace zor::test
