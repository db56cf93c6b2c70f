#include "recording_input.h"

#include <array>
#include <cstdio>

#include "fuzz_files.h"

namespace zor::fuzz {

std::string write_recording(std::string_view input, std::string_view stem, std::string_view* rest) {
  static constexpr std::array<std::string_view, 3> kExtensions = {".imf", ".pit", ".txt"};
  std::string base(stem);
  bool present = true;  // the label file always is; later parts need a separator
  for (std::string_view extension : kExtensions) {
    std::string name = base + std::string(extension);
    if (!present) {
      std::remove(scratch_path(name).c_str());
      continue;
    }
    size_t end = input.find(kRecordingPartSeparator);
    write_scratch_file(name, input.substr(0, end));
    present = end != std::string_view::npos;
    if (present) input.remove_prefix(end + kRecordingPartSeparator.size());
  }
  if (rest) *rest = present ? input : std::string_view();
  return scratch_path(base + ".wav");
}

}  // namespace zor::fuzz
