// A hit's place in its recording comes from the annotation's own sample
// positions, for a sound, a sequence of sounds and a word, and never from a
// recording whose annotation changed since the conversion.
#include "export/hit_places.h"

#include <gtest/gtest.h>

#include <tuple>

#include "annotation/textgrid_writer.h"
#include "conversion/conversion_run.h"
#include "conversion/set_segmentation.h"
#include "corpus/label_tree.h"
#include "gen/recording_files.h"
#include "platform/paths.h"
#include "support/fake_host.h"
#include "support/generated_words.h"
#include "support/test_files.h"

namespace zor {
namespace {

using test::ScratchDir;

using test::word;

class HitPlacesTest : public testing::Test {
 protected:
  HitPlacesTest() {
    // _ | k a t | E: l | closing pause: starts at 0, 3000, 4000, 5500, 7500, 10000, 10800.
    sentence_.words = {word({{"_", 3000}}), word({{"k", 1000}, {"a", 1500}, {"t", 2000}}),
                       word({{"E:", 2500}, {"l", 800}}), word({{"_", 1000}}, false)};
    files_ = gen::recording_files(sentence_, false);
    wav_ = recordings_.file("s.wav");
    write_annotation(files_);
    convert();
  }

  void write_annotation(const gen::RecordingFiles& files) {
    test::write_bytes(recordings_.path() / "s.imf", files.label_file_text());
    test::write_bytes(recordings_.path() / "s.pit", files.pitch_file_bytes());
  }

  void convert() {
    LabelTree tree;
    tree.build_default_tree();
    ConversionInput input;
    input.recordings.push_back({file_name_part(wav_), directory_part(wav_)});
    input.sentences_path = out_.file("sentences.txt");
    input.words_path = out_.file("words.txt");
    input.sounds_path = out_.file("sounds.txt");
    test::FakeHost host;
    ASSERT_EQ(run_conversion(input, tree, host), RunOutcome::completed);
    for (auto [table, path] : {std::pair{&sentences_, &input.sentences_path},
                               std::pair{&words_, &input.words_path},
                               std::pair{&sounds_, &input.sounds_path}}) {
      table->set_separator('\t');
      ASSERT_TRUE(table->load(*path));
    }
  }

  ScratchDir recordings_, out_;
  gen::Sentence sentence_;
  gen::RecordingFiles files_;
  std::string wav_;
  TextTable sentences_, words_, sounds_;
};

TEST_F(HitPlacesTest, SoundsSequencesAndWordsSpanTheirAnnotatedSamples) {
  HitPlaces places(sentences_, words_, sounds_);
  struct Case {
    const char* name;
    Hit hit;
    std::uint32_t start, end;
    int sound_count;
  };
  // Sounds 1.._6 are _ k a t E: l; k a t last 45 + 68 + 91 ms as the table
  // rounds them, which the query sums for a sequence.
  const Case cases[] = {
      {"one sound", {68, "3", "2", "1"}, 4000, 5500, 1},
      {"three sounds", {204, "2", "2", "1"}, 3000, 7500, 3},
      {"two sounds", {113, "2", "2", "1"}, 3000, 5500, 2},
      {"the last sound", {36, "6", "3", "1"}, 10000, 10800, 1},
      {"a word", {204, "", "2", "1"}, 3000, 7500, 3},
      {"the last word", {150, "", "3", "1"}, 7500, 10800, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::optional<HitRows> rows = places.rows(c.hit);
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->sound_count, c.sound_count);
    std::optional<HitPlace> place = places.place(c.hit);
    ASSERT_TRUE(place);
    EXPECT_EQ(place->wav_path, wav_);
    EXPECT_EQ(place->start, c.start);
    EXPECT_EQ(place->end, c.end);
  }
  EXPECT_TRUE(places.warnings().empty());
}

TEST_F(HitPlacesTest, ATextGridSetGivesTheSamePlaces) {
  // The same segmentation as a TextGrid, converted anew.
  FileSetReader reader;
  Segmentation segmentation;
  std::string problem;
  ASSERT_TRUE(read_set_segmentation(reader, wav_, segmentation, problem)) << problem;
  std::filesystem::remove(recordings_.path() / "s.imf");
  std::filesystem::remove(recordings_.path() / "s.pit");
  test::write_bytes(recordings_.path() / "s.TextGrid", textgrid_text(segmentation));
  convert();
  HitPlaces places(sentences_, words_, sounds_);
  for (auto [hit, start, end] : {std::tuple{Hit{68, "3", "2", "1"}, 4000u, 5500u},
                                 std::tuple{Hit{204, "2", "2", "1"}, 3000u, 7500u},
                                 std::tuple{Hit{150, "", "3", "1"}, 7500u, 10800u}}) {
    std::optional<HitPlace> place = places.place(hit);
    ASSERT_TRUE(place);
    EXPECT_EQ(place->start, start);
    EXPECT_EQ(place->end, end);
  }
  EXPECT_TRUE(places.warnings().empty());
}

TEST_F(HitPlacesTest, HitsTheTablesDoNotHoldHaveNoPlace) {
  HitPlaces places(sentences_, words_, sounds_);
  EXPECT_FALSE(places.place({68, "99", "2", "1"}));  // no such sound
  EXPECT_FALSE(places.place({69, "3", "2", "1"}));   // no run of sounds lasts 69 ms
  EXPECT_FALSE(places.place({68, "3", "2", "7"}));   // no such sentence
  EXPECT_FALSE(places.place({204, "", "9", "1"}));   // no such word
  EXPECT_TRUE(places.warnings().empty());
}

TEST_F(HitPlacesTest, AChangedOrVanishedAnnotationGivesNoPlaceAndOneWarning) {
  {
    // The same sounds, but the second now lasts longer: the tables no longer
    // say what the annotation does.
    gen::Sentence changed = sentence_;
    changed.words[1].sounds[0].samples = 1300;
    write_annotation(gen::recording_files(changed, false));
    HitPlaces places(sentences_, words_, sounds_);
    EXPECT_FALSE(places.place({68, "3", "2", "1"}));
    EXPECT_FALSE(places.place({204, "", "2", "1"}));
    ASSERT_EQ(places.warnings().size(), 1u);
    EXPECT_EQ(places.warnings()[0].rfind(wav_ + ": ", 0), 0u) << places.warnings()[0];
  }
  {
    std::filesystem::remove(recordings_.path() / "s.pit");
    HitPlaces places(sentences_, words_, sounds_);
    EXPECT_FALSE(places.place({68, "3", "2", "1"}));
    ASSERT_EQ(places.warnings().size(), 1u);
    EXPECT_NE(places.warnings()[0].find(".pit"), std::string::npos) << places.warnings()[0];
  }
}

}  // namespace
}  // namespace zor
