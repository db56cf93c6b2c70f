#pragma once
// Where the program keeps what it can make again, such as a corpus read by
// an earlier query: the user's cache folder of the system.
#include <filesystem>
#include <optional>

namespace zor {

// "zor" in the system's cache folder for the user: $XDG_CACHE_HOME or
// ~/.cache on Linux, ~/Library/Caches on macOS, %LOCALAPPDATA% on Windows.
// Not created here; nullopt when the system names none.
std::optional<std::filesystem::path> user_cache_folder();

}  // namespace zor
