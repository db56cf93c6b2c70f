#include "conversion/file_set.h"

namespace zor {

std::string side_file_path(std::string_view wav_path, std::string_view extension) {
  constexpr std::string_view kWav = ".wav";
  std::string result;
  result.reserve(wav_path.size());
  size_t start = 0;
  for (size_t found; (found = wav_path.find(kWav, start)) != std::string_view::npos;
       start = found + kWav.size()) {
    result.append(wav_path.substr(start, found - start));
    result.append(extension);
  }
  result.append(wav_path.substr(start));
  return result;
}

FileSet FileSet::of_recording(std::string_view wav_path) {
  return FileSet{std::string(wav_path), side_file_path(wav_path, ".imf"),
                 side_file_path(wav_path, ".pit"), side_file_path(wav_path, ".txt")};
}

}  // namespace zor
