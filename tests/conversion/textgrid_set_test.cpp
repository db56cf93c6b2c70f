// Recordings annotated in TextGrids convert as label and pitch-mark sets do.
#include <gtest/gtest.h>

#include "annotation/textgrid_writer.h"
#include "conversion/conversion_run.h"
#include "conversion/set_segmentation.h"
#include "corpus/label_tree.h"
#include "gen/recording_files.h"
#include "platform/encoding.h"
#include "platform/paths.h"
#include "support/fake_host.h"
#include "support/generated_words.h"
#include "support/test_files.h"

namespace zor {
namespace {

using test::read_bytes;
using test::ScratchDir;

using test::word;

// "Ő almát hoz, kk." between pauses: long vowels, a long consonant, a pause
// word inside, and a closing pause that is no word of its own.
gen::Sentence sentence() {
  gen::Sentence s;
  s.words = {word({{"_", 2000}}),
             word({{"O:", 3100}}),
             word({{"a", 1500}, {"l", 900}, {"m", 1100}, {"A:", 2900}, {"t", 1300}}),
             word({{"h", 800}, {"o", 1700}, {"z", 1200}}),
             word({{"_", 2500}}),
             word({{"k:", 2600}}),
             word({{"_", 3000}}, false)};
  s.text = to_cp1250("Ő almát hoz, kk.");
  // The long consonant as the label file writes it: the letter and code 200.
  s.words[5].sounds[0].label = "k";
  return s;
}

class TextGridSetTest : public testing::Test {
 protected:
  TextGridSetTest() { tree_.build_default_tree(); }

  // Writes the label and pitch-mark files (and the text) of NAME.
  std::string write_label_files(std::string_view name, const gen::Sentence& s, bool with_text = true) {
    gen::RecordingFiles files = gen::recording_files(s, with_text);
    const std::string stem = std::string(name);
    test::write_bytes(recordings_.path() / (stem + ".imf"), files.label_file_text());
    test::write_bytes(recordings_.path() / (stem + ".pit"), files.pitch_file_bytes());
    if (files.text) test::write_bytes(recordings_.path() / (stem + ".txt"), *files.text);
    return recordings_.file(stem + ".wav");
  }

  // The tables of converting the recordings, every line below the header.
  std::string convert(const std::vector<std::string>& wavs, RunOutcome expected = RunOutcome::completed) {
    ConversionInput input;
    for (const std::string& wav : wavs) input.recordings.push_back({file_name_part(wav), directory_part(wav)});
    input.sentences_path = out_.file("sentences.txt");
    input.words_path = out_.file("words.txt");
    input.sounds_path = out_.file("sounds.txt");
    input.annotation = annotation_;
    host_ = {};
    EXPECT_EQ(run_conversion(input, tree_, host_), expected);
    return read_bytes(input.sentences_path) + read_bytes(input.words_path) + read_bytes(input.sounds_path);
  }

  std::string textgrid_of(const std::string& wav) {
    FileSetReader reader;
    Segmentation segmentation;
    std::string problem;
    EXPECT_TRUE(read_set_segmentation(reader, wav, segmentation, problem)) << problem;
    return textgrid_text(segmentation);
  }

  ScratchDir recordings_, out_;
  LabelTree tree_;
  AnnotationOptions annotation_;
  test::FakeHost host_;
};

std::string without(std::string text, const std::string& part, const std::string& instead) {
  for (size_t at; (at = text.find(part)) != std::string::npos;) text.replace(at, part.size(), instead);
  return text;
}

TEST_F(TextGridSetTest, ConvertsIntoTheRowsOfTheSameLabelAndPitchMarkSet) {
  const std::string labelled = write_label_files("a", sentence());
  const std::string from_labels = convert({labelled});
  // The same segmentation as a TextGrid beside the same text, in any letter
  // case of the extension.
  for (const char* extension : {".TextGrid", ".textgrid", ".Textgrid"}) {
    SCOPED_TRACE(extension);
    ScratchDir folder;
    test::write_bytes(folder.path() / (std::string("a") + extension), textgrid_of(labelled));
    test::write_bytes(folder.path() / "a.txt", read_bytes(recordings_.path() / "a.txt"));
    const std::string wav = folder.file("a.wav");
    EXPECT_EQ(without(convert({wav}), wav, labelled), from_labels);
  }
}

TEST_F(TextGridSetTest, TheLabelAndPitchMarkFilesWinWhenBothAreThere) {
  const std::string wav = write_label_files("a", sentence());
  const std::string from_labels = convert({wav});
  gen::Sentence other = sentence();
  other.words[1].sounds[0].label = "U:";
  ScratchDir elsewhere;
  const std::string other_wav = elsewhere.file("a.wav");
  {
    gen::RecordingFiles files = gen::recording_files(other, true);
    test::write_bytes(elsewhere.path() / "a.imf", files.label_file_text());
    test::write_bytes(elsewhere.path() / "a.pit", files.pitch_file_bytes());
  }
  test::write_bytes(recordings_.path() / "a.TextGrid", textgrid_of(other_wav));
  EXPECT_EQ(convert({wav}), from_labels);
}

TEST_F(TextGridSetTest, WithoutATextFileTheSentenceIsTheWordTiersWords) {
  const std::string labelled = write_label_files("a", sentence());
  const std::string grid = textgrid_of(labelled);
  test::write_bytes(recordings_.path() / "b.TextGrid", grid);
  convert({recordings_.file("b.wav")});
  const std::string sentences = read_bytes(out_.path() / "sentences.txt");
  EXPECT_NE(sentences.find(to_cp1250("\tŐ almát hoz kk\t")), std::string::npos) << sentences;
}

TEST_F(TextGridSetTest, AnUnknownSymbolSkipsTheSetWithItsTimeAndTheRunGoesOn) {
  const std::string good = write_label_files("good", sentence());
  std::string grid = textgrid_of(good);
  grid.replace(grid.find("\"O:\""), 4, "\"dz\"");
  test::write_bytes(recordings_.path() / "bad.TextGrid", grid);
  const std::string bad = recordings_.file("bad.wav");
  convert({bad, good}, RunOutcome::partial);
  ASSERT_EQ(host_.messages.size(), 1u);
  const std::string& list = host_.messages[0].text;
  EXPECT_EQ(list.rfind(bad + to_cp1250(": a .TextGrid állomány: "), list.find('\n') + 1), list.find('\n') + 1)
      << from_cp1250(list);
  EXPECT_NE(list.find("\"dz\""), std::string::npos) << from_cp1250(list);
  EXPECT_NE(list.find("0,091 s"), std::string::npos) << from_cp1250(list);
}

TEST_F(TextGridSetTest, TheChosenTiersAndSymbolsAreRead) {
  const std::string labelled = write_label_files("a", sentence());
  const std::string from_labels = convert({labelled});
  // The same sounds as an aligner writes them: IPA with "ː", silences as
  // empty intervals, its own tier names.
  std::string grid = textgrid_of(labelled);
  for (auto [zor, ipa] : std::initializer_list<std::pair<const char*, const char*>>{
           {"\"O:\"", "\"øː\""}, {"\"a\"", "\"ɒ\""}, {"\"A:\"", "\"aː\""}, {"\"k:\"", "\"kː\""},
           {"\"_\"", "\"\""}, {"\"phones\"", "\"hangok\""}, {"\"words\"", "\"szavak\""}})
    grid = without(grid, zor, ipa);
  ScratchDir folder;
  test::write_bytes(folder.path() / "a.TextGrid", grid);
  test::write_bytes(folder.path() / "a.txt", read_bytes(recordings_.path() / "a.txt"));
  std::string reason;
  annotation_ = {{"hangok", "szavak"}, *SymbolSet::named("mfa", reason)};
  const std::string wav = folder.file("a.wav");
  EXPECT_EQ(without(convert({wav}), wav, labelled), from_labels);
}

}  // namespace
}  // namespace zor
