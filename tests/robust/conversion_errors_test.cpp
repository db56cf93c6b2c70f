// The conversion writing to a full device or into a folder that is not there:
// a failed run with a message naming the files, never a normal finish.
#include <gtest/gtest.h>

#include "conversion/conversion_run.h"
#include "conversion/recording_files.h"
#include "platform/encoding.h"
#include "platform/paths.h"
#include "corpus/label_tree.h"
#include "support/fake_host.h"

namespace zor {
namespace {

using test::ScratchDir;

class ConversionErrors : public testing::TestWithParam<int> {
 protected:
  ConversionErrors() {
    tree_.build_default_tree();
    std::string wav = test::write_sentence(dir_, "s01", test::SentenceSpec({{"a", "l", "m", "a"}}));
    input_.recordings.push_back({file_name_part(wav), directory_part(wav)});
    input_.sentences_path = dir_.file("out_sentences.txt");
    input_.words_path = dir_.file("out_words.txt");
    input_.sounds_path = dir_.file("out_sounds.txt");
  }
  std::string& table_path(int table) {
    return table == 0 ? input_.sentences_path : table == 1 ? input_.words_path : input_.sounds_path;
  }

  ScratchDir dir_;
  LabelTree tree_;
  ConversionInput input_;
  test::FakeHost host_;
};

TEST_P(ConversionErrors, AFullDeviceFailsTheRunAndNamesTheTable) {
  table_path(GetParam()) = "/dev/full";
  EXPECT_EQ(run_conversion(input_, tree_, host_), RunOutcome::failed);
  ASSERT_FALSE(host_.messages.empty());
  EXPECT_EQ(host_.messages.back().text, to_cp1250("Hiba az állomány írásakor:\n") + "/dev/full\n");
}

TEST_P(ConversionErrors, AMissingFolderStopsTheRunBeforeItStarts) {
  table_path(GetParam()) = dir_.file("gone/out.txt");
  EXPECT_EQ(run_conversion(input_, tree_, host_), RunOutcome::failed);
  EXPECT_EQ(host_.message_texts(),
            std::vector<std::string>{"Sikerelen nyitas!\n" + dir_.file("gone/out.txt") +
                                     ": No such file or directory\n"});
  EXPECT_TRUE(host_.progress_titles.empty());
}

INSTANTIATE_TEST_SUITE_P(EachTable, ConversionErrors, testing::Values(0, 1, 2));

}  // namespace
}  // namespace zor
