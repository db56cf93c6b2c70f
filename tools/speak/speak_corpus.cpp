#include "speak/speak_corpus.h"

#include <charconv>
#include <cstdio>
#include <fstream>

#include "gen/corpus_folder.h"
#include "gen/random.h"
#include "gen/recording_files.h"
#include "platform/encoding.h"
#include "speak/spoken_sentence.h"

namespace zor::speak {
namespace {

constexpr int kSlowestRate = 80;  // espeak-ng's own bounds
constexpr int kFastestRate = 450;

// Silence before and after the speech, drawn per sentence: espeak-ng starts
// speaking at once and stops with a few milliseconds of pause.
constexpr int kShortestLeadMs = 150, kLongestLeadMs = 350;
constexpr int kShortestTailMs = 150, kLongestTailMs = 300;

std::uint32_t samples_of(int milliseconds) {
  return static_cast<std::uint32_t>(milliseconds * kSampleRate / 1000);
}

bool read_sentences(const std::filesystem::path& path, std::vector<std::string>& sentences,
                    std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read " + path.string();
    return false;
  }
  std::string line;
  while (std::getline(in, line)) {
    if (sentences.empty() && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
    size_t end = line.find_last_not_of(" \t\r");
    if (end == std::string::npos) continue;
    line.erase(end + 1);
    line.erase(0, line.find_first_not_of(" \t"));
    sentences.push_back(line);
  }
  return true;
}

std::string recording_stem(int number) {
  char stem[16];
  std::snprintf(stem, sizeof stem, "s%03d", number);
  return stem;
}

bool speak_sentence(const std::string& utf8_text, const Speaker& speaker, int number,
                    gen::RecordingFiles& files, std::uint64_t& sounds, std::string& error) {
  std::string text = to_cp1250(utf8_text);
  if (from_cp1250(text) != utf8_text) {
    error = "not all of it is Windows-1250";
    return false;
  }
  Speech speech;
  SpokenSentence spoken;
  if (!speak(utf8_text, speaker, speech, error) || !segment_speech(speech, spoken, error)) {
    return false;
  }
  gen::Random random(static_cast<std::uint64_t>(number));
  std::vector<std::int16_t> samples(samples_of(random.between(kShortestLeadMs, kLongestLeadMs)));
  const auto lead = static_cast<std::uint32_t>(samples.size());
  samples.insert(samples.end(), speech.samples.begin(), speech.samples.end());
  samples.resize(samples.size() + samples_of(random.between(kShortestTailMs, kLongestTailMs)));

  gen::Sentence sentence =
      labelled_sentence(spoken, lead, static_cast<std::uint32_t>(samples.size()), text);
  files = gen::recording_files(sentence, true);
  files.wav = gen::wav_file_bytes(samples);
  sounds += sentence.sound_count() - 1;  // the closing pause is no sound row
  return true;
}

}  // namespace

bool parse_speakers(std::string_view list, std::vector<Speaker>& speakers, std::string& error) {
  speakers.clear();
  while (!list.empty()) {
    size_t comma = list.find(',');
    std::string_view item = list.substr(0, comma);
    list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
    Speaker speaker;
    size_t at = item.find('@');
    speaker.voice = item.substr(0, at);
    if (at != std::string_view::npos) {
      std::string_view rate = item.substr(at + 1);
      auto [end, failure] = std::from_chars(rate.data(), rate.data() + rate.size(), speaker.rate);
      if (failure != std::errc{} || end != rate.data() + rate.size() || speaker.rate < kSlowestRate ||
          speaker.rate > kFastestRate) {
        error = "the rate of \"" + std::string(item) + "\" is no number from 80 to 450";
        return false;
      }
    }
    if (speaker.voice.empty()) {
      error = "a voice in \"" + std::string(item) + "\" has no name";
      return false;
    }
    speakers.push_back(std::move(speaker));
  }
  if (!speakers.empty()) return true;
  error = "no voice given";
  return false;
}

bool speak_corpus(const SpeakOptions& options, SpeakSummary& summary, std::string& error) {
  summary = SpeakSummary{};
  if (options.speakers.empty()) {
    error = "no voice given";
    return false;
  }
  std::vector<std::string> sentences;
  if (!read_sentences(options.sentences, sentences, error)) return false;
  size_t count = sentences.size();
  if (options.count > 0) {
    if (static_cast<size_t>(options.count) > sentences.size()) {
      error = options.sentences.string() + " holds " + std::to_string(sentences.size()) +
              " sentences, fewer than " + std::to_string(options.count);
      return false;
    }
    count = static_cast<size_t>(options.count);
  }
  gen::CorpusFolder folder(options.out);
  for (size_t i = 0; i < count; ++i) {
    int number = static_cast<int>(i) + 1;
    const Speaker& speaker = options.speakers[i % options.speakers.size()];
    gen::RecordingFiles files;
    std::string wav;
    if (!speak_sentence(sentences[i], speaker, number, files, summary.sounds, error)) {
      error = "sentence " + std::to_string(number) + " (\"" + sentences[i] + "\"): " + error;
      return false;
    }
    if (!folder.add(recording_stem(number), files, wav, error)) return false;
    ++summary.recordings;
  }
  return folder.write_list(summary.list, error);
}

}  // namespace zor::speak
