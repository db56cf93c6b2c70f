#include "platform/cache_folder.h"

#include <cstdlib>

namespace zor {
namespace {

std::optional<std::filesystem::path> environment_path(const char* name) {
#ifdef _WIN32
  const wchar_t* value = _wgetenv(std::filesystem::path(name).c_str());
#else
  const char* value = std::getenv(name);
#endif
  if (!value || !*value) return std::nullopt;
  std::filesystem::path path(value);
  // A relative one would depend on where the program was started.
  if (!path.is_absolute()) return std::nullopt;
  return path;
}

}  // namespace

std::optional<std::filesystem::path> user_cache_folder() {
  std::optional<std::filesystem::path> base;
#if defined(_WIN32)
  base = environment_path("LOCALAPPDATA");
#elif defined(__APPLE__)
  base = environment_path("HOME");
  if (base) *base /= "Library/Caches";
#else
  base = environment_path("XDG_CACHE_HOME");
  if (!base) {
    base = environment_path("HOME");
    if (base) *base /= ".cache";
  }
#endif
  if (!base) return std::nullopt;
  return *base / "zor";
}

}  // namespace zor
