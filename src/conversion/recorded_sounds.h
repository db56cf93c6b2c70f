#pragma once
// The sounds of one recording as the conversion reads them, with where each
// lies in the WAV: what a hit's place in its recording is taken from.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/file_set_reader.h"

namespace zor {

struct RecordedSound {
  std::string label;       // as the sound table writes it, long mark included
  std::string duration;    // as the sound table writes it (whole ms)
  std::uint32_t start = 0;  // sample positions
  std::uint32_t end = 0;
};

// False, with the reader's problem, when the set cannot be read.
bool read_recorded_sounds(FileSetReader& reader, std::string_view wav_path,
                          std::vector<RecordedSound>& sounds, std::string& problem);

}  // namespace zor
