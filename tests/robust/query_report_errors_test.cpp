// The query and the report writing to a full device: a failed run with a
// message naming the file, never a normal finish; the report is not handed
// to the viewer.
#include <gtest/gtest.h>

#include <filesystem>

#include "corpus/output_names.h"
#include "query/query_run.h"
#include "query/report.h"
#include "support/fake_host.h"
#include "support/test_files.h"

namespace zor {
namespace {

using test::ScratchDir;

class QueryReportErrors : public testing::Test {
 protected:
  QueryReportErrors() {
    for (const char* table : {"output_sentences.txt", "output_words.txt", "output_sounds.txt",
                              "output_result.txt", "output_result_dev.txt"}) {
      std::filesystem::copy_file(test::data_file(std::string("report/") + table), dir_.path() / table);
    }
    names_ = build_output_names(dir_.file(""), "output.txt");
    Specification vowels;
    vowels.fields = {"v", "H", "<V>", "<BARMI>;<BARMI>;<BARMI>", "<BARMI>;<BARMI>;<BARMI>", "BARMI",
                     "> 0", "", "", "BARMENNYI", "BARMENNYI", "BARMENNYI"};
    specifications_.push_back(vowels);
  }
  static bool named(const test::FakeHost& host, const std::string& path) {
    for (const test::ShownText& message : host.messages)
      if (message.text.find(path) != std::string::npos) return true;
    return false;
  }

  ScratchDir dir_;
  OutputNames names_;
  std::vector<Specification> specifications_;
  test::FakeHost host_;
};

TEST_F(QueryReportErrors, AResultTableOnAFullDeviceFailsTheQuery) {
  for (std::string OutputNames::*table : {&OutputNames::result, &OutputNames::result_dev}) {
    OutputNames names = names_;
    names.*table = "/dev/full";
    test::FakeHost host;
    EXPECT_EQ(run_query(specifications_, names, host), RunOutcome::failed);
    EXPECT_TRUE(named(host, "/dev/full"));
  }
}

TEST_F(QueryReportErrors, AReportOnAFullDeviceFailsAndIsNotOpened) {
  names_.report = "/dev/full";
  EXPECT_EQ(write_report({{"V1", true}}, {true, true}, names_, host_), RunOutcome::failed);
  EXPECT_TRUE(named(host_, "/dev/full"));
  EXPECT_TRUE(host_.opened_documents.empty());
}

TEST_F(QueryReportErrors, AReportInAMissingFolderFailsAndIsNotOpened) {
  names_.report = dir_.file("gone/output.txt");
  EXPECT_EQ(write_report({{"V1", true}}, {true, true}, names_, host_), RunOutcome::failed);
  EXPECT_TRUE(host_.opened_documents.empty());
}

}  // namespace
}  // namespace zor
