#pragma once
// Small byte-text helpers of the text tables. Only the ASCII letters have a
// case here: the accented letters of Windows-1250 are left as they are.
#include <bit>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
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

// Copies `count` bytes to the same place, an earlier or a later one, or to
// another buffer. Most texts of a table or a report line are a few bytes,
// for which a library call costs more than the copy: every byte is loaded
// before any is stored, so the ranges may overlap.
inline void move_bytes(const char* from, char* to, size_t count) {
  auto move_ends = [&](auto word) {
    constexpr size_t kWidth = sizeof word;
    decltype(word) head, tail;
    std::memcpy(&head, from, kWidth);
    std::memcpy(&tail, from + count - kWidth, kWidth);
    std::memcpy(to, &head, kWidth);
    std::memcpy(to + count - kWidth, &tail, kWidth);
  };
  if (count > 16) std::memmove(to, from, count);
  else if (count >= 8) move_ends(std::uint64_t{});
  else if (count >= 4) move_ends(std::uint32_t{});
  else if (count >= 2) move_ends(std::uint16_t{});
  else if (count == 1) *to = *from;
}

// Whether two texts hold the same bytes. Corpus texts are mostly a few bytes
// long, where a library call costs more than the comparison: up to sixteen
// bytes are compared as two overlapping loads from each side.
inline bool same_text(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const size_t size = a.size();
  auto same_ends = [&](auto word) {
    constexpr size_t kWidth = sizeof word;
    decltype(word) a_head, a_tail, b_head, b_tail;
    std::memcpy(&a_head, a.data(), kWidth);
    std::memcpy(&b_head, b.data(), kWidth);
    std::memcpy(&a_tail, a.data() + size - kWidth, kWidth);
    std::memcpy(&b_tail, b.data() + size - kWidth, kWidth);
    return a_head == b_head && a_tail == b_tail;
  };
  if (size > 16) return std::memcmp(a.data(), b.data(), size) == 0;
  if (size >= 8) return same_ends(std::uint64_t{});
  if (size >= 4) return same_ends(std::uint32_t{});
  if (size >= 2) return same_ends(std::uint16_t{});
  return size == 0 || a[0] == b[0];
}

// Writes the text at `at` and returns where it ends.
inline char* put(char* at, std::string_view text) {
  move_bytes(text.data(), at, text.size());
  return at + text.size();
}

// Writes the text at `at`, each LF as CR LF, and returns where it ends: for
// files of millions of short lines, where an append per piece costs more
// than the piece. The room is the caller's, twice the text's size at most.
inline char* put_crlf(char* at, std::string_view text) {
  for (size_t lf; (lf = find_byte(text, '\n')) != std::string_view::npos; text.remove_prefix(lf + 1)) {
    at = put(at, text.substr(0, lf));
    *at++ = '\r';
    *at++ = '\n';
  }
  return put(at, text);
}

// "00" to "99", two bytes each.
inline constexpr char kDigitPairs[201] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the number's decimal digits, a "-" before a negative one, at `at`
// and returns where they end; the room (20 bytes) is the caller's. The lines
// of a query or a report are millions of numbers, where a general
// conversion spends more finding the length than writing: here the length
// comes from the number's bit width, and the digits two at a time.
inline char* put_decimal(char* at, std::int64_t number) {
  static constexpr std::uint64_t kPowersOfTen[] = {1ull,
                                                   10ull,
                                                   100ull,
                                                   1000ull,
                                                   10000ull,
                                                   100000ull,
                                                   1000000ull,
                                                   10000000ull,
                                                   100000000ull,
                                                   1000000000ull,
                                                   10000000000ull,
                                                   100000000000ull,
                                                   1000000000000ull,
                                                   10000000000000ull,
                                                   100000000000000ull,
                                                   1000000000000000ull,
                                                   10000000000000000ull,
                                                   100000000000000000ull,
                                                   1000000000000000000ull};
  if (number < 0) return std::to_chars(at, at + 20, number).ptr;
  auto value = static_cast<std::uint64_t>(number);
  if (value < 100) {  // most durations in ms, most interval bounds
    if (value < 10) {
      *at = static_cast<char>('0' + value);
      return at + 1;
    }
    std::memcpy(at, kDigitPairs + 2 * value, 2);
    return at + 2;
  }
  // floor(log10(value)), from log10(2) ~ 1233 / 4096, one too high at most.
  unsigned ten_power = (static_cast<unsigned>(std::bit_width(value)) * 1233) >> 12;
  if (value < kPowersOfTen[ten_power]) --ten_power;
  char* const end = at + ten_power + 1;
  char* digits = end;
  for (; value >= 100; value /= 100) {
    digits -= 2;
    std::memcpy(digits, kDigitPairs + 2 * (value % 100), 2);
  }
  if (value >= 10)
    std::memcpy(digits - 2, kDigitPairs + 2 * value, 2);
  else
    digits[-1] = static_cast<char>('0' + value);
  return end;
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
