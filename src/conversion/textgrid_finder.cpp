#include "conversion/textgrid_finder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/encoding.h"

namespace zor {
namespace {

std::string ascii_lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return text;
}

bool is_file(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::string TextGridFinder::find(std::string_view wav_path) {
  const std::filesystem::path wav(native_file_name(wav_path));
  if (ascii_lower(wav.extension().string()) != ".wav") return {};
  const std::string stem = wav.stem().string();
  // The spellings met in practice first: no folder listing for them.
  for (const char* extension : {".TextGrid", ".textgrid", ".TEXTGRID"}) {
    std::filesystem::path candidate = wav.parent_path() / (stem + extension);
    if (is_file(candidate)) return from_native_file_name(candidate.string());
  }
  const std::string folder = wav.parent_path().string();
  if (folder != folder_) {
    folder_ = folder;
    names_.clear();
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder.empty() ? "." : folder, error), end;
         !error && entry != end; entry.increment(error)) {
      std::string name = entry->path().filename().string();
      if (ascii_lower(std::filesystem::path(name).extension().string()) == ".textgrid")
        names_.emplace(ascii_lower(name), name);
    }
  }
  auto found = names_.find(ascii_lower(stem + ".textgrid"));
  if (found == names_.end()) return {};
  std::filesystem::path candidate = wav.parent_path() / found->second;
  return is_file(candidate) ? from_native_file_name(candidate.string()) : std::string();
}

}  // namespace zor
