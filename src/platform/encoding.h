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

// UTF-16 without a byte-order mark to UTF-8. A unit that is no character
// (such as a lone surrogate, or a last odd byte) becomes "?".
std::string utf16_to_utf8(std::string_view bytes, bool big_endian);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool is_valid_utf8(std::string_view text);

// The name the OS expects for a Windows-1250 path, and back.
std::string native_file_name(std::string_view cp1250_path);
std::string from_native_file_name(std::string_view native_path);

}  // namespace zor
