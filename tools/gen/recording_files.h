#pragma once
// The files of one recording as bytes: a WAV file with a valid header and a
// moment of silence, the label file (.imf), the pitch-mark file (.pit) and the
// sentence text (.txt).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gen/sentence.h"

namespace zor::gen {

inline constexpr std::uint32_t kPitchMagic = 0xFEFEBABA;
inline constexpr std::uint8_t kSoundBoundary = 0x0C;
inline constexpr std::uint8_t kWordBoundary = 0x1C;
inline constexpr std::uint8_t kPitchMark = 0x01;  // a glottal pulse, no boundary

struct PitchRecord {
  std::uint8_t flags;
  std::uint32_t position;
};

// The pitch-mark file: the 36-byte header (magic, then zeros) and the records.
std::string pitch_file_bytes(std::uint32_t magic, const std::vector<PitchRecord>& records);

// A label-file data line: index, start and end sample, length code, a
// reserved field and the label, each in angle brackets.
struct LabelLine {
  std::uint32_t start, end;
  std::string length_code, label;
};

// A WAV file of 16-bit mono PCM at 22050 samples per second.
std::string wav_file_bytes(const std::vector<std::int16_t>& samples);

// One recording before it is written; an absent file is not written.
struct RecordingFiles {
  std::string extension = ".wav";  // of the WAV file; the side files replace ".wav"
  std::optional<std::string> wav;
  std::optional<std::string> text;
  // The label file: "matrix", the sound count and the data lines.
  bool has_labels = true;
  std::string label_header_start = "matrix";
  std::optional<int> label_sound_count;  // absent: no second "<" in the header
  std::vector<LabelLine> label_lines;
  // The pitch-mark file.
  bool has_pitch_marks = true;
  std::uint32_t pitch_magic = kPitchMagic;
  std::vector<PitchRecord> pitch_records;
  std::optional<size_t> pitch_file_size;  // cut the file to this many bytes

  std::string label_file_text() const;
  std::string pitch_file_bytes() const;
};

// The consistent files of a sentence; the text file only when asked for. The
// WAV file holds a moment of silence: the files are about the labels.
RecordingFiles recording_files(const Sentence& sentence, bool with_text);

}  // namespace zor::gen
