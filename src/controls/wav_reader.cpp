#include "controls/wav_reader.h"

#include <algorithm>

#include "platform/file_io.h"

int WavReader::Open(const std::string& path) {
  if (path.empty()) return zor::kWavNoName;
  Close();
  format_ = zor::WavFormat{};
  // A RIFF file cannot pass 4 GiB; a FIFO or device is never opened.
  file_ = zor::open_input_file(path, std::uint64_t{1} << 33);
  if (!file_) return zor::kWavUnreadable;
  std::uint64_t file_size = 0;
  if (std::fseek(file_, 0, SEEK_END) == 0) {
    long end = std::ftell(file_);
    if (end > 0) file_size = static_cast<std::uint64_t>(end);
  }
  std::FILE* file = file_;
  auto read_at = [file, file_size](std::uint64_t offset, void* out, std::size_t size) {
    return offset <= file_size && size <= file_size - offset &&
           std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0 &&
           std::fread(out, 1, size, file) == size;
  };
  int result = zor::parse_wav_header(read_at, file_size, format_);
  if (result != zor::kWavOk) {
    Close();
    format_ = zor::WavFormat{};
  }
  return result;
}

bool WavReader::ReadFrames(std::uint32_t first, std::uint32_t count, std::string& bytes) {
  bytes.clear();
  if (!file_ || first > format_.frame_count) return false;
  count = std::min(count, format_.frame_count - first);
  const std::uint64_t offset = format_.data_offset + std::uint64_t{first} * format_.block_align;
  bytes.resize(std::size_t{count} * format_.block_align);
  if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0 ||
      std::fread(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
    bytes.clear();
    return false;
  }
  return true;
}

int WavReader::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  return zor::kWavOk;
}
