#include "conversion/file_set_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <vector>

#include "recording_files.h"

namespace zor {
namespace {

using test::data_file;
using test::FinalPause;
using test::kSoundMark;
using test::kWordMark;
using test::label_file_text;
using test::label_line;
using test::pitch_bytes;
using test::PitchMark;
using test::ScratchDir;
using test::SentenceSpec;
using test::write_bytes;

// What the reader tells about one sound handed out.
struct SoundView {
  std::string label;
  double duration;
  std::string position;
  bool is_short;
  bool starts_word;
  int word_place;
  std::array<std::string, 6> neighbours;  // -3, -2, -1, 1, 2, 3
};

std::vector<SoundView> read_all(FileSetReader& reader) {
  std::vector<SoundView> sounds;
  for (std::string label = reader.next_sound(); !label.empty(); label = reader.next_sound()) {
    SoundView view{label,
                   reader.sound_duration(),
                   std::string(reader.sound_position()),
                   reader.is_short(),
                   reader.starts_word(),
                   reader.word_place(),
                   {}};
    int n[] = {-3, -2, -1, 1, 2, 3};
    for (int i = 0; i < 6; ++i) view.neighbours[i] = reader.context_sound(n[i]);
    sounds.push_back(view);
  }
  return sounds;
}

std::vector<std::string> labels_of(const std::vector<SoundView>& sounds) {
  std::vector<std::string> labels;
  for (const SoundView& sound : sounds) labels.push_back(sound.label);
  return labels;
}

std::vector<std::string> positions_of(const std::vector<SoundView>& sounds) {
  std::vector<std::string> positions;
  for (const SoundView& sound : sounds) positions.push_back(sound.position);
  return positions;
}

TEST(FileSetReaderAlma, HandsOutTheWorkedExample) {
  FileSetReader reader;
  ASSERT_EQ(reader.open_set(data_file("alma/alma.wav")), SetResult::opened);
  EXPECT_EQ(reader.header_sound_count(), 6);
  EXPECT_EQ(reader.sentence_text(), "alma");
  std::vector<SoundView> sounds = read_all(reader);
  reader.close_set();

  struct Expected {
    std::string_view label;
    double duration;
    std::string_view position;
    bool starts_word;
    std::array<std::string_view, 6> neighbours;
  };
  const std::vector<Expected> expected = {
      {"_", 100, "", true, {"", "", "", "a", "l", "m"}},
      {"a", 40, "ELSO", true, {"", "", "_", "l", "m", "a"}},
      {"l", 60, "ELSO", false, {"", "_", "a", "m", "a", ""}},
      {"m", 60, "UTOLSO", false, {"_", "a", "l", "a", "", ""}},
      {"a", 140, "UTOLSO", false, {"a", "l", "m", "", "", ""}},
  };
  ASSERT_EQ(sounds.size(), expected.size());
  for (size_t i = 0; i < sounds.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(sounds[i].label, expected[i].label);
    EXPECT_DOUBLE_EQ(sounds[i].duration, expected[i].duration);
    EXPECT_EQ(sounds[i].position, expected[i].position);
    EXPECT_TRUE(sounds[i].is_short);
    EXPECT_EQ(sounds[i].starts_word, expected[i].starts_word);
    for (size_t n = 0; n < 6; ++n) EXPECT_EQ(sounds[i].neighbours[n], expected[i].neighbours[n]);
  }
  // The pause word ends when "a" is read: the word index is 1 from then on.
  EXPECT_EQ(sounds[1].word_place, 0);
}

// One scratch recording "s" per test; each test writes the files it needs.
class FileSetReaderSet : public ::testing::Test {
 protected:
  void write_labels(const std::string& text) { write_bytes(dir_.file("s.imf"), text); }
  void write_pitch(const std::string& bytes) { write_bytes(dir_.file("s.pit"), bytes); }
  void write_text(const std::string& text) { write_bytes(dir_.file("s.txt"), text); }
  // Labels with code "100" and one sound boundary per label, 441 samples apart.
  void write_plain(const std::vector<std::string>& labels, int header_count) {
    std::vector<std::string> lines;
    std::vector<PitchMark> marks;
    for (const std::string& label : labels) {
      marks.push_back({marks.empty() ? kWordMark : kSoundMark,
                       static_cast<std::uint32_t>(marks.size() * 441)});
      lines.push_back(label_line(label));
    }
    write_labels(label_file_text(header_count, lines));
    write_pitch(pitch_bytes(marks));
  }
  SetResult open() { return reader_.open_set(wav()); }
  std::string wav() const { return dir_.file("s.wav"); }

  ScratchDir dir_;
  FileSetReader reader_;
};

TEST_F(FileSetReaderSet, ReportsEachFaultWithItsResultCode) {
  const std::string good_labels = label_file_text(2, {label_line("a"), label_line("b")});
  const std::string good_pitch = pitch_bytes({{kWordMark, 0}, {kSoundMark, 441}});
  struct Case {
    const char* name;
    std::optional<std::string> labels, pitch;
    SetResult expected;
  };
  const std::vector<Case> cases = {
      {"no label file", std::nullopt, good_pitch, SetResult::cannot_open},
      {"no pitch file", good_labels, std::nullopt, SetResult::cannot_open},
      {"pitch file under 36 bytes", good_labels, good_pitch.substr(0, 35),
       SetResult::bad_pitch_records},
      {"empty pitch file", good_labels, "", SetResult::bad_pitch_records},
      {"boundaries go backwards", good_labels, pitch_bytes({{kWordMark, 441}, {kSoundMark, 0}}),
       SetResult::bad_pitch_records},
      {"capital Matrix", "Matrix <1> <2>\r\n", good_pitch, SetResult::bad_label_header},
      {"no angle bracket", "matrix 1 2\r\n", good_pitch, SetResult::bad_label_header},
      {"one angle bracket", "matrix <1> 2\r\n", good_pitch, SetResult::bad_label_header},
      {"empty label file", "", good_pitch, SetResult::bad_label_header},
      {"wrong magic", good_labels, pitch_bytes({{kWordMark, 0}, {kSoundMark, 441}}, 0xBABAFEFE),
       SetResult::bad_pitch_magic},
      {"count differs", label_file_text(3, {label_line("a")}), good_pitch,
       SetResult::count_mismatch},
      {"header only, 36 bytes", label_file_text(0, {}), pitch_bytes({}),
       SetResult::no_sound_boundary},
      {"40 bytes hold no record", label_file_text(0, {}), pitch_bytes({}) + std::string("\x1c\0\0\0", 4),
       SetResult::no_sound_boundary},
      {"only ignored flags", label_file_text(0, {}), pitch_bytes({{0x04, 0}, {0x08, 9}}),
       SetResult::no_sound_boundary},
      {"consistent", good_labels, good_pitch, SetResult::opened},
      {"equal neighbours are no decrease", good_labels,
       pitch_bytes({{kWordMark, 441}, {kSoundMark, 441}}), SetResult::opened},
      // The order of the checks decides when a set has several faults.
      {"label header before pitch file", "matrix\r\n", std::nullopt,
       SetResult::bad_label_header},
      {"short pitch before magic", good_labels, std::string(10, 'x'),
       SetResult::bad_pitch_records},
      {"decrease before count", label_file_text(5, {}),
       pitch_bytes({{kWordMark, 441}, {kSoundMark, 0}}), SetResult::bad_pitch_records},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(dir_.path() / "s.imf");
    std::filesystem::remove(dir_.path() / "s.pit");
    if (c.labels) write_labels(*c.labels);
    if (c.pitch) write_pitch(*c.pitch);
    EXPECT_EQ(open(), c.expected);
    reader_.close_set();
  }
}

TEST_F(FileSetReaderSet, ReadsBothHeaderNumbersWithOrWithoutBlanks) {
  for (std::string header : {"matrix <7> <12>", "matrix<7><12>", "matrix< 7><\t12 junk>"}) {
    SCOPED_TRACE(header);
    std::vector<PitchMark> marks;
    for (std::uint32_t i = 0; i < 12; ++i) marks.push_back({kSoundMark, i});
    write_labels(header + "\n");
    write_pitch(pitch_bytes(marks));
    EXPECT_EQ(open(), SetResult::opened);
    EXPECT_EQ(reader_.header_sound_count(), 12);
    reader_.close_set();
  }
  for (auto [header, count] : std::vector<std::pair<std::string, int>>{
           {"matrix <1> <99999999999>", INT_MAX},
           {"matrix <1> <-99999999999>", INT_MIN},
           {"matrix <1> <x3>", 0},
           {"matrix <1> <+5>", 5}}) {
    write_labels(header + "\n");
    write_pitch(pitch_bytes({{kSoundMark, 0}}));
    EXPECT_EQ(open(), SetResult::count_mismatch) << header;
    EXPECT_EQ(reader_.header_sound_count(), count) << header;
    reader_.close_set();
  }
}

TEST_F(FileSetReaderSet, CountsFlagsAsSoundAndWordBoundaries) {
  // 0x1C and 0x10 are both; 0x0C only a sound; 0x04 and 0x08 alone nothing;
  // a partial record at the end is ignored.
  write_labels(label_file_text(4, {label_line("a"), label_line("b"), label_line("c"),
                                   label_line("d")}));
  write_pitch(pitch_bytes({{0x1C, 0}, {0x04, 50}, {0x10, 100}, {0x08, 150}, {0x0C, 200},
                           {0x1C, 300}}) +
              "\x0c\x01");
  ASSERT_EQ(open(), SetResult::opened);
  std::vector<bool> starts;
  for (std::string label = reader_.next_sound(); !label.empty(); label = reader_.next_sound()) {
    starts.push_back(reader_.starts_word());
  }
  EXPECT_EQ(starts, (std::vector<bool>{true, true, false, true}));
}

TEST_F(FileSetReaderSet, TakesFieldsBetweenAngleBracketsTrimmedAtTheEnd) {
  write_labels(label_file_text(6, {"<0> <0> <0> <100> <x> <a  \t>",
                                   "<0> <0> <0> <100> <x> < e> tail",
                                   "<0> <0> <0> <200  > <x> <b",
                                   "junk<0><0><0><100><x><o><extra>",
                                   "<0> <0> <0> <200> <x> <b>",
                                   "<0> <1>"}));
  std::vector<PitchMark> marks;
  for (std::uint32_t i = 0; i < 6; ++i) marks.push_back({kSoundMark, i * 441});
  write_pitch(pitch_bytes(marks));
  ASSERT_EQ(open(), SetResult::opened);
  std::vector<std::string> labels;
  std::vector<bool> short_flags;
  for (std::string label = reader_.next_sound(); !label.empty(); label = reader_.next_sound()) {
    labels.push_back(label);
    short_flags.push_back(reader_.is_short());
  }
  // The line with too few fields has an empty label, which ends the sentence.
  EXPECT_EQ(labels, (std::vector<std::string>{"a", " e", "b:", "o", "b:"}));
  EXPECT_EQ(short_flags, (std::vector<bool>{true, false, false, true, false}));
}

TEST_F(FileSetReaderSet, ReadsLabelsAndLinesOfAnyLength) {
  std::string long_label(100000, 'x');
  write_plain({long_label, "a"}, 2);
  ASSERT_EQ(open(), SetResult::opened);
  EXPECT_EQ(reader_.next_sound(), long_label);
  EXPECT_EQ(reader_.context_sound(1), "a");
  EXPECT_EQ(reader_.next_sound(), "a");
  EXPECT_EQ(reader_.context_sound(-1), long_label);
}

TEST_F(FileSetReaderSet, EndsTheSentenceAtTheFinalPauseOrAnEmptyLine) {
  write_plain({"a", "b", "", "c", "_"}, 5);
  ASSERT_EQ(open(), SetResult::opened);
  EXPECT_EQ(labels_of(read_all(reader_)), (std::vector<std::string>{"a", "b"}));
  reader_.close_set();

  write_plain({"_", "a", "_", "b", "_"}, 5);
  ASSERT_EQ(open(), SetResult::opened);
  std::vector<SoundView> sounds = read_all(reader_);
  // Only the pause at the last boundary ends the sentence; inner pauses are
  // sounds, and a following pause is "_" while lines follow it.
  EXPECT_EQ(labels_of(sounds), (std::vector<std::string>{"_", "a", "_", "b"}));
  EXPECT_EQ(sounds[1].neighbours[3], "_");
  EXPECT_EQ(sounds[3].neighbours[3], "");
  EXPECT_EQ(reader_.next_sound(), "");
}

TEST_F(FileSetReaderSet, MeasuresDurationsBetweenSoundBoundaries) {
  write_labels(label_file_text(3, {label_line("a"), label_line("b"), label_line("c")}));
  write_pitch(pitch_bytes({{kWordMark, 1000}, {kSoundMark, 1441}, {kSoundMark, 1441}}));
  ASSERT_EQ(open(), SetResult::opened);
  std::vector<double> durations;
  for (const SoundView& sound : read_all(reader_)) durations.push_back(sound.duration);
  // The last sound, not being a pause, has no end boundary.
  ASSERT_EQ(durations.size(), 3u);
  EXPECT_DOUBLE_EQ(durations[0], 20.0);
  EXPECT_EQ(durations[1], 0.0);
  EXPECT_EQ(durations[2], 0.0);
}

TEST_F(FileSetReaderSet, GivesSoundsBeyondTheBoundariesNoDuration) {
  write_labels(label_file_text(2, {label_line("a"), label_line("b"), label_line("c"),
                                   label_line("d")}));
  write_pitch(pitch_bytes({{kWordMark, 0}, {kSoundMark, 441}}));
  ASSERT_EQ(open(), SetResult::opened);
  std::vector<SoundView> sounds = read_all(reader_);
  ASSERT_EQ(labels_of(sounds), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(sounds[2].duration, 0.0);
  EXPECT_FALSE(sounds[3].starts_word);
}

TEST_F(FileSetReaderSet, LooksAtNeighboursWithoutMovingAndOverwritesTheShortFlag) {
  write_labels(label_file_text(4, {label_line("a"), label_line("t"), label_line("k", "200"),
                                   label_line("_")}));
  write_pitch(pitch_bytes({{kWordMark, 0}, {kSoundMark, 441}, {kSoundMark, 882},
                           {kWordMark, 1323}}));
  ASSERT_EQ(open(), SetResult::opened);
  EXPECT_EQ(reader_.next_sound(), "a");
  EXPECT_TRUE(reader_.is_short());
  EXPECT_EQ(reader_.context_sound(2), "k:");
  EXPECT_FALSE(reader_.is_short());
  EXPECT_EQ(reader_.context_sound(1), "t");
  EXPECT_TRUE(reader_.is_short());
  for (int n : {0, 4, -4, 100}) EXPECT_EQ(reader_.context_sound(n), "") << n;
  EXPECT_EQ(reader_.next_sound(), "t");
  EXPECT_EQ(reader_.context_sound(-3), "");
  EXPECT_EQ(reader_.context_sound(-1), "a");
  EXPECT_EQ(reader_.next_sound(), "k:");
  // The final pause is the last line: no sound follows.
  EXPECT_EQ(reader_.context_sound(1), "");
  EXPECT_EQ(reader_.next_sound(), "");
}

TEST_F(FileSetReaderSet, RanksVowelsAndConsonantsWithinTheirWord) {
  struct Case {
    SentenceSpec sentence;
    std::vector<std::string> positions;
  };
  const std::vector<Case> cases = {
      {{{{"a", "l", "m", "a"}}}, {"ELSO", "ELSO", "UTOLSO", "UTOLSO"}},
      {{{{"k", "a", "r", "o", "k"}}}, {"ELSO", "ELSO", "BELSO", "UTOLSO", "UTOLSO"}},
      // A pause reports the latest vowel's class, "" before any vowel.
      {{{{"_", "a", "_", "e", "_"}}}, {"", "ELSO", "ELSO", "UTOLSO", "UTOLSO"}},
      // The look-ahead stops at the next word and skips the final pause.
      {{{{"k", "a", "t"}, {"t", "e"}}}, {"ELSO", "ELSO", "UTOLSO", "ELSO", "ELSO"}},
      {{{{"s", "t"}, {"r"}}, FinalPause::none}, {"ELSO", "UTOLSO", "ELSO"}},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    ASSERT_EQ(reader_.open_set(test::write_sentence(dir, "w", c.sentence)), SetResult::opened);
    EXPECT_EQ(positions_of(read_all(reader_)), c.positions);
    reader_.close_set();
  }
}

TEST_F(FileSetReaderSet, TestsLookAheadsOnTheLabelsAsWritten) {
  // "b:" with code 200 becomes "b::", no consonant for its own class, but the
  // look-ahead of the "t" before it sees the consonant "b:".
  write_labels(label_file_text(4, {label_line("t"), label_line("t"), label_line("b:", "200"),
                                   label_line("_")}));
  write_pitch(pitch_bytes({{kWordMark, 0}, {kSoundMark, 441}, {kSoundMark, 882},
                           {kWordMark, 1323}}));
  ASSERT_EQ(open(), SetResult::opened);
  std::vector<SoundView> sounds = read_all(reader_);
  EXPECT_EQ(labels_of(sounds), (std::vector<std::string>{"t", "t", "b::"}));
  EXPECT_EQ(positions_of(sounds), (std::vector<std::string>{"ELSO", "BELSO", "ELSO"}));
}

TEST_F(FileSetReaderSet, PlacesWordsByTheirIndex) {
  ScratchDir dir;
  SentenceSpec four_words{{{"_"}, {"a"}, {"b", "e"}, {"c"}}, FinalPause::sound_boundary};
  ASSERT_EQ(reader_.open_set(test::write_sentence(dir, "w", four_words)), SetResult::opened);
  std::vector<int> places;
  for (const SoundView& sound : read_all(reader_)) places.push_back(sound.word_place);
  EXPECT_EQ(places, (std::vector<int>{1, 0, 1, 1, 3}));
}

TEST_F(FileSetReaderSet, ReadsTheFirstLineOfTheOptionalTextFile) {
  struct Case {
    std::optional<std::string> text;
    std::string_view expected;
  };
  for (const Case& c : std::vector<Case>{{std::nullopt, ""},
                                         {"alma\r\nk\xf6rte\r\n", "alma"},
                                         {"egy\n", "egy"},
                                         {"\r\nsecond", ""},
                                         {"", ""}}) {
    write_plain({"a"}, 1);
    std::filesystem::remove(dir_.path() / "s.txt");
    if (c.text) write_text(*c.text);
    ASSERT_EQ(open(), SetResult::opened);
    EXPECT_EQ(reader_.sentence_text(), c.expected);
    reader_.close_set();
  }
}

TEST_F(FileSetReaderSet, StartsEachSetAfreshWhenReused) {
  write_plain({"a", "b", "c"}, 3);
  ASSERT_EQ(open(), SetResult::opened);
  read_all(reader_);
  reader_.close_set();
  EXPECT_EQ(reader_.next_sound(), "");  // nothing left after close_set

  write_plain({"k", "o"}, 5);
  EXPECT_EQ(open(), SetResult::count_mismatch);
  EXPECT_EQ(reader_.next_sound(), "");  // a failed set hands out nothing
  reader_.close_set();

  write_plain({"e", "f"}, 2);
  ASSERT_EQ(open(), SetResult::opened);
  EXPECT_EQ(reader_.next_sound(), "e");
  EXPECT_EQ(reader_.context_sound(-1), "");
  EXPECT_EQ(reader_.sound_position(), "ELSO");
}

TEST_F(FileSetReaderSet, AcceptsLfOnlyLabelFiles) {
  write_labels("matrix <1> <2>\n" + label_line("a") + "\n" + label_line("b") + "\n");
  write_pitch(pitch_bytes({{kWordMark, 0}, {kSoundMark, 441}}));
  ASSERT_EQ(open(), SetResult::opened);
  EXPECT_EQ(labels_of(read_all(reader_)), (std::vector<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace zor
