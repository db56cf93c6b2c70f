#include "gen/recording_files.h"

namespace zor::gen {
namespace {

constexpr std::uint32_t kSamplesPerSecond = 22050;
constexpr std::uint32_t kSilentSamples = 441;  // 20 ms
constexpr std::uint32_t kPitchPeriod = 180;    // about 120 Hz

void append_u16(std::string& bytes, std::uint16_t value) {
  bytes.push_back(static_cast<char>(value & 0xFF));
  bytes.push_back(static_cast<char>(value >> 8));
}

void append_u32(std::string& bytes, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>(value >> shift));
}

std::string text_file_text(const Sentence& sentence) { return sentence.text + "\r\n"; }

}  // namespace

std::string wav_file_bytes(const std::vector<std::int16_t>& samples) {
  const auto data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::string bytes = "RIFF";
  append_u32(bytes, 36 + data_bytes);
  bytes += "WAVEfmt ";
  append_u32(bytes, 16);
  append_u16(bytes, 1);  // PCM
  append_u16(bytes, 1);  // mono
  append_u32(bytes, kSamplesPerSecond);
  append_u32(bytes, kSamplesPerSecond * 2);
  append_u16(bytes, 2);
  append_u16(bytes, 16);
  bytes += "data";
  append_u32(bytes, data_bytes);
  for (std::int16_t sample : samples) append_u16(bytes, static_cast<std::uint16_t>(sample));
  return bytes;
}

std::string RecordingFiles::label_file_text() const {
  std::string text = label_header_start + " <1>";
  if (label_sound_count) text += " <" + std::to_string(*label_sound_count) + ">";
  text += "\r\n";
  for (size_t i = 0; i < label_lines.size(); ++i) {
    const LabelLine& line = label_lines[i];
    text += "<" + std::to_string(i) + "> <" + std::to_string(line.start) + "> <" +
            std::to_string(line.end) + "> <" + line.length_code + "> <0> <" + line.label + ">\r\n";
  }
  return text;
}

std::string pitch_file_bytes(std::uint32_t magic, const std::vector<PitchRecord>& records) {
  std::string bytes;
  append_u32(bytes, magic);
  bytes.append(32, '\0');
  for (const PitchRecord& record : records) {
    bytes.push_back(static_cast<char>(record.flags));
    append_u32(bytes, record.position);
  }
  return bytes;
}

std::string RecordingFiles::pitch_file_bytes() const {
  std::string bytes = gen::pitch_file_bytes(pitch_magic, pitch_records);
  if (pitch_file_size && *pitch_file_size < bytes.size()) bytes.resize(*pitch_file_size);
  return bytes;
}

RecordingFiles recording_files(const Sentence& sentence, bool with_text) {
  RecordingFiles files;
  files.wav = wav_file_bytes(std::vector<std::int16_t>(kSilentSamples));
  if (with_text) files.text = text_file_text(sentence);
  std::uint32_t position = 0;
  for (const Word& word : sentence.words) {
    for (size_t i = 0; i < word.sounds.size(); ++i) {
      const Sound& sound = word.sounds[i];
      bool word_start = i == 0 && word.starts_word;
      files.pitch_records.push_back({word_start ? kWordBoundary : kSoundBoundary, position});
      if (sound.voiced) {
        for (std::uint32_t mark = kPitchPeriod / 2; mark < sound.samples; mark += kPitchPeriod) {
          files.pitch_records.push_back({kPitchMark, position + mark});
        }
      }
      files.label_lines.push_back({position, position + sound.samples, sound.length_code, sound.label});
      position += sound.samples;
    }
  }
  files.label_sound_count = static_cast<int>(files.label_lines.size());
  return files;
}

}  // namespace zor::gen
