#include "annotation/textgrid_writer.h"

#include <gtest/gtest.h>

#include "annotation/textgrid_reader.h"
#include "platform/encoding.h"

namespace zor {
namespace {

// What segmenting the written text gives back.
Segmentation read_back(const std::string& text) {
  TextGrid grid;
  Segmentation back;
  std::string reason;
  EXPECT_TRUE(parse_textgrid(text, grid, reason)) << from_cp1250(reason);
  EXPECT_TRUE(segment_textgrid(grid, {}, SymbolSet::zor(), back, reason)) << from_cp1250(reason);
  return back;
}

// A sound at every sample from `first` on, for `count` samples, cycling
// through short and long sounds and the pause; a word every few sounds.
Segmentation every_sample(std::uint32_t first, std::uint32_t count) {
  static const SegmentedSound kSounds[] = {{"_", false, 0}, {"A:", true, 0}, {"k", true, 0},
                                           {"O", false, 0}, {"C", false, 0}, {"U:", true, 0},
                                           {"s", true, 0}};
  static const std::string kWords[] = {"", "\xF5sz", "a\"b", "alma"};
  Segmentation s;
  for (std::uint32_t i = 0; i < count; ++i) {
    SegmentedSound sound = kSounds[i % std::size(kSounds)];
    sound.start = first + i;
    s.sounds.push_back(sound);
    if (i % 5 == 0) {
      s.word_starts.push_back(i);
      s.word_texts.push_back(kWords[i / 5 % std::size(kWords)]);
    }
  }
  s.end = first + count;
  return s;
}

TEST(TextGridWriter, EverySampleReadsBackAsTheSameSample) {
  // The first three seconds, and three at half an hour, where a time needs
  // more digits.
  for (std::uint32_t first : {0u, 30u * 60u * kSamplesPerSecond}) {
    Segmentation written = every_sample(first, 3 * kSamplesPerSecond);
    Segmentation back = read_back(textgrid_text(written));
    ASSERT_EQ(back.sounds.size(), written.sounds.size());
    for (size_t i = 0; i < written.sounds.size(); ++i) {
      ASSERT_TRUE(back.sounds[i] == written.sounds[i])
          << "sound " << i << " written at " << written.sounds[i].start << " reads back as "
          << back.sounds[i].label << " at " << back.sounds[i].start;
    }
    EXPECT_TRUE(back == written);
  }
}

TEST(TextGridWriter, WritesPraatsLongTextFormatWithZorSymbols) {
  Segmentation s;
  s.sounds = {{"_", false, 0}, {"A:", true, 2205}, {"k", true, 4410}, {"t", false, 6615}};
  s.end = 7000;
  s.word_starts = {0, 1};
  s.word_texts = {"", "\xE1kt"};  // "ákt"
  EXPECT_EQ(textgrid_text(s), R"(File type = "ooTextFile"
Object class = "TextGrid"

xmin = 0 
xmax = 0.31746031746031744 
tiers? <exists> 
size = 2 
item []: 
    item [1]:
        class = "IntervalTier" 
        name = "phones" 
        xmin = 0 
        xmax = 0.31746031746031744 
        intervals: size = 4 
        intervals [1]:
            xmin = 0 
            xmax = 0.1 
            text = "_" 
        intervals [2]:
            xmin = 0.1 
            xmax = 0.2 
            text = "A:" 
        intervals [3]:
            xmin = 0.2 
            xmax = 0.3 
            text = "k:" 
        intervals [4]:
            xmin = 0.3 
            xmax = 0.31746031746031744 
            text = "t" 
    item [2]:
        class = "IntervalTier" 
        name = "words" 
        xmin = 0 
        xmax = 0.31746031746031744 
        intervals: size = 2 
        intervals [1]:
            xmin = 0 
            xmax = 0.1 
            text = "" 
        intervals [2]:
            xmin = 0.1 
            xmax = 0.31746031746031744 
            text = "ákt" 
)");
}

}  // namespace
}  // namespace zor
