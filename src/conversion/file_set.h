#pragma once
// The files of one recording: the WAV file names it, the side files sit
// beside it with other extensions.
#include <string>
#include <string_view>

namespace zor {

// The WAV path with every ".wav" replaced by the new extension. Case-sensitive
// and over the whole path, folders included: "S01.WAV" keeps its name, so its
// side files cannot be found and the set is listed as unopenable.
std::string side_file_path(std::string_view wav_path, std::string_view extension);

struct FileSet {
  std::string wav_path;    // never opened by the conversion
  std::string label_path;  // ".imf", required
  std::string pitch_path;  // ".pit", required
  std::string text_path;   // ".txt", optional

  static FileSet of_recording(std::string_view wav_path);
};

}  // namespace zor
