#include "recording_files.h"

namespace zor::test {

std::string label_line(std::string_view label, std::string_view length_code) {
  return "<0> <0> <0> <" + std::string(length_code) + "> <x> <" + std::string(label) + ">";
}

std::string label_file_text(int sound_count, const std::vector<std::string>& lines) {
  std::string text = "matrix <1> <" + std::to_string(sound_count) + ">\r\n";
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string write_sentence(const ScratchDir& dir, std::string_view name, const SentenceSpec& spec) {
  constexpr std::uint32_t kSamplesPerSound = 441;
  std::vector<std::string> lines;
  std::vector<PitchMark> marks;
  for (const auto& word : spec.words) {
    for (size_t i = 0; i < word.size(); ++i) {
      marks.push_back({i == 0 ? kWordMark : kSoundMark,
                       static_cast<std::uint32_t>(lines.size()) * kSamplesPerSound});
      lines.push_back(label_line(word[i]));
    }
  }
  if (spec.final_pause != FinalPause::none) {
    marks.push_back({spec.final_pause == FinalPause::word_boundary ? kWordMark : kSoundMark,
                     static_cast<std::uint32_t>(lines.size()) * kSamplesPerSound});
    lines.push_back(label_line("_"));
  }
  std::string stem = dir.file(name);
  write_bytes(stem + ".imf", label_file_text(static_cast<int>(lines.size()), lines));
  write_bytes(stem + ".pit", pitch_bytes(marks));
  if (spec.text) write_bytes(stem + ".txt", *spec.text + "\r\n");
  return stem + ".wav";
}

}  // namespace zor::test
