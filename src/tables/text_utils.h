#pragma once
// Small byte-text helpers of the text tables. Only the ASCII letters have a
// case here: the accented letters of Windows-1250 are left as they are.
#include <string>
#include <string_view>

namespace zor {

// Where `c` first occurs from `from` on, or npos. Table texts are mostly a
// few bytes long, where a plain loop beats a library call many times over;
// a long text's rest is left to the library.
inline size_t find_byte(std::string_view text, char c, size_t from = 0) {
  constexpr size_t kShort = 16;
  const size_t loop_end = from + kShort < text.size() ? from + kShort : text.size();
  for (size_t at = from; at < loop_end; ++at)
    if (text[at] == c) return at;
  return loop_end < text.size() ? text.find(c, loop_end) : std::string_view::npos;
}

// Appends the text with each LF written as CR LF, as the files a run writes
// end their lines.
inline void append_crlf(std::string& out, std::string_view text) {
  for (size_t lf; (lf = find_byte(text, '\n')) != std::string_view::npos; text.remove_prefix(lf + 1))
    out.append(text.substr(0, lf)).append("\r\n");
  out.append(text);
}

// The text up to its first zero byte: where a text ends for every table
// operation, as it did for the C strings the table files were made for.
inline std::string_view up_to_zero(std::string_view text) {
  return text.substr(0, find_byte(text, '\0'));
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
