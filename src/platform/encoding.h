#pragma once
// The program keeps all text as Windows-1250 bytes. These conversions are
// used only at the edges: file names handed to the OS, terminal output, and
// readable literals in the source (which is UTF-8).
#include <string>
#include <string_view>

namespace zor {

// UTF-8 to Windows-1250. A character that has no Windows-1250 byte becomes
// "?", and so does every byte of an invalid UTF-8 sequence.
std::string to_cp1250(std::string_view utf8);

// Windows-1250 to UTF-8. Every byte has a mapping except a few unused code
// points, which become "?".
std::string from_cp1250(std::string_view cp1250);

// The name the OS expects for a Windows-1250 path, and back.
std::string native_file_name(std::string_view cp1250_path);
std::string from_native_file_name(std::string_view native_path);

}  // namespace zor
