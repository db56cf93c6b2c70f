#include "conversion/file_set.h"

#include <gtest/gtest.h>

#include <vector>

#include "corpus/output_names.h"

namespace zor {
namespace {

TEST(FileSet, ReplacesEveryExactWavInThePath) {
  struct Case {
    std::string_view wav, imf;
  };
  for (const Case& c : std::vector<Case>{{"C:\\rec\\s01.wav", "C:\\rec\\s01.imf"},
                                         {"C:\\a.wav\\s01.wav", "C:\\a.imf\\s01.imf"},
                                         {"C:\\rec\\S01.WAV", "C:\\rec\\S01.WAV"},
                                         {"s.wav.wav", "s.imf.imf"},
                                         {"s.wavx", "s.imfx"},
                                         {"nowav", "nowav"},
                                         {"", ""}}) {
    EXPECT_EQ(side_file_path(c.wav, ".imf"), c.imf) << c.wav;
  }
  FileSet set = FileSet::of_recording("/rec/s01.wav");
  EXPECT_EQ(set.wav_path, "/rec/s01.wav");
  EXPECT_EQ(set.label_path, "/rec/s01.imf");
  EXPECT_EQ(set.pitch_path, "/rec/s01.pit");
  EXPECT_EQ(set.text_path, "/rec/s01.txt");
}

TEST(OutputNames, SplitsTheBaseAtItsFirstDotAndFallsBackToOutputTxt) {
  struct Case {
    std::string_view directory, base;
    std::string_view sentences, words, report;
  };
  for (const Case& c : std::vector<Case>{
           {"D:\\out\\", "output.txt", "D:\\out\\output_sentences.txt",
            "D:\\out\\output_words.txt", "D:\\out\\output.txt"},
           {"d/", "korpusz", "d/korpusz_sentences.txt", "d/korpusz_words.txt", "d/korpusz.txt"},
           {"d/", "adat.csv", "d/adat_sentences.csv", "d/adat_words.csv", "d/adat.csv"},
           {"d/", "a.b.c", "d/a_sentences.b.c", "d/a_words.b.c", "d/a.b.c"},
           {"d/", "", "d/output_sentences.txt", "d/output_words.txt", "d/output.txt"},
           {"d/", " \t ", "d/output_sentences.txt", "d/output_words.txt", "d/output.txt"},
           {"d/", ".txt", "d/output_sentences.txt", "d/output_words.txt", "d/output.txt"},
           {"d/", "x.", "d/output_sentences.txt", "d/output_words.txt", "d/output.txt"},
           {"d/", "  eredm  ", "d/eredm_sentences.txt", "d/eredm_words.txt", "d/eredm.txt"},
           {"D:\\out", "x", "D:\\outx_sentences.txt", "D:\\outx_words.txt", "D:\\outx.txt"}}) {
    OutputNames names = build_output_names(c.directory, c.base);
    EXPECT_EQ(names.sentences, c.sentences) << c.base;
    EXPECT_EQ(names.words, c.words) << c.base;
    EXPECT_EQ(names.report, c.report) << c.base;
  }
  OutputNames names = build_output_names("o/", "r.tsv");
  EXPECT_EQ(names.sounds, "o/r_sounds.tsv");
  EXPECT_EQ(names.result, "o/r_result.tsv");
  EXPECT_EQ(names.result_dev, "o/r_result_dev.tsv");
}

TEST(OutputNames, DefaultDirectoryIsTheProgramsFolder) {
  EXPECT_EQ(default_directory("/opt/zor/bin/zor"), "/opt/zor/bin/");
  EXPECT_EQ(default_directory("zor"), "zor");
}

}  // namespace
}  // namespace zor
