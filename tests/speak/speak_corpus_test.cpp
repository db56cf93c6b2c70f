#include "speak/speak_corpus.h"

#include <gtest/gtest.h>

#include <cstring>

#include "conversion/conversion_run.h"
#include "platform/encoding.h"
#include "corpus/label_tree.h"
#include "cli/recording_list.h"
#include "support/fake_host.h"
#include "support/test_files.h"

namespace zor::speak {
namespace {

using test::read_bytes;
using test::ScratchDir;

// A comma, a long sz, and "nem szeretek", which espeak-ng speaks as one word.
const std::vector<std::string> kSentences = {"Az alma piros, a körte sárga.",
                                             "Ősszel hűvös az idő.", "Nem szeretek sokáig várni."};

std::vector<std::string> lines_of(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  EXPECT_EQ(start, bytes.size()) << "a line without CR LF";
  return lines;
}

std::vector<std::string> fields_of(const std::string& line, char separator) {
  std::vector<std::string> fields;
  for (size_t from = 0;;) {
    size_t end = line.find(separator, from);
    fields.push_back(line.substr(from, end - from));
    if (end == std::string::npos) return fields;
    from = end + 1;
  }
}

std::uint32_t u32_at(const std::string& bytes, size_t offset) {
  std::uint32_t value = 0;
  std::memcpy(&value, bytes.data() + offset, 4);
  return value;
}

class SpeakCorpusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string text;
    for (const std::string& sentence : kSentences) text += sentence + "\n";
    test::write_bytes(input_.path() / "sentences.txt", text);
    options_.out = corpus_.path();
    options_.sentences = input_.path() / "sentences.txt";
    std::string error;
    ASSERT_TRUE(parse_speakers(kDefaultVoices, options_.speakers, error)) << error;
    ASSERT_TRUE(speak_corpus(options_, summary_, error)) << error;
  }
  std::string file(int number, const char* extension) const {
    char name[16];
    std::snprintf(name, sizeof name, "s%03d%s", number, extension);
    return read_bytes(corpus_.path() / name);
  }

  ScratchDir input_, corpus_;
  SpeakOptions options_;
  SpeakSummary summary_;
};

TEST_F(SpeakCorpusTest, ConvertsWithNoSetSkippedOneWordRowPerWordAndPause) {
  std::vector<std::string> wav_paths;
  ASSERT_TRUE(read_recording_list(summary_.list.string(), wav_paths));
  ASSERT_EQ(wav_paths.size(), kSentences.size());
  ScratchDir tables;
  ConversionInput input;
  for (const std::string& wav : wav_paths) input.recordings.push_back(recording_of(wav));
  input.sentences_path = tables.file("out_sentences.txt");
  input.words_path = tables.file("out_words.txt");
  input.sounds_path = tables.file("out_sounds.txt");
  LabelTree tree;
  tree.build_default_tree();
  test::FakeHost host;
  ASSERT_EQ(run_conversion(input, tree, host), RunOutcome::completed);
  EXPECT_TRUE(host.messages.empty()) << "skipped sets: " << host.message_texts().front();

  std::vector<std::string> sentences = lines_of(read_bytes(input.sentences_path));
  ASSERT_EQ(sentences.size(), kSentences.size() + 1);
  for (size_t i = 0; i < kSentences.size(); ++i) {
    EXPECT_EQ(fields_of(sentences[i + 1], '\t').at(4), to_cp1250(kSentences[i]));
  }
  std::vector<std::vector<std::string>> words(kSentences.size());
  std::vector<std::string> rows = lines_of(read_bytes(input.words_path));
  for (size_t i = 1; i < rows.size(); ++i) {
    std::vector<std::string> fields = fields_of(rows[i], '\t');
    words.at(std::stoul(fields.at(1)) - 1).push_back(fields.at(3));
  }
  // The pause words: one opening each sentence, one at each comma.
  EXPECT_EQ(words[0], (std::vector<std::string>{"_", "az", "alma", "piroS", "_", "a", "kOrte",
                                                "SA:rga"}));
  EXPECT_EQ(words[1], (std::vector<std::string>{"_", "O:s:el", "hU:vOS", "az", "idO:"}));
  EXPECT_EQ(words[2], (std::vector<std::string>{"_", "nem", "seretek", "SokA:ig", "vA:rni"}));
  EXPECT_EQ(summary_.recordings, 3);
}

TEST_F(SpeakCorpusTest, WavHoldsTheSpeechToTheLastBoundaryAndTheClosingPause) {
  for (int number = 1; number <= static_cast<int>(kSentences.size()); ++number) {
    SCOPED_TRACE(number);
    std::string wav = file(number, ".wav");
    ASSERT_GE(wav.size(), 44u);
    ASSERT_EQ(wav.substr(36, 4), "data");
    EXPECT_EQ(u32_at(wav, 24), 22050u);
    std::uint32_t samples = u32_at(wav, 40) / 2;
    ASSERT_EQ(wav.size(), 44 + samples * 2u);

    // The closing pause: the last label line, from the last boundary to the end.
    std::vector<std::string> labels = lines_of(file(number, ".imf"));
    std::vector<std::string> last = fields_of(labels.back(), '<');
    ASSERT_EQ(last.size(), 7u);
    EXPECT_EQ(last[6], "_>");
    std::uint32_t pause_start = std::stoul(last[2]), pause_end = std::stoul(last[3]);
    std::string pitch = file(number, ".pit");
    std::uint32_t last_boundary = u32_at(pitch, pitch.size() - 4);
    EXPECT_EQ(pause_start, last_boundary);
    EXPECT_GT(pause_end, pause_start);
    EXPECT_EQ(pause_end, samples);
    EXPECT_EQ(static_cast<unsigned char>(pitch[pitch.size() - 5]), 0x0C);  // no word begins there

    // Speech, not silence, up to the last boundary; silence before the first word.
    std::uint32_t first_word = std::stoul(fields_of(labels.at(2), '<').at(2));
    int loudest = 0, loudest_before = 0;
    for (std::uint32_t i = 0; i < samples; ++i) {
      std::int16_t sample = 0;
      std::memcpy(&sample, wav.data() + 44 + 2 * i, 2);
      int level = sample < 0 ? -sample : sample;
      if (i < first_word) loudest_before = std::max(loudest_before, level);
      if (i < last_boundary) loudest = std::max(loudest, level);
    }
    EXPECT_GT(loudest, 5000);
    EXPECT_EQ(loudest_before, 0);
  }
}

TEST_F(SpeakCorpusTest, ASentenceSoundsTheSameWhateverWasSpokenBefore) {
  ScratchDir again;
  SpeakOptions options = options_;
  options.out = again.path();
  options.count = 1;
  SpeakSummary summary;
  std::string error;
  ASSERT_TRUE(speak_corpus(options, summary, error)) << error;
  for (const char* extension : {".wav", ".imf", ".pit", ".txt"}) {
    // Compared as a whole: a difference in the WAV file is too long to print.
    EXPECT_TRUE(read_bytes(again.path() / (std::string("s001") + extension)) == file(1, extension))
        << extension << " differs";
  }
}

TEST(ParseSpeakers, VoicesWithAndWithoutRatesAndWhatIsRefused) {
  std::vector<Speaker> speakers;
  std::string error;
  ASSERT_TRUE(parse_speakers("hu,hu+f2@150", speakers, error)) << error;
  ASSERT_EQ(speakers.size(), 2u);
  EXPECT_EQ(speakers[0].voice, "hu");
  EXPECT_EQ(speakers[0].rate, 175);
  EXPECT_EQ(speakers[1].voice, "hu+f2");
  EXPECT_EQ(speakers[1].rate, 150);
  for (const char* refused : {"", "hu@", "hu@79", "hu@451", "hu@1x", "@150", "hu,,hu"}) {
    EXPECT_FALSE(parse_speakers(refused, speakers, error)) << refused;
  }
}

TEST(SpeakCorpus, RefusesMoreSentencesThanTheFileHoldsAndAVoiceEspeakLacks) {
  ScratchDir dir;
  test::write_bytes(dir.path() / "one.txt", "Alma.\n\n");
  SpeakOptions options{dir.path() / "out", dir.path() / "one.txt", 2, {{"hu", 175}}};
  SpeakSummary summary;
  std::string error;
  EXPECT_FALSE(speak_corpus(options, summary, error));
  EXPECT_NE(error.find("holds 1 sentences"), std::string::npos) << error;
  options.count = 0;
  options.speakers = {{"no-such-voice", 175}};
  EXPECT_FALSE(speak_corpus(options, summary, error));
  EXPECT_NE(error.find("no-such-voice"), std::string::npos) << error;
}

}  // namespace
}  // namespace zor::speak
