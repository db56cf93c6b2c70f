#include "cli/recording_list.h"

#include <algorithm>

#include "platform/encoding.h"
#include "platform/file_io.h"
#include "platform/paths.h"

namespace zor {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool is_blank(std::string_view line) {
  return std::all_of(line.begin(), line.end(), [](char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
  });
}

}  // namespace

bool read_recording_list(std::string_view native_list_path, std::vector<std::string>& wav_paths) {
  std::string bytes;
  if (!read_file_bytes(from_native_file_name(native_list_path), bytes)) return false;
  std::string_view text = bytes;
  if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
  std::vector<std::string> paths;
  for (const std::string& line : split_text_lines(text)) {
    if (!is_blank(line)) paths.push_back(from_native_file_name(line));
  }
  wav_paths = std::move(paths);
  return true;
}

Recording recording_of(std::string_view wav_path) {
  return Recording{file_name_part(wav_path), directory_part(wav_path)};
}

}  // namespace zor
