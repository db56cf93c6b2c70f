#include "controls/wav_test_files.h"

#include <fstream>

namespace zor::test {
namespace {

void put32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}
void put16(std::string& out, std::uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}

}  // namespace

std::string riff_chunk(const char (&id)[5], std::uint32_t size) {
  std::string chunk(id, 4);
  put32(chunk, size);
  chunk.append(size + (size & 1u), '\0');
  return chunk;
}

std::string wav_bytes(const WavLayout& w) {
  std::string body = "WAVE";
  body += "fmt ";
  put32(body, 16 + w.format_extra);
  put16(body, w.format_tag);
  put16(body, w.channels);
  put32(body, w.sample_rate);
  std::uint16_t block_align = static_cast<std::uint16_t>(w.channels * w.bits_per_sample / 8);
  put32(body, w.sample_rate * block_align);
  put16(body, block_align);
  put16(body, w.bits_per_sample);
  body.append(w.format_extra, '\0');
  body += w.chunks_before_data;
  body += "data";
  put32(body, w.stated_data_size < 0 ? w.sample_bytes : static_cast<std::uint32_t>(w.stated_data_size));
  body.append(w.sample_bytes, '\x01');
  body += w.chunks_after_data;
  std::string file = "RIFF";
  put32(file, static_cast<std::uint32_t>(body.size()));
  return file + body;
}

void write_file(const std::string& utf8_path, const std::string& bytes) {
  std::ofstream(utf8_path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace zor::test
