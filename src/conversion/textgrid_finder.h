#pragma once
// Finds the TextGrid beside a WAV: NAME.TextGrid, whatever the letter case
// of its extension (Praat writes ".TextGrid", aligners and file systems
// differ).
#include <string>
#include <string_view>
#include <unordered_map>

namespace zor {

class TextGridFinder {
 public:
  // The path (Windows-1250) of the WAV's TextGrid; "" when there is none.
  std::string find(std::string_view wav_path);

 private:
  // A folder's names by their lower-case spelling, listed once while its
  // recordings follow one another, so that a folder of thousands of
  // recordings is not listed thousands of times.
  std::string folder_;
  std::unordered_map<std::string, std::string> names_;
};

}  // namespace zor
