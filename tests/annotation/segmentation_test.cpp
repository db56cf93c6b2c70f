#include "annotation/segmentation.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "platform/encoding.h"
#include "support/test_files.h"

namespace zor {
namespace {

constexpr double kRate = kSamplesPerSecond;

TextGridTier tier(std::string name, std::vector<TextGridInterval> intervals) {
  return TextGridTier{std::move(name), true, std::move(intervals)};
}

// Sounds and words of "ő alma" between pauses, times in seconds.
TextGrid alma_grid() {
  TextGrid grid;
  grid.xmax = 0.96;
  grid.tiers.push_back(tier("phones", {{0, 0.12, ""},
                                       {0.12, 0.32, "O:"},
                                       {0.32, 0.4, "a"},
                                       {0.4, 0.48, "l"},
                                       {0.48, 0.56, "m"},
                                       {0.56, 0.68, "a"},
                                       {0.68, 0.96, "sil"}}));
  grid.tiers.push_back(tier(
      "words", {{0, 0.12, ""}, {0.12, 0.32, "ő"}, {0.32, 0.68, " alma "}, {0.68, 0.96, "<p:>"}}));
  return grid;
}

Segmentation alma_segmentation() {
  Segmentation expected;
  expected.sounds = {{"_", false, 0},    {"O:", true, 2646},  {"a", false, 7056},
                     {"l", false, 8820}, {"m", false, 10584}, {"a", false, 12348},
                     {"_", false, 14994}};
  expected.end = 21168;
  expected.word_starts = {0, 1, 2, 6};
  expected.word_texts = {"", "\xF5", "alma", ""};  // "ő" in Windows-1250
  return expected;
}

std::string describe(const Segmentation& s) {
  std::string text;
  for (const SegmentedSound& sound : s.sounds) {
    text += sound.label + (sound.is_long ? "(long)" : "") + "@" + std::to_string(sound.start) + " ";
  }
  text += "end " + std::to_string(s.end) + " | words";
  for (size_t i = 0; i < s.word_starts.size(); ++i) {
    text += " " + std::to_string(s.word_starts[i]) + "=\"" +
            (i < s.word_texts.size() ? from_cp1250(s.word_texts[i]) : "?") + "\"";
  }
  return text;
}

Segmentation segmented(const TextGrid& grid, const SymbolSet& symbols = SymbolSet::zor(),
                       const TierNames& names = {}) {
  Segmentation out;
  std::string reason;
  EXPECT_TRUE(segment_textgrid(grid, names, symbols, out, reason)) << from_cp1250(reason);
  return out;
}

// The reason, as UTF-8, of a grid that must be refused.
std::string refusal(const TextGrid& grid, const SymbolSet& symbols = SymbolSet::zor(),
                    const TierNames& names = {}) {
  Segmentation out;
  out.end = 42;
  std::string reason;
  EXPECT_FALSE(segment_textgrid(grid, names, symbols, out, reason));
  EXPECT_FALSE(reason.empty());
  EXPECT_EQ(out.end, 42u) << "a refused grid changed the segmentation";
  return from_cp1250(reason);
}

bool mentions(const std::string& reason, std::string_view what) {
  return reason.find(what) != std::string::npos;
}

TEST(Segmentation, GivesSoundsInSamplesAndAWordForEachWordIntervalWithSounds) {
  EXPECT_EQ(describe(segmented(alma_grid())), describe(alma_segmentation()));
  EXPECT_TRUE(segmented(alma_grid()) == alma_segmentation());
}

TEST(Segmentation, ReadsTheTextGridFileAsPraatWroteIt) {
  Segmentation out;
  std::string reason;
  ASSERT_TRUE(read_segmentation(test::data_file("annotation/alma.TextGrid"), {}, SymbolSet::zor(),
                                out, reason))
      << from_cp1250(reason);
  Segmentation expected = alma_segmentation();
  EXPECT_EQ(describe(out), describe(expected));
}

TEST(Segmentation, RoundsTimesToTheNearestSample) {
  TextGrid grid = alma_grid();
  // 0.4 s lies on sample 8820; a little under half a sample either way stays there.
  grid.tiers[0].intervals[2].xmax = grid.tiers[0].intervals[3].xmin = 0.4 + 0.49 / kRate;
  EXPECT_EQ(segmented(grid).sounds[3].start, 8820u);
  grid.tiers[0].intervals[2].xmax = grid.tiers[0].intervals[3].xmin = 0.4 - 0.49 / kRate;
  EXPECT_EQ(segmented(grid).sounds[3].start, 8820u);
  grid.tiers[0].intervals[2].xmax = grid.tiers[0].intervals[3].xmin = 0.4 + 0.51 / kRate;
  EXPECT_EQ(segmented(grid).sounds[3].start, 8821u);
  // The last sound's end counts, not the grid's.
  grid.tiers[0].intervals.back().xmax = 0.9;
  grid.tiers[1].intervals.back().xmax = 0.9;
  EXPECT_EQ(segmented(grid).end, 19845u);
}

TEST(Segmentation, AWordBoundaryWithinAMillisecondOfASoundBoundaryIsThatBoundary) {
  for (double off : {0.0009, -0.0009, 0.001, -0.001}) {
    TextGrid grid = alma_grid();
    grid.tiers[1].intervals[1].xmax = grid.tiers[1].intervals[2].xmin = 0.32 + off;
    EXPECT_TRUE(segmented(grid) == alma_segmentation()) << off;
  }
  for (double off : {0.002, -0.002}) {
    TextGrid grid = alma_grid();
    grid.tiers[1].intervals[1].xmax = grid.tiers[1].intervals[2].xmin = 0.32 + off;
    std::string reason = refusal(grid);
    EXPECT_TRUE(mentions(reason, off > 0 ? "0,322 s" : "0,318 s")) << reason;
    EXPECT_TRUE(mentions(reason, "\"words\"")) << reason;
  }
}

TEST(Segmentation, WordIntervalsWithoutASoundStartAreNoWords) {
  TextGrid grid = alma_grid();
  // A word tier that reaches beyond the sounds on both sides, and a short
  // interval (within the tolerance) inside "alma".
  grid.tiers[1].intervals = {{0, 0.05, "before"}, {0.05, 0.12, ""},       {0.12, 0.32, "ő"},
                             {0.32, 0.3205, "x"}, {0.3205, 0.68, "alma"}, {0.68, 0.96, ""},
                             {0.96, 1.5, "after"}};
  grid.tiers[0].intervals.front().xmin = 0.05;
  Segmentation expected = alma_segmentation();
  expected.sounds[0].start = 1103;  // 0.05 s
  EXPECT_EQ(describe(segmented(grid)), describe(expected));
}

TEST(Segmentation, RefusesGapsOverlapsAndIntervalsShorterThanASample) {
  {
    TextGrid grid = alma_grid();
    grid.tiers[0].intervals[3].xmin = 0.41;
    std::string reason = refusal(grid);
    EXPECT_TRUE(mentions(reason, "0,400 s") && mentions(reason, "\"phones\"")) << reason;
  }
  {
    TextGrid grid = alma_grid();
    grid.tiers[0].intervals[3].xmin = 0.39;
    std::string reason = refusal(grid);
    EXPECT_TRUE(mentions(reason, "0,390 s")) << reason;
  }
  {
    TextGrid grid = alma_grid();
    grid.tiers[1].intervals[2].xmin = 0.33;
    std::string reason = refusal(grid);
    EXPECT_TRUE(mentions(reason, "\"words\"") && mentions(reason, "0,320 s")) << reason;
  }
  {
    // Zero length, and a length that rounds to no sample.
    TextGrid grid = alma_grid();
    auto& phones = grid.tiers[0].intervals;
    phones.insert(phones.begin() + 3, {0.4, 0.4, "k"});
    std::string reason = refusal(grid);
    EXPECT_TRUE(mentions(reason, "0,400 s")) << reason;
    phones[3].xmax = phones[4].xmin = 0.4 + 0.3 / kRate;
    reason = refusal(grid);
    EXPECT_TRUE(mentions(reason, "0,400 s")) << reason;
  }
  {
    TextGrid grid = alma_grid();
    grid.tiers[0].intervals[2].xmin = grid.tiers[0].intervals[1].xmax = -1;
    refusal(grid);
  }
}

TEST(Segmentation, EverySoundMustLieInAWord) {
  TextGrid grid = alma_grid();
  grid.tiers[1].intervals.pop_back();
  std::string reason = refusal(grid);
  EXPECT_TRUE(mentions(reason, "0,680 s")) << reason;
  grid.tiers[1].intervals.erase(grid.tiers[1].intervals.begin());
  EXPECT_TRUE(mentions(refusal(grid), "0,000 s"));
  grid.tiers[1].intervals.clear();
  refusal(grid);
}

TEST(Segmentation, AnUnknownSymbolIsNamedWithItsTime) {
  TextGrid grid = alma_grid();
  grid.tiers[0].intervals[2].text = "dz";
  grid.tiers[0].intervals[2].xmin = grid.tiers[0].intervals[1].xmax = 0.25;
  grid.tiers[1].intervals[1].xmax = grid.tiers[1].intervals[2].xmin = 0.25;
  std::string reason = refusal(grid);
  EXPECT_TRUE(mentions(reason, "\"dz\"") && mentions(reason, "0,250 s")) << reason;
  EXPECT_TRUE(mentions(reason, "smeretlen")) << reason;
  // A symbol of another set is unknown too.
  grid.tiers[0].intervals[2].text = "ő";
  EXPECT_TRUE(mentions(refusal(grid), "\"ő\""));
}

TEST(Segmentation, FindsTheTiersOfEachAligner) {
  // MFA with several speakers: the pair of the first sound tier, though the
  // other speaker's word tier comes first.
  TextGrid mfa = alma_grid();
  mfa.tiers[0].name = "anna - phones";
  mfa.tiers[1].name = "anna - words";
  TextGrid other = alma_grid();
  other.tiers[0].intervals[1].text = "k";
  mfa.tiers.insert(mfa.tiers.begin(), {"bela - words", true, other.tiers[1].intervals});
  mfa.tiers.push_back({"bela - phones", true, other.tiers[0].intervals});
  for (TextGridTier& t : mfa.tiers) {
    for (TextGridInterval& i : t.intervals) {
      if (i.text == "O:") i.text = "øː";
      if (i.text == "a") i.text = "ɒ";
    }
  }
  EXPECT_TRUE(segmented(mfa, SymbolSet::mfa()) == alma_segmentation());

  // WebMAUS: the canonical tier KAN-MAU stands beside them.
  TextGrid maus = alma_grid();
  maus.tiers[0].name = "MAU";
  maus.tiers[1].name = "ORT-MAU";
  maus.tiers.insert(maus.tiers.begin(), {"KAN-MAU", true, {{0, 0.96, "2: Olm O"}}});
  maus.tiers.push_back({"words", true, {{0, 0.96, "elsewhere"}}});
  for (TextGridInterval& i : maus.tiers[1].intervals) {
    if (i.text == "O:") i.text = "2:";
    if (i.text == "a") i.text = "O";
  }
  EXPECT_TRUE(segmented(maus, SymbolSet::sampa()) == alma_segmentation());

  // A point tier of the known name does not count.
  TextGrid points = alma_grid();
  points.tiers.insert(points.tiers.begin(), {"phones", false, {}});
  EXPECT_TRUE(segmented(points) == alma_segmentation());
}

TEST(Segmentation, GivenTierNamesOverrideAndAMissingTierIsNamed) {
  TextGrid grid = alma_grid();
  grid.tiers[0].name = "hangok";
  grid.tiers[1].name = "szavak";
  EXPECT_TRUE(segmented(grid, SymbolSet::zor(), {"hangok", "szavak"}) == alma_segmentation());
  EXPECT_TRUE(mentions(refusal(grid, SymbolSet::zor(), {"hangok", "szó"}), "\"szó\""));
  EXPECT_TRUE(mentions(refusal(grid, SymbolSet::zor(), {"hang", "szavak"}), "\"hang\""));
  EXPECT_TRUE(mentions(refusal(grid), "phones"));
  grid.tiers[0].name = "phones";
  EXPECT_TRUE(mentions(refusal(grid), "words"));
  // Only the word tier named: the sound tier is still found by its name.
  EXPECT_TRUE(segmented(grid, SymbolSet::zor(), {"", "szavak"}) == alma_segmentation());
  grid.tiers[0].intervals.clear();
  EXPECT_TRUE(mentions(refusal(grid, SymbolSet::zor(), {"", "szavak"}), "\"phones\""));
}

class SegmentationFileTest : public ::testing::Test {
 protected:
  std::string read_refusal(const std::string& path) {
    Segmentation out;
    std::string reason;
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(read_segmentation(path, {}, SymbolSet::zor(), out, reason));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    return from_cp1250(reason);
  }
  test::ScratchDir dir_;
};

TEST_F(SegmentationFileTest, RefusesHugeFilesFifosAndFoldersWithoutReadingThem) {
  const std::string huge = dir_.file("huge.TextGrid");
  { std::ofstream create(huge); }
  std::filesystem::resize_file(huge, std::uint64_t{2} << 30);  // sparse: nothing is written
  EXPECT_TRUE(mentions(read_refusal(huge), "túl nagy"));
  const std::string fifo = dir_.file("fifo.TextGrid");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_TRUE(mentions(read_refusal(fifo), "nem közönséges"));
  EXPECT_TRUE(mentions(read_refusal(dir_.path().string()), "nem közönséges"));
  EXPECT_TRUE(mentions(read_refusal(dir_.file("missing.TextGrid")), "nem létezik"));
  test::write_bytes(dir_.path() / "broken.TextGrid", "\"ooTextFile\" \"TextGrid\" 0 1 <exists> 9");
  EXPECT_TRUE(mentions(read_refusal(dir_.file("broken.TextGrid")), "TextGrid"));
}

}  // namespace
}  // namespace zor
