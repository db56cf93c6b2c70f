#include "cli/convert_step.h"

#include <gtest/gtest.h>

#include "conversion/recording_files.h"
#include "cli/exit_status.h"
#include "platform/encoding.h"
#include "corpus/label_tree.h"
#include "cli/recording_list.h"
#include "support/fake_host.h"

namespace zor {
namespace {

using test::read_bytes;
using test::ScratchDir;
using test::write_bytes;

// The first field of every row below the header.
std::vector<std::string> first_fields(const std::string& table, size_t field = 0) {
  std::vector<std::string> values;
  std::string bytes = read_bytes(table);
  size_t start = bytes.find("\r\n") + 2;
  while (start < bytes.size()) {
    size_t end = bytes.find("\r\n", start);
    std::string line = bytes.substr(start, end - start);
    for (size_t i = 0; i < field; ++i) line.erase(0, line.find('\t') + 1);
    values.push_back(line.substr(0, line.find('\t')));
    start = end + 2;
  }
  return values;
}

TEST(RecordingList, SkipsBlankLinesAndTheByteOrderMark) {
  ScratchDir dir;
  write_bytes(dir.path() / "list.txt",
              "\xEF\xBB\xBF/rec/a.wav\r\n\r\n  \t\r\nrel/b.wav\n/rec/\xc3\xa1rv\xc3\xadz.wav\n"
              "/rec/\xe6\x97\xa5.wav");
  std::vector<std::string> paths;
  ASSERT_TRUE(read_recording_list(dir.file("list.txt"), paths));
  EXPECT_EQ(paths, (std::vector<std::string>{"/rec/a.wav", "rel/b.wav", "/rec/\xe1rv\xedz.wav",
                                             "/rec/?.wav"}));
  EXPECT_FALSE(read_recording_list(dir.file("missing.txt"), paths));
  EXPECT_EQ(paths.size(), 4u);
}

TEST(RecordingList, SplitsAPathAfterItsLastSeparator) {
  Recording recording = recording_of("/rec/a.wav/s01.wav");
  EXPECT_EQ(recording.directory, "/rec/a.wav/");
  EXPECT_EQ(recording.file_name, "s01.wav");
  recording = recording_of("s01.wav");
  EXPECT_EQ(recording.directory, "");
  EXPECT_EQ(recording.file_name, "s01.wav");
}

TEST(ExitStatus, MapsEveryOutcome) {
  EXPECT_EQ(exit_status(RunOutcome::completed), 0);
  EXPECT_EQ(exit_status(RunOutcome::cancelled), 130);
  EXPECT_EQ(exit_status(RunOutcome::declined), 1);
  EXPECT_EQ(exit_status(RunOutcome::refused), 1);
  EXPECT_EQ(exit_status(RunOutcome::failed), 1);
}

class ConvertStepTest : public ::testing::Test {
 protected:
  ConvertStepTest() { options_.output.out_dir = out_.path().string(); }

  std::string table(std::string_view suffix) const {
    return out_.file("output_" + std::string(suffix) + ".txt");
  }
  int convert() { return convert_recordings(options_, host_); }

  ScratchDir recordings_;
  ScratchDir out_;
  ConvertOptions options_;
  test::FakeHost host_;
};

TEST_F(ConvertStepTest, NumbersSentencesByTheirPlaceInTheList) {
  std::string first = test::write_sentence(recordings_, "a", {{{"a"}}});
  std::string second = test::write_sentence(recordings_, "\xc3\xa1rv\xc3\xadzt\xc5\xb1r\xc5\x91",
                                            {{{"e"}}});
  write_bytes(recordings_.path() / "list.txt",
              first + "\r\n\r\n" + recordings_.file("gone.wav") + "\r\n" + second + "\n");
  options_.list_file = recordings_.file("list.txt");
  EXPECT_EQ(convert(), kExitPartial);

  EXPECT_EQ(first_fields(table("sentences")), (std::vector<std::string>{"1", "3"}));
  // The path as given, in Windows-1250.
  EXPECT_EQ(first_fields(table("sentences"), 1),
            (std::vector<std::string>{first, from_native_file_name(second)}));
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0].caption, "Hiba 2...");
}

TEST_F(ConvertStepTest, ConvertsWavFilesNamedDirectlyIntoANewFolder) {
  options_.output.out_dir = out_.file("new/folder");
  options_.wav_files = {test::write_sentence(recordings_, "x", {{{"o", "k"}}}),
                        test::write_sentence(recordings_, "y", {{{"u"}}})};
  options_.output.base = "korpusz.csv";
  EXPECT_EQ(convert(), kExitCompleted);
  EXPECT_EQ(first_fields(out_.file("new/folder/korpusz_sentences.csv")), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(first_fields(out_.file("new/folder/korpusz_words.csv"), 3), (std::vector<std::string>{"ok", "u"}));
  EXPECT_TRUE(std::filesystem::exists(out_.file("new/folder/korpusz_sounds.csv")));
}

TEST_F(ConvertStepTest, TakesTheLabelsFromALabelTreeFile) {
  LabelTree tree;
  tree.add_node(nullptr, "Mind", "o,k");
  ASSERT_TRUE(save_label_tree(tree, recordings_.file("tree.txt")));
  options_.labels_file = recordings_.file("tree.txt");
  options_.wav_files = {test::write_sentence(recordings_, "x", {{{"o", "k"}}})};
  EXPECT_EQ(convert(), kExitCompleted);
  EXPECT_EQ(first_fields(table("sounds"), 4), (std::vector<std::string>{"Mind", "Mind"}));
}

TEST_F(ConvertStepTest, FailsOnInputsItCannotRead) {
  struct Case {
    const char* name;
    std::string labels, list;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"label tree", recordings_.file("no-tree.txt"), "",
       "Cannot read the label-tree file " + recordings_.file("no-tree.txt") +
           ": No such file or directory"},
      {"list", "", recordings_.file("no-list.txt"),
       "Cannot read the list file " + recordings_.file("no-list.txt") +
           ": No such file or directory"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::FakeHost host;
    options_.labels_file = c.labels;
    options_.list_file = c.list;
    options_.wav_files = {recordings_.file("a.wav")};
    EXPECT_EQ(convert_recordings(options_, host), kExitFailed);
    EXPECT_EQ(host.message_texts(), std::vector<std::string>{c.message});
    EXPECT_FALSE(std::filesystem::exists(table("sentences")));
  }
}

TEST_F(ConvertStepTest, FailsWhenTheRunRefusesOrCannotWrite) {
  write_bytes(recordings_.path() / "empty.txt", "\r\n");
  options_.list_file = recordings_.file("empty.txt");
  EXPECT_EQ(convert(), kExitFailed);
  EXPECT_EQ(host_.message_texts(),
            std::vector<std::string>{to_cp1250("Nincs hangfájl megadva! Lapozzon az 1. oldalra!")});

  options_.list_file.clear();
  options_.wav_files = {test::write_sentence(recordings_, "x", {{{"o"}}})};
  write_bytes(out_.path() / "plain-file", "");
  options_.output.out_dir = out_.file("plain-file/out");
  EXPECT_EQ(convert(), kExitFailed);
  EXPECT_EQ(host_.message_texts().back().rfind("Sikerelen nyitas!\n" + out_.file("plain-file/out"), 0),
            0u);
}

}  // namespace
}  // namespace zor
