#pragma once
// Writes recordings' side files (.imf, .pit, .txt) for tests.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gen/recording_files.h"
#include "support/test_files.h"

namespace zor::test {

using PitchMark = gen::PitchRecord;
inline constexpr std::uint8_t kSoundMark = gen::kSoundBoundary;
inline constexpr std::uint8_t kWordMark = gen::kWordBoundary;

inline std::string pitch_bytes(const std::vector<PitchMark>& marks,
                               std::uint32_t magic = gen::kPitchMagic) {
  return gen::pitch_file_bytes(magic, marks);
}
// A label-file data line with the length code in field 4 and the label in field 6.
std::string label_line(std::string_view label, std::string_view length_code = "100");
// "matrix <1> <N>" and the lines, each ended by CR LF.
std::string label_file_text(int sound_count, const std::vector<std::string>& lines);

enum class FinalPause { none, sound_boundary, word_boundary };

struct SentenceSpec {
  SentenceSpec(std::vector<std::vector<std::string>> words,
               FinalPause final_pause = FinalPause::word_boundary,
               std::optional<std::string> text = std::nullopt)
      : words(std::move(words)), final_pause(final_pause), text(std::move(text)) {}

  std::vector<std::vector<std::string>> words;  // labels as written, code "100"
  FinalPause final_pause;
  std::optional<std::string> text;  // no .txt when absent
};

// Every sound lasts 441 samples (20 ms); each word's first sound carries a
// word boundary. Writes <name>.imf, .pit and .txt in the folder and returns
// the WAV path (the WAV file itself is not needed).
std::string write_sentence(const ScratchDir& dir, std::string_view name, const SentenceSpec& spec);

}  // namespace zor::test
