#include "controls/wav_header.h"

#include <algorithm>

namespace zor {
namespace {

std::uint32_t le32(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t le16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

bool is_id(const unsigned char* p, const char (&id)[5]) {
  return std::equal(p, p + 4, reinterpret_cast<const unsigned char*>(id));
}

void take_format(const unsigned char* body, WavFormat& format) {
  format.format_tag = le16(body);
  format.channels = le16(body + 2);
  format.sample_rate = le32(body + 4);
  format.byte_rate = le32(body + 8);
  format.block_align = le16(body + 12);
  format.bits_per_sample = le16(body + 14);
}

bool format_is_consistent(const WavFormat& f) {
  if (f.channels != 1 && f.channels != 2) return false;
  // Below 8 bits a sample has no whole byte, and without a rate there is no
  // duration.
  if (f.bits_per_sample < 8 || f.sample_rate == 0) return false;
  // 32-bit arithmetic, as the writers of these fields compute them.
  std::uint32_t byte_rate = (f.sample_rate * f.channels * f.bits_per_sample) >> 3;
  return f.byte_rate == byte_rate && f.block_align == f.channels * f.bits_per_sample / 8;
}

}  // namespace

int parse_wav_header(const WavReadAt& read_at, std::uint64_t file_size, WavFormat& format) {
  unsigned char riff[12];
  if (!read_at(0, riff, sizeof riff) || !is_id(riff + 8, "WAVE")) return kWavUnreadable;

  // Chunks follow one another, each padded to an even size. The format chunk
  // may be longer than its 16 basic bytes, and other chunks (LIST, fact, ...)
  // may come anywhere.
  bool have_format = false;
  std::uint64_t offset = sizeof riff;
  while (offset + 8 <= file_size) {
    unsigned char chunk[8];
    if (!read_at(offset, chunk, sizeof chunk)) return kWavUnreadable;
    std::uint32_t size = le32(chunk + 4);
    std::uint64_t body = offset + 8;
    if (is_id(chunk, "fmt ")) {
      unsigned char fields[16];
      if (size < sizeof fields || !read_at(body, fields, sizeof fields)) return kWavUnreadable;
      take_format(fields, format);
      if (!format_is_consistent(format)) return kWavUnreadable;
      have_format = true;
    } else if (is_id(chunk, "data")) {
      if (!have_format) return kWavUnreadable;
      format.data_offset = body;
      format.data_size = size;
      // Writers that stream leave the size open (0xFFFFFFFF) or too large.
      std::uint64_t bytes = std::min<std::uint64_t>(size, file_size - body);
      std::uint64_t frames = bytes / format.channels / (format.bits_per_sample / 8);
      format.frame_count = static_cast<std::uint32_t>(frames);
      format.seconds = static_cast<double>(format.frame_count) / format.sample_rate;
      return kWavOk;
    }
    offset = body + size + (size & 1u);
  }
  return kWavUnreadable;
}

}  // namespace zor
