// Hostile label and pitch-mark files. Each case finishes at once, without a
// crash, and with the result code or the sounds noted beside it; a failed
// set is listed by the conversion and the run goes on.
#include <gtest/gtest.h>

#include <filesystem>

#include "conversion/file_set_reader.h"
#include "conversion/recording_files.h"

namespace zor {
namespace {

using test::label_file_text;
using test::label_line;
using test::pitch_bytes;
using test::ScratchDir;
using test::write_bytes;

class HostileRecording : public testing::Test {
 protected:
  // Two sounds in one word, then the final pause.
  void write_marks() {
    write_bytes(stem_ + ".pit", pitch_bytes({{test::kWordMark, 0}, {test::kSoundMark, 441},
                                             {test::kWordMark, 882}}));
  }
  void write_labels(std::string_view text) { write_bytes(stem_ + ".imf", text); }
  SetResult open() { return reader_.open_set(stem_ + ".wav"); }
  std::vector<std::string> sounds() {
    std::vector<std::string> labels;
    for (std::string label = reader_.next_sound(); !label.empty(); label = reader_.next_sound())
      labels.push_back(label);
    return labels;
  }

  ScratchDir dir_;
  std::string stem_ = dir_.file("s01");
  FileSetReader reader_;
};

TEST_F(HostileRecording, APitchFileOfFourGigabytesIsRejectedWithoutBeingRead) {
  // A sparse file with a valid header: reading it would take seconds and
  // 4 GB of memory. It is far beyond one sentence: result 1, "Hiba 2...".
  write_labels(label_file_text(3, {label_line("a"), label_line("b"), label_line("_")}));
  write_bytes(stem_ + ".pit", pitch_bytes({{test::kWordMark, 0}}));
  std::filesystem::resize_file(stem_ + ".pit", (std::uintmax_t{4} << 30) + 36);
  EXPECT_EQ(open(), SetResult::bad_pitch_records);
  reader_.close_set();
}

TEST_F(HostileRecording, APitchFileOfOddLengthIgnoresItsPartialRecord) {
  write_labels(label_file_text(3, {label_line("a"), label_line("b"), label_line("_")}));
  for (size_t extra : {1, 2, 3, 4}) {
    write_bytes(stem_ + ".pit", pitch_bytes({{test::kWordMark, 0}, {test::kSoundMark, 441},
                                             {test::kWordMark, 882}}) +
                                    std::string(extra, '\x1c'));
    EXPECT_EQ(open(), SetResult::opened) << extra;
    EXPECT_EQ(sounds(), (std::vector<std::string>{"a", "b"}));
    reader_.close_set();
  }
}

TEST_F(HostileRecording, ALabelLineOfTenMegabytesIsReadAsOneSound) {
  // The label is field 6 however long the line; the comment around it is
  // ignored.
  write_marks();
  std::string long_line = label_line("a") + std::string(10 << 20, 'x');
  write_labels(label_file_text(3, {long_line, label_line("b"), label_line("_")}));
  ASSERT_EQ(open(), SetResult::opened);
  EXPECT_EQ(sounds(), (std::vector<std::string>{"a", "b"}));
  reader_.close_set();
}

TEST_F(HostileRecording, AHundredThousandOpeningBracketsGiveNoSoundCount) {
  write_marks();
  // In the header, the text after the second "<" holds no digit: N = 0,
  // which differs from the three boundaries, result 4 ("Hiba 1...").
  write_labels("matrix" + std::string(100000, '<') + "\r\n");
  EXPECT_EQ(open(), SetResult::count_mismatch);
  reader_.close_set();

  // In a data line, field 6 runs to the end of the line: the label is the
  // rest of the brackets, one long sound that counts as a vowel.
  write_labels(label_file_text(3, {std::string(100000, '<'), label_line("b"), label_line("_")}));
  ASSERT_EQ(open(), SetResult::opened);
  std::vector<std::string> labels = sounds();
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[0], std::string(100000 - 6, '<'));
  EXPECT_EQ(labels[1], "b");
  reader_.close_set();
}

TEST_F(HostileRecording, ZeroBytesEndTheLineTheyStandIn) {
  write_marks();
  // "matrix" and then a zero byte: the header has no "<", result 2.
  write_labels(std::string("matrix\0 <1> <3>\r\n", 17) + label_line("a") + "\r\n");
  EXPECT_EQ(open(), SetResult::bad_label_header);
  reader_.close_set();

  // A zero byte inside a label cuts it: "k\0x" is read as "k"; a line that
  // starts with one is an empty line and ends the sentence.
  std::string cut = "<0> <0> <0> <100> <x> <k" + std::string(1, '\0') + "x>";
  write_labels(label_file_text(3, {cut, label_line("a"), label_line("_")}));
  ASSERT_EQ(open(), SetResult::opened);
  EXPECT_EQ(sounds(), (std::vector<std::string>{"k", "a"}));
  reader_.close_set();
  write_labels(label_file_text(3, {std::string(1, '\0') + label_line("k"), label_line("a")}));
  ASSERT_EQ(open(), SetResult::opened);
  EXPECT_TRUE(sounds().empty());
  reader_.close_set();
}

TEST_F(HostileRecording, AnEmptyOrBinaryLabelFileFailsItsHeaderCheck) {
  write_marks();
  for (std::string_view text : {std::string_view(""), std::string_view("\xff\xfe\x00\x01", 4),
                                std::string_view("MATRIX <1> <3>")}) {
    write_labels(text);
    EXPECT_EQ(open(), SetResult::bad_label_header);
    reader_.close_set();
  }
}

TEST_F(HostileRecording, AWordOfManyPausesIsReadInOnePass) {
  // Every pause looks ahead for a later consonant of its word; re-scanning
  // the word for each sound would take minutes here. The consonants get the
  // places of a short word.
  constexpr std::uint32_t kPauses = 200000;
  std::vector<std::string> lines{label_line("k")};
  lines.insert(lines.end(), kPauses, label_line("_"));
  lines.push_back(label_line("k"));
  lines.push_back(label_line("_"));
  std::vector<test::PitchMark> marks{{test::kWordMark, 0}};
  for (std::uint32_t i = 1; i <= kPauses + 1; ++i) marks.push_back({test::kSoundMark, i * 10});
  marks.push_back({test::kWordMark, (kPauses + 2) * 10});
  write_labels(label_file_text(static_cast<int>(lines.size()), lines));
  write_bytes(stem_ + ".pit", pitch_bytes(marks));
  ASSERT_EQ(open(), SetResult::opened);
  std::vector<std::string_view> consonant_places;
  for (std::string label = reader_.next_sound(); !label.empty(); label = reader_.next_sound())
    if (label == "k") consonant_places.push_back(reader_.sound_position());
  reader_.close_set();
  EXPECT_EQ(consonant_places, (std::vector<std::string_view>{"ELSO", "UTOLSO"}));
}

}  // namespace
}  // namespace zor
