#pragma once
// WAV files built byte by byte for the reader and page tests.
#include <cstdint>
#include <string>

namespace zor::test {

struct WavLayout {
  std::uint16_t format_tag = 1;
  std::uint16_t channels = 2;
  std::uint32_t sample_rate = 44100;
  std::uint16_t bits_per_sample = 16;
  std::uint32_t sample_bytes = 0;
  std::uint32_t format_extra = 0;         // bytes after the 16 basic format bytes
  std::string chunks_before_data;         // complete chunks between format and data
  std::string chunks_after_data;          // complete chunks after the samples
  std::int64_t stated_data_size = -1;     // -1: the true sample byte count
};

std::string wav_bytes(const WavLayout& layout);
// A complete chunk with `size` zero bytes of body (plus its pad byte).
std::string riff_chunk(const char (&id)[5], std::uint32_t size);
// Writes bytes to a file named in UTF-8.
void write_file(const std::string& utf8_path, const std::string& bytes);

}  // namespace zor::test
