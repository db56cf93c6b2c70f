// zor-cli textgrid on spoken sentences: the TextGrids it writes, beside the
// same WAV and text files, convert into the tables of the label and
// pitch-mark files, paths aside.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/query_cli_support.h"
#include "speak/speak_corpus.h"
#include "support/test_files.h"

namespace zor {
namespace {

using test::read_bytes;
using test::run_program;
using test::shell_quoted;

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
  return text;
}

TEST(TextGridCommand, SpokenSentencesConvertBackIntoTheSameTables) {
  test::ScratchDir dir;
  // The first sample sentences, spoken by espeak-ng.
  std::ifstream sample(ZOR_SAMPLE_SENTENCES);
  std::string sentences, line;
  for (int i = 0; i < 8 && std::getline(sample, line); ++i) sentences += line + "\n";
  test::write_bytes(dir.path() / "sentences.txt", sentences);
  speak::SpeakOptions options;
  options.out = dir.path() / "corpus";
  options.sentences = dir.path() / "sentences.txt";
  std::string error;
  ASSERT_TRUE(speak::parse_speakers(speak::kDefaultVoices, options.speakers, error)) << error;
  speak::SpeakSummary summary;
  ASSERT_TRUE(speak::speak_corpus(options, summary, error)) << error;

  const std::string corpus = dir.file("corpus"), grids = dir.file("grids");
  std::string errors;
  ASSERT_EQ(run_program(test::zor_cli() + " convert --quiet --out-dir " + shell_quoted(dir.file("labels")) +
                            " --list " + shell_quoted(corpus + "/list.txt"),
                        dir, errors),
            0)
      << errors;
  ASSERT_EQ(run_program(test::zor_cli() + " textgrid --out-dir " + shell_quoted(grids) + " --list " +
                            shell_quoted(corpus + "/list.txt"),
                        dir, errors),
            0)
      << errors;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    const std::string extension = entry.path().extension().string();
    if (extension == ".wav" || extension == ".txt")
      std::filesystem::copy_file(entry.path(), std::filesystem::path(grids) / entry.path().filename());
  }
  test::write_bytes(dir.path() / "grids.txt", replaced(read_bytes(corpus + "/list.txt"), corpus, grids));
  ASSERT_EQ(run_program(test::zor_cli() + " convert --quiet --out-dir " + shell_quoted(dir.file("grid_tables")) +
                            " --list " + shell_quoted(dir.file("grids.txt")),
                        dir, errors),
            0)
      << errors;
  for (const char* table : {"sentences", "words", "sounds"}) {
    SCOPED_TRACE(table);
    const std::string name = std::string("/output_") + table + ".txt";
    EXPECT_EQ(replaced(read_bytes(dir.file("grid_tables") + name), grids, corpus),
              read_bytes(dir.file("labels") + name));
  }
}

TEST(TextGridCommand, ASetThatCannotBeReadIsListedAndTheRestWritten) {
  test::ScratchDir dir;
  std::string errors;
  ASSERT_EQ(run_program(shell_quoted(ZOR_GENERATOR_PATH) + " --out " + shell_quoted(dir.file("corpus")) +
                            " --recordings 2 --seed 4",
                        dir, errors),
            0);
  const std::string missing = dir.file("corpus/nincs.wav");
  EXPECT_EQ(run_program(test::zor_cli() + " textgrid --out-dir " + shell_quoted(dir.file("grids")) + " " +
                            shell_quoted(dir.file("corpus/s00001.wav")) + " " + shell_quoted(missing),
                        dir, errors),
            3);
  EXPECT_NE(errors.find(missing + ": az .imf"), std::string::npos) << errors;
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "grids/s00001.TextGrid"));
  EXPECT_EQ(run_program(test::zor_cli() + " textgrid --out-dir " + shell_quoted(dir.file("grids")), dir, errors), 2);
}

}  // namespace
}  // namespace zor
