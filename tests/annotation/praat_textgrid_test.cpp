// Praat is the other side of every TextGrid: what it saves must read alike
// here, and what is written here must read in Praat as it was meant.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "annotation/segmentation.h"
#include "annotation/textgrid_reader.h"
#include "annotation/textgrid_test_files.h"
#include "annotation/textgrid_writer.h"
#include "platform/encoding.h"
#include "support/test_files.h"

namespace zor {
namespace {

using test::describe;
using test::read_bytes;
using test::shell_word;

class TextGridPraatTest : public ::testing::Test {
 protected:
  void SetUp() override {
    praat_ = test::find_praat();
    if (praat_.empty()) GTEST_SKIP() << "Praat is not on PATH; these tests need it";
  }

  TextGrid parsed_file(const std::filesystem::path& path) {
    TextGrid grid;
    std::string reason;
    EXPECT_TRUE(parse_textgrid(read_bytes(path), grid, reason))
        << path << ": " << from_cp1250(reason);
    return grid;
  }

  std::string praat_;
  test::ScratchDir dir_;
};

std::string swapped_byte_order(std::string utf16) {
  for (size_t i = 0; i + 1 < utf16.size(); i += 2) std::swap(utf16[i], utf16[i + 1]);
  return utf16;
}

TEST_F(TextGridPraatTest, EveryFormPraatSavesReadsAsTheSameGrid) {
  const std::string source = test::data_file("annotation/alma.TextGrid");
  std::string output;
  ASSERT_TRUE(test::run_praat(praat_, test::data_file("annotation/save_every_form.praat"),
                              shell_word(source) + " " + shell_word(dir_.path().string()), output))
      << output;
  const TextGrid original = parsed_file(source);
  ASSERT_EQ(original.tiers.size(), 3u);
  EXPECT_FALSE(original.tiers[2].is_interval_tier);

  for (const char* form : {"text", "short", "binary", "utf8"}) {
    SCOPED_TRACE(form);
    EXPECT_EQ(describe(parsed_file(dir_.path() / (std::string(form) + ".TextGrid"))),
              describe(original));
  }
  // Praat's own choice for a text that is not ASCII: UTF-16, big-endian,
  // with a byte-order mark. The other byte order reads alike.
  const std::string utf16 = read_bytes(dir_.path() / "text.TextGrid");
  ASSERT_GE(utf16.size(), 2u);
  EXPECT_EQ(utf16.substr(0, 2), "\xFE\xFF");
  TextGrid little;
  std::string reason;
  ASSERT_TRUE(parse_textgrid(swapped_byte_order(utf16), little, reason)) << from_cp1250(reason);
  EXPECT_TRUE(little == original);
  EXPECT_EQ(read_bytes(dir_.path() / "binary.TextGrid").substr(0, 12), "ooBinaryFile");
}

// What Praat read from a written TextGrid, and the text it saves of it.
struct PraatView {
  std::vector<std::string> lines;
  std::string resaved;
};

PraatView praat_view(const std::string& praat, const test::ScratchDir& dir,
                     const std::string& text) {
  test::write_bytes(dir.path() / "written.TextGrid", text);
  std::string output;
  EXPECT_TRUE(test::run_praat(
      praat, test::data_file("annotation/dump_interval_tiers.praat"),
      shell_word(dir.file("written.TextGrid")) + " " + shell_word(dir.file("resaved.TextGrid")),
      output))
      << output;
  PraatView view;
  std::istringstream in(output);
  for (std::string line; std::getline(in, line);) view.lines.push_back(line);
  view.resaved = std::filesystem::exists(dir.path() / "resaved.TextGrid")
                     ? read_bytes(dir.path() / "resaved.TextGrid")
                     : std::string();
  return view;
}

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> parts;
  std::istringstream in(line);
  for (std::string part; std::getline(in, part, '\t');) parts.push_back(part);
  if (!line.empty() && line.back() == '\t') parts.emplace_back();
  return parts;
}

TEST_F(TextGridPraatTest, PraatReadsWhatTheWriterWritesAndSavesTheSameText) {
  Segmentation s;
  // Boundaries at odd samples need all the digits of their times.
  s.sounds = {{"_", false, 0},     {"O:", true, 2647},  {"a", false, 7053}, {"l", true, 8821},
              {"m", false, 10583}, {"a", false, 12349}, {"_", false, 14999}};
  s.end = 21171;
  s.word_starts = {0, 1, 2, 6};
  s.word_texts = {"", "\xF5", "a\"lma", ""};  // "ő", and a quote Praat must read as one
  const std::string text = textgrid_text(s);
  PraatView view = praat_view(praat_, dir_, text);
  ASSERT_GE(view.lines.size(), 1u);
  EXPECT_EQ(view.lines[0], "tiers\t2");

  // Each tier as the segmentation means it: labels and samples.
  std::vector<std::string> phones, words;
  for (size_t i = 0; i < s.sounds.size(); ++i) {
    std::string label = s.sounds[i].label + (s.sounds[i].label == "l" ? ":" : "");
    phones.push_back(label);
  }
  for (const std::string& word : s.word_texts) words.push_back(from_cp1250(word));
  std::vector<std::uint32_t> phone_starts, word_starts;
  for (const SegmentedSound& sound : s.sounds) phone_starts.push_back(sound.start);
  for (size_t start : s.word_starts) word_starts.push_back(s.sounds[start].start);

  size_t line = 1;
  auto check_tier = [&](std::string_view name, const std::vector<std::string>& texts,
                        const std::vector<std::uint32_t>& starts) {
    SCOPED_TRACE(name);
    ASSERT_LT(line, view.lines.size());
    EXPECT_EQ(view.lines[line++],
              "tier\t" + std::string(name) + "\t" + std::to_string(texts.size()));
    for (size_t i = 0; i < texts.size(); ++i) {
      ASSERT_LT(line, view.lines.size());
      std::vector<std::string> parts = fields(view.lines[line++]);
      ASSERT_EQ(parts.size(), 3u) << view.lines[line - 1];
      const std::uint32_t end = i + 1 < starts.size() ? starts[i + 1] : s.end;
      EXPECT_EQ(std::llround(std::stod(parts[0]) * kSamplesPerSecond), starts[i]) << i;
      EXPECT_EQ(std::llround(std::stod(parts[1]) * kSamplesPerSecond), end) << i;
      EXPECT_EQ(parts[2], texts[i]) << i;
    }
  };
  check_tier("phones", phones, phone_starts);
  check_tier("words", words, word_starts);
  EXPECT_EQ(line, view.lines.size());

  // Praat saves it again byte for byte: the layout, the digits of each time
  // and the doubled quote are Praat's own.
  EXPECT_EQ(view.resaved, text);
}

}  // namespace
}  // namespace zor
