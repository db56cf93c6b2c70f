#pragma once
// The six output paths built from page 5's directory and base name.
#include <string>
#include <string_view>

namespace zor {

struct OutputNames {
  std::string sentences;
  std::string words;
  std::string sounds;
  std::string result;
  std::string result_dev;
  std::string report;
};

inline constexpr std::string_view kDefaultBaseName = "output.txt";

// directory is joined verbatim (no separator inserted).
OutputNames build_output_names(std::string_view directory, std::string_view base_text);

// The directory part of the program's own path, up to and including its last
// separator; the whole text when it holds none.
std::string default_directory(std::string_view program_path);

}  // namespace zor
