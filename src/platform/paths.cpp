#include "platform/paths.h"

namespace zor {

std::string directory_part(std::string_view path) {
  auto last = path.rfind(kPathSeparator);
  if (last == std::string_view::npos) return {};
  return std::string(path.substr(0, last + 1));
}

std::string file_name_part(std::string_view path) {
  auto last = path.rfind(kPathSeparator);
  if (last == std::string_view::npos) return std::string(path);
  return std::string(path.substr(last + 1));
}

std::string with_trailing_separator(std::string_view directory) {
  std::string result(directory);
  if (result.empty() || result.back() != kPathSeparator) result.push_back(kPathSeparator);
  return result;
}

}  // namespace zor
