#pragma once
// Small byte-text helpers of the text tables. Only the ASCII letters have a
// case here: the accented letters of Windows-1250 are left as they are.
#include <string>
#include <string_view>

namespace zor {

// The text up to its first zero byte: where a text ends for every table
// operation, as it did for the C strings the table files were made for.
inline std::string_view up_to_zero(std::string_view text) {
  return text.substr(0, text.find('\0'));
}

inline char upper_ascii(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

// Turns 'a'..'z' into 'A'..'Z' in place; every other byte stays.
void to_upper_ascii(std::string& text);

// Drops every space byte (0x20) in place; tabs and other white space stay.
void remove_spaces(std::string& text);

// Compares the upper-cased texts byte by byte as unsigned values, each up to
// its first zero byte: -1 when `a` sorts first, 0 when equal, 1 otherwise.
int compare_no_case(std::string_view a, std::string_view b);

}  // namespace zor
