#include "conversion/conversion_run.h"

#include <gtest/gtest.h>

#include "platform/encoding.h"
#include "platform/paths.h"
#include "corpus/label_tree.h"
#include "recording_files.h"
#include "support/fake_host.h"

namespace zor {
namespace {

using test::FakeHost;
using test::FinalPause;
using test::read_bytes;
using test::ScratchDir;
using test::SentenceSpec;
using test::ShownText;
using Rows = std::vector<std::vector<std::string>>;

Recording recording_of(const std::string& wav_path) {
  return Recording{file_name_part(wav_path), directory_part(wav_path)};
}

// The rows of a table file below its header line; every line must end in CR LF.
Rows table_rows(const std::string& path) {
  std::string bytes = read_bytes(path);
  Rows rows;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "line without CR LF in " << path;
      break;
    }
    std::vector<std::string> fields;
    std::string line = bytes.substr(start, end - start);
    for (size_t from = 0;;) {
      size_t tab = line.find('\t', from);
      fields.push_back(line.substr(from, tab - from));
      if (tab == std::string::npos) break;
      from = tab + 1;
    }
    rows.push_back(fields);
    start = end + 2;
  }
  if (!rows.empty()) rows.erase(rows.begin());
  return rows;
}

std::vector<std::string> column(const Rows& rows, size_t index) {
  std::vector<std::string> values;
  for (const auto& row : rows) values.push_back(row.at(index));
  return values;
}

class ConversionRunTest : public ::testing::Test {
 protected:
  ConversionRunTest() {
    tree_.build_default_tree();
    input_.sentences_path = out_.file("out_sentences.txt");
    input_.words_path = out_.file("out_words.txt");
    input_.sounds_path = out_.file("out_sounds.txt");
  }

  std::string add(std::string_view name, const SentenceSpec& spec) {
    std::string wav = test::write_sentence(recordings_, name, spec);
    input_.recordings.push_back(recording_of(wav));
    return wav;
  }
  // A recording whose side files are missing.
  std::string add_missing(std::string_view name) {
    std::string wav = recordings_.file(std::string(name) + ".wav");
    input_.recordings.push_back(recording_of(wav));
    return wav;
  }
  RunOutcome run() { return run_conversion(input_, tree_, host_); }
  Rows sentences() const { return table_rows(input_.sentences_path); }
  Rows words() const { return table_rows(input_.words_path); }
  Rows sounds() const { return table_rows(input_.sounds_path); }

  ScratchDir recordings_;
  ScratchDir out_;
  LabelTree tree_;
  ConversionInput input_;
  FakeHost host_;
};

TEST_F(ConversionRunTest, WritesTheWorkedExampleByteForByte) {
  std::string wav = test::data_file("alma/alma.wav");
  input_.recordings.push_back(recording_of(wav));
  ASSERT_EQ(run(), RunOutcome::completed);

  std::string expected_sentences = read_bytes(test::data_file("alma/expected_sentences.txt"));
  std::string golden_path = "golden/alma/alma.wav";
  expected_sentences.replace(expected_sentences.find(golden_path), golden_path.size(), wav);
  EXPECT_EQ(read_bytes(input_.sentences_path), expected_sentences);
  EXPECT_EQ(read_bytes(input_.words_path), read_bytes(test::data_file("alma/expected_words.txt")));
  EXPECT_EQ(read_bytes(input_.sounds_path),
            read_bytes(test::data_file("alma/expected_sounds.txt")));
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(ConversionRunTest, AsksFirstAndShowsProgressPerConvertedRecording) {
  std::string first = add("s1", {{{"a"}}});
  add_missing("gone");
  std::string third = add("s3", {{{"e"}}});
  ASSERT_EQ(run(), RunOutcome::partial);

  ASSERT_EQ(host_.questions.size(), 1u);
  EXPECT_EQ(host_.questions[0],
            (ShownText{to_cp1250("Az első két lapon lévő információk alapján az 1. 2. és 3. "
                                 "sorszámmal \njelzett állományok jönnek létre!\n\nValóban "
                                 "elindítja a konvertálást?"),
                       to_cp1250("Konvertálás indítása...")}));
  EXPECT_EQ(host_.progress_titles, std::vector<std::string>{to_cp1250("Konverzió")});
  std::string waiting = to_cp1250("SetText Kis türelmet kérek...\n\n");
  EXPECT_EQ(host_.progress_calls,
            (std::vector<std::string>{"BeginModal Progress", "SetRange 1 3 1", "StepIt",
                                      "PumpMessages 1", waiting + first, "IsCancelled", "StepIt",
                                      "PumpMessages 1", waiting + third, "IsCancelled", "Close"}));
}

TEST_F(ConversionRunTest, RefusesInOrderQuestionRecordingsTreeFiles) {
  struct Case {
    const char* name;
    bool answer;
    bool with_recording;
    bool with_tree;
    RunOutcome outcome;
    std::vector<std::string> messages;
  };
  const std::vector<Case> cases = {
      {"No", false, false, false, RunOutcome::declined, {}},
      {"no recording", true, false, false, RunOutcome::refused,
       {to_cp1250("Nincs hangfájl megadva! Lapozzon az 1. oldalra!")}},
      {"empty tree", true, true, false, RunOutcome::refused,
       {to_cp1250("Nincs környezet megadva! Lapozzon az 2. oldalra!")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeHost host;
    host.answers = {c.answer};
    LabelTree tree;
    if (c.with_tree) tree.build_default_tree();
    ConversionInput input = input_;
    if (c.with_recording) input.recordings.push_back(recording_of(add_missing("x")));
    EXPECT_EQ(run_conversion(input, tree, host), c.outcome);
    EXPECT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.message_texts(), c.messages);
    EXPECT_TRUE(host.progress_titles.empty());
    EXPECT_FALSE(std::filesystem::exists(input.sentences_path));
  }
}

TEST_F(ConversionRunTest, AnOutputThatCannotBeOpenedLeavesThePreviousTables) {
  add("s1", {{{"a"}}});
  test::write_bytes(input_.sentences_path, "old sentences");
  input_.words_path = out_.file("missing/out_words.txt");
  EXPECT_EQ(run(), RunOutcome::failed);
  EXPECT_EQ(host_.message_texts(),
            std::vector<std::string>{"Sikerelen nyitas!\n" + input_.words_path +
                                     ": No such file or directory\n"});
  EXPECT_TRUE(host_.progress_titles.empty());
  EXPECT_EQ(read_bytes(input_.sentences_path), "old sentences");
  EXPECT_FALSE(std::filesystem::exists(input_.sounds_path));
  auto entries = std::filesystem::directory_iterator(out_.path());
  EXPECT_EQ(std::distance(begin(entries), end(entries)), 1) << "no temporary file stays behind";
}

TEST_F(ConversionRunTest, ListsSkippedSetsAndLeavesGapsInSentenceNumbers) {
  std::string first = add("s1", {{{"a"}}});
  std::string mismatch = add("s2", {{{"b", "e"}}});
  test::write_bytes(recordings_.file("s2.imf"), test::label_file_text(9, {test::label_line("b")}));
  std::string third = add("s3", {{{"o"}}});
  ASSERT_EQ(run(), RunOutcome::partial);

  EXPECT_EQ(column(sentences(), 0), (std::vector<std::string>{"1", "3"}));
  EXPECT_EQ(column(sentences(), 1), (std::vector<std::string>{first, third}));
  EXPECT_EQ(host_.messages,
            (std::vector<ShownText>{
                {to_cp1250("Eltérés van a pit és az imf fájlban lévő hangok számában:\n") +
                     mismatch + to_cp1250(": az .imf állomány 9 hangot ír, a .pit állományban 3 hanghatár van\n"),
                 "Hiba 1..."}}));
}

TEST_F(ConversionRunTest, WritesOnlyHeadersWhenEverySetFails) {
  std::string a = add_missing("a");
  std::string b = add("b", {{{"k"}}});
  test::write_bytes(recordings_.file("b.pit"), "short");
  std::string c = add("c", {{{"k"}}});
  test::write_bytes(recordings_.file("c.imf"), test::label_file_text(3, {}));
  // Positions that go backwards would give wrapped-around durations.
  std::string d = add("d", {{{"k", "a"}}});
  test::write_bytes(recordings_.file("d.pit"),
                    test::pitch_bytes({{test::kWordMark, 882}, {test::kSoundMark, 441},
                                       {test::kWordMark, 0}}));
  // Nothing converted: the headers are written, and the run counts as failed.
  ASSERT_EQ(run(), RunOutcome::failed);

  EXPECT_TRUE(sentences().empty());
  EXPECT_TRUE(words().empty());
  EXPECT_TRUE(sounds().empty());
  EXPECT_EQ(host_.steps(), 0);
  EXPECT_EQ(host_.messages,
            (std::vector<ShownText>{
                {to_cp1250("Eltérés van a pit és az imf fájlban lévő hangok számában:\n") + c +
                     to_cp1250(": az .imf állomány 3 hangot ír, a .pit állományban 2 hanghatár van\n"),
                 "Hiba 1..."},
                // Which side file and which check, so that the user knows what to mend.
                {to_cp1250("Nem tudtam megyitni a négyes minden elemét:\n") + a +
                     to_cp1250(": az .imf állomány nem nyitható meg (No such file or directory)\n") + b +
                     to_cp1250(": a .pit állomány rövidebb a 36 bájtos fejlécnél\n") + d +
                     to_cp1250(": a .pit állomány hanghatárai visszafelé haladnak (a 2. hanghatárnál)\n"),
                 "Hiba 2..."}}));
}

TEST_F(ConversionRunTest, WritesAnEmptySentenceForALoneFinalPause) {
  add("p", {{}, FinalPause::word_boundary, "csend"});
  ASSERT_EQ(run(), RunOutcome::completed);
  EXPECT_TRUE(words().empty());
  EXPECT_TRUE(sounds().empty());
  ASSERT_EQ(sentences().size(), 1u);
  EXPECT_EQ(sentences()[0], (std::vector<std::string>{"1", input_.recordings[0].directory + "p.wav",
                                                      "0", "", "csend", "0"}));
}

TEST_F(ConversionRunTest, NumbersWordsAndSoundsAcrossRecordings) {
  add("s1", {{{"_"}, {"a", "z"}, {"e", "g"}}});
  add("s2", {{{"o", "k"}, {"a"}}});
  ASSERT_EQ(run(), RunOutcome::completed);

  Rows word_rows = words();
  EXPECT_EQ(column(word_rows, 0), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(column(word_rows, 1), (std::vector<std::string>{"1", "1", "1", "2", "2"}));
  EXPECT_EQ(column(word_rows, 3), (std::vector<std::string>{"_", "az", "eg", "ok", "a"}));
  EXPECT_EQ(column(word_rows, 2), (std::vector<std::string>{"20", "40", "40", "40", "20"}));
  EXPECT_EQ(column(word_rows, 4), (std::vector<std::string>{"0", "1", "1", "1", "1"}));
  EXPECT_EQ(column(word_rows, 6), (std::vector<std::string>{"IGEN", "NEM", "IGEN", "IGEN", "NEM"}));
  Rows sound_rows = sounds();
  EXPECT_EQ(column(sound_rows, 0), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8"}));
  EXPECT_EQ(column(sound_rows, 1), (std::vector<std::string>{"1", "2", "2", "3", "3", "4", "4", "5"}));
  EXPECT_EQ(column(sound_rows, 2), (std::vector<std::string>{"1", "1", "1", "1", "1", "2", "2", "2"}));
  Rows sentence_rows = sentences();
  EXPECT_EQ(column(sentence_rows, 2), (std::vector<std::string>{"100", "60"}));
  EXPECT_EQ(column(sentence_rows, 3), (std::vector<std::string>{"_azeg", "oka"}));
  EXPECT_EQ(column(sentence_rows, 5), (std::vector<std::string>{"2", "2"}));
}

TEST_F(ConversionRunTest, EndsASentenceAtAnEmptyDataLine) {
  std::string wav = add("s", {{{"a", "b", "c", "d"}}});
  std::vector<std::string> lines = {test::label_line("a"), test::label_line("b"), "",
                                    test::label_line("d"), test::label_line("_")};
  test::write_bytes(recordings_.file("s.imf"), test::label_file_text(5, lines));
  ASSERT_EQ(run(), RunOutcome::partial);
  EXPECT_EQ(column(sounds(), 3), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(column(words(), 3), std::vector<std::string>{"ab"});
  EXPECT_EQ(column(sentences(), 3), std::vector<std::string>{"ab"});
  // The user learns where: the blank line is line 4 of the label file.
  EXPECT_EQ(host_.messages,
            (std::vector<ShownText>{{to_cp1250("Üres címke zárta le idő előtt a mondatot (a "
                                               "címkeállomány sora):\n") +
                                         wav + ": 4. sor\n",
                                     "Hiba 3..."}}));
}

TEST_F(ConversionRunTest, AZeroByteEndsASentenceEarlyAndIsListedButNotTheFinalPause) {
  std::string cut = add("cut", {{{"a", "b", "c"}}});
  std::string line = test::label_line("b");
  line.insert(line.find("<b>"), 1, '\0');
  test::write_bytes(recordings_.file("cut.imf"),
                    test::label_file_text(4, {test::label_line("a"), line, test::label_line("c"),
                                              test::label_line("_")}));
  add("whole", {{{"o", "k"}}});
  ASSERT_EQ(run(), RunOutcome::partial);
  ASSERT_EQ(host_.messages.size(), 1u) << host_.messages[0].text;
  EXPECT_EQ(host_.messages[0].caption, "Hiba 3...") << host_.messages[0].text;
  EXPECT_EQ(host_.messages[0].text.substr(host_.messages[0].text.find('\n') + 1),
            cut + ": 3. sor\n");
}

TEST_F(ConversionRunTest, CancelFinishesTheCurrentRecordingAndStillListsSkips) {
  std::string missing = add_missing("gone");
  add("s1", {{{"a", "b"}, {"e"}}});
  add("s2", {{{"o"}}});
  host_.cancel_after_steps = 1;
  ASSERT_EQ(run(), RunOutcome::cancelled);

  EXPECT_EQ(column(sentences(), 0), std::vector<std::string>{"2"});
  EXPECT_EQ(column(words(), 3), (std::vector<std::string>{"ab", "e"}));
  EXPECT_EQ(sounds().size(), 3u);
  EXPECT_EQ(host_.messages,
            (std::vector<ShownText>{
                {to_cp1250("A konverzió megszakítva!"), ""},
                {to_cp1250("Nem tudtam megyitni a négyes minden elemét:\n") + missing +
                     to_cp1250(": az .imf állomány nem nyitható meg (No such file or directory)\n"),
                 "Hiba 2..."}}));
  EXPECT_EQ(host_.progress_calls.back(), "Close");
}

TEST_F(ConversionRunTest, PlacesWordsWithTheIndexSeenWhenTheRowIsWritten) {
  // The pause word and three text words, no word boundary at the final pause.
  add("s", {{{"_"}, {"k", "a"}, {"t", "e"}, {"o"}}, FinalPause::sound_boundary});
  ASSERT_EQ(run(), RunOutcome::completed);
  EXPECT_EQ(column(words(), 5), (std::vector<std::string>{"ELSO", "BELSO", "UTOLSO", "UTOLSO"}));
}

TEST_F(ConversionRunTest, WritesLongSoundsAndLabelListsOfNeighbours) {
  add("s", {{{"x"}}});
  test::write_bytes(recordings_.file("s.imf"),
                    test::label_file_text(5, {test::label_line("t"), test::label_line("k", "200"),
                                              test::label_line("A:"), test::label_line("q"),
                                              test::label_line("_")}));
  test::write_bytes(recordings_.file("s.pit"),
                    test::pitch_bytes({{test::kWordMark, 0}, {test::kSoundMark, 2205},
                                       {test::kSoundMark, 4410}, {test::kSoundMark, 6615},
                                       {test::kWordMark, 8820}}));
  ASSERT_EQ(run(), RunOutcome::completed);
  Rows rows = sounds();
  ASSERT_EQ(rows.size(), 4u);
  // "t" is short although its long neighbour "k:" was looked up after it.
  EXPECT_EQ(rows[0], (std::vector<std::string>{"1", "1", "1", "t", "Cr,C,Hang", "100", "ELSO",
                                               "R", "", "", "", "", "", "", "k:", "Ch,C,Hang",
                                               "A:", "Vh,V,Hang", "q", ""}));
  EXPECT_EQ(column(rows, 3), (std::vector<std::string>{"t", "k:", "A:", "q"}));
  EXPECT_EQ(column(rows, 4), (std::vector<std::string>{"Cr,C,Hang", "Ch,C,Hang", "Vh,V,Hang", ""}));
  EXPECT_EQ(column(rows, 6), (std::vector<std::string>{"ELSO", "UTOLSO", "ELSO", "UTOLSO"}));
  EXPECT_EQ(column(rows, 7), (std::vector<std::string>{"R", "H", "H", "R"}));
}

TEST_F(ConversionRunTest, NeighboursEndAtTheRecordingAndAtItsClosingPause) {
  add("a", {{{"_"}, {"k", "a"}}, FinalPause::word_boundary});
  add("b", {{{"o"}, {"t"}}, FinalPause::word_boundary});
  ASSERT_EQ(run(), RunOutcome::completed);
  const Rows rows = sounds();
  ASSERT_EQ(rows.size(), 5u);
  auto neighbours = [&](size_t row) {
    return std::vector<std::string>(rows[row].begin() + 8, rows[row].end());
  };
  // The pause that opens a sentence is a neighbour like any sound; the one
  // that closes it is none, and nothing reaches into the next recording.
  EXPECT_EQ(neighbours(0), (std::vector<std::string>{"", "", "", "", "", "", "k", "Cr,C,Hang", "a",
                                                     "Vr,V,Hang", "", ""}));
  EXPECT_EQ(neighbours(2), (std::vector<std::string>{"", "", "_", "Hang", "k", "Cr,C,Hang", "", "", "", "",
                                                     "", ""}));
  EXPECT_EQ(neighbours(3), (std::vector<std::string>{"", "", "", "", "", "", "t", "Cr,C,Hang", "", "", "",
                                                     ""}));
  EXPECT_EQ(neighbours(4), (std::vector<std::string>{"", "", "", "", "o", "Vr,V,Hang", "", "", "", "", "",
                                                     ""}));
}

TEST_F(ConversionRunTest, LeavesTheLabelColumnOfAnEmptyNeighbourEmpty) {
  tree_.clear();
  tree_.add_node(nullptr, "Any", "a,");  // holds the empty element too
  add("s", {{{"a"}}});
  ASSERT_EQ(run(), RunOutcome::completed);
  ASSERT_EQ(sounds().size(), 1u);
  EXPECT_EQ(sounds()[0][4], "Any");
  for (size_t label_column : {9, 11, 13, 15, 17, 19}) {
    EXPECT_EQ(sounds()[0][label_column], "") << label_column;
  }
}

TEST_F(ConversionRunTest, ReportsAFailedWriteInsteadOfFinishing) {
  std::string missing = add_missing("gone");
  add("s", {{{"a"}}});
  input_.sounds_path = "/dev/full";
  EXPECT_EQ(run(), RunOutcome::failed);
  ASSERT_EQ(host_.messages.size(), 2u);
  EXPECT_EQ(host_.messages[0].caption, "Hiba 2...");
  EXPECT_EQ(host_.messages[1].text, to_cp1250("Hiba az állomány írásakor:\n") + "/dev/full\n");
  // The tables are one output: none of them takes the place of the old one.
  EXPECT_FALSE(std::filesystem::exists(input_.sentences_path));
  EXPECT_FALSE(std::filesystem::exists(input_.words_path));
}

}  // namespace
}  // namespace zor
