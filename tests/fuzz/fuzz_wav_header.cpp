// The WAV header reader on arbitrary bytes: it reads only inside the file,
// fails with result 3 or gives a format whose frames fit in the file.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "controls/wav_header.h"
#include "fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace zor;
  auto read_at = [&](std::uint64_t offset, void* out, std::size_t length) {
    if (offset > size || length > size - offset) return false;
    std::memcpy(out, data + offset, length);
    return true;
  };
  WavFormat format;
  int result = parse_wav_header(read_at, size, format);
  fuzz::expect(result == kWavOk || result == kWavUnreadable, "unknown result code");
  if (result != kWavOk) return 0;
  fuzz::expect(format.channels == 1 || format.channels == 2, "accepted a channel count");
  fuzz::expect(format.sample_rate > 0 && format.bits_per_sample >= 8, "accepted a format without duration");
  fuzz::expect(format.data_offset <= size, "samples beyond the file");
  std::uint64_t frame_bytes = std::uint64_t{format.channels} * (format.bits_per_sample / 8);
  fuzz::expect(format.frame_count * frame_bytes <= size - format.data_offset, "more frames than bytes");
  fuzz::expect(std::isfinite(format.seconds) && format.seconds >= 0.0, "bad duration");
  return 0;
}
