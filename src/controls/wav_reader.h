#pragma once
// Opens a recording and reads its format for the recording list's
// information line.
#include <cstdint>
#include <cstdio>
#include <string>

#include "controls/wav_header.h"

class WavReader {
 public:
  WavReader() = default;
  WavReader(const WavReader&) = delete;
  WavReader& operator=(const WavReader&) = delete;
  ~WavReader() { Close(); }

  // Opens the file (a Windows-1250 path) and reads its header; closes a file
  // opened before. kWavOk, kWavUnreadable, or kWavNoName for an empty path.
  // The file stays open until Close; a failed Open leaves the reader closed.
  int Open(const std::string& path);
  int Close();
  bool is_open() const { return file_ != nullptr; }

  std::uint32_t SampleRate() const { return format_.sample_rate; }
  std::uint16_t BitsPerSample() const { return format_.bits_per_sample; }
  std::uint16_t Channels() const { return format_.channels; }
  std::uint32_t FrameCount() const { return format_.frame_count; }
  double Seconds() const { return format_.seconds; }
  const zor::WavFormat& Format() const { return format_; }
  // The bytes of `count` frames from frame `first` on, as the file holds
  // them; fewer at the end of the data. False when nothing can be read.
  bool ReadFrames(std::uint32_t first, std::uint32_t count, std::string& bytes);

 private:
  std::FILE* file_ = nullptr;
  zor::WavFormat format_;
};
