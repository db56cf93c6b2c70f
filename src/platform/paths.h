#pragma once
// Path conventions of the host OS. Paths are Windows-1250 byte strings.
#include <string>
#include <string_view>

namespace zor {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The text up to and including the last separator; empty when it holds none.
std::string directory_part(std::string_view path);

// The text after the last separator; the whole text when it holds none.
std::string file_name_part(std::string_view path);

// The directory with a separator appended unless it already ends in one.
std::string with_trailing_separator(std::string_view directory);

}  // namespace zor
