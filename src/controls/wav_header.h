#pragma once
// The format of a WAV file and where its samples lie, read by walking the
// RIFF chunks. Free of any window or audio code so it can be fed arbitrary
// bytes.
#include <cstddef>
#include <cstdint>
#include <functional>

namespace zor {

struct WavFormat {
  std::uint16_t format_tag = 1;
  std::uint16_t channels = 2;
  std::uint32_t sample_rate = 44100;
  std::uint32_t byte_rate = 176400;
  std::uint16_t block_align = 4;
  std::uint16_t bits_per_sample = 16;
  std::uint64_t data_offset = 0;  // first sample byte
  std::uint32_t data_size = 0;    // as the data chunk states it
  std::uint32_t frame_count = 0;
  double seconds = 0.0;
};

// Result codes of the reader.
inline constexpr int kWavOk = 0;
inline constexpr int kWavUnreadable = 3;  // cannot open or read, or a bad header
inline constexpr int kWavNoName = 4;

// Copies exactly `size` bytes from `offset` of the file into `out`; false
// when the file ends earlier or cannot be read.
using WavReadAt = std::function<bool(std::uint64_t offset, void* out, std::size_t size)>;

// Reads the header of a file of `file_size` bytes. The frame count comes
// from the data chunk's size, cut to what the file really holds. Returns
// kWavOk or kWavUnreadable.
int parse_wav_header(const WavReadAt& read_at, std::uint64_t file_size, WavFormat& format);

}  // namespace zor
