#include "conversion/set_segmentation.h"

#include <cstdio>

#include "conversion/phonetics.h"
#include "platform/encoding.h"

namespace zor {
namespace {

constexpr std::string_view kWordEdgePunctuation = ".,;:!?\"'()[]";

// The blank-separated words of a sentence text without the punctuation at
// their ends.
std::vector<std::string> text_words(std::string_view text) {
  std::vector<std::string> words;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find(' ', at);
    if (end == std::string_view::npos) end = text.size();
    std::string_view word = text.substr(at, end - at);
    while (!word.empty() && kWordEdgePunctuation.find(word.front()) != std::string_view::npos)
      word.remove_prefix(1);
    while (!word.empty() && kWordEdgePunctuation.find(word.back()) != std::string_view::npos)
      word.remove_suffix(1);
    if (!word.empty()) words.emplace_back(word);
    at = end + 1;
  }
  return words;
}

std::string seconds_text(std::uint32_t sample) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f s", static_cast<double>(sample) / kSamplesPerSecond);
  return text;
}

}  // namespace

bool read_set_segmentation(FileSetReader& reader, std::string_view wav_path, Segmentation& out,
                           std::string& problem) {
  if (reader.open_set(wav_path) != SetResult::opened) {
    problem = reader.problem();
    reader.close_set();
    return false;
  }
  Segmentation segmentation;
  std::vector<std::string> word_labels;
  std::vector<bool> pause_words;
  for (std::string label = reader.next_sound(); !label.empty(); label = reader.next_sound()) {
    if (segmentation.sounds.empty() || reader.starts_word()) {
      segmentation.word_starts.push_back(segmentation.sounds.size());
      word_labels.emplace_back();
      pause_words.push_back(true);
    }
    word_labels.back().append(label);
    if (label != kPauseLabel) pause_words.back() = false;
    if (reader.sound_end() <= reader.sound_start()) {
      problem = to_cp1250("a(z) ") + label + to_cp1250(" hang nem tart semeddig (" +
                                                       seconds_text(reader.sound_start()) + ")");
      reader.close_set();
      return false;
    }
    // The table's label carries a long consonant's mark; the TextGrid keeps
    // the letter and the length apart.
    SegmentedSound sound{label, !reader.is_short(), reader.sound_start()};
    if (label.size() == 2 && label[1] == kLongMark && is_consonant(label)) sound.label.resize(1);
    segmentation.sounds.push_back(std::move(sound));
    segmentation.end = reader.sound_end();
  }
  const std::string text = reader.sentence_text();
  reader.close_set();
  if (segmentation.sounds.empty()) {
    problem = to_cp1250("a címkeállományban nincs hang");
    return false;
  }
  size_t spoken = 0;
  for (bool pause : pause_words) spoken += pause ? 0 : 1;
  const std::vector<std::string> written = text_words(text);
  size_t next_written = 0;
  for (size_t w = 0; w < word_labels.size(); ++w) {
    if (pause_words[w]) segmentation.word_texts.emplace_back();
    else if (written.size() == spoken) segmentation.word_texts.push_back(written[next_written++]);
    else segmentation.word_texts.push_back(word_labels[w]);
  }
  out = std::move(segmentation);
  return true;
}

}  // namespace zor
