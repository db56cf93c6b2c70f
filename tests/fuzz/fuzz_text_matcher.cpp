// The wildcard matcher on arbitrary patterns and texts. The first input byte
// holds the matcher's switches; the rest is the pattern, a zero byte, and the
// text. Checked: no crash, and the properties every caller relies on.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz_files.h"
#include "tables/text_matcher.h"

namespace {

bool match(std::string_view pattern, std::string_view text, bool keep_spaces, bool case_sensitive,
           bool pattern_mode) {
  zor::TextMatcher matcher;
  matcher.keep_spaces = keep_spaces;
  matcher.case_sensitive = case_sensitive;
  matcher.pattern_mode = pattern_mode;
  return matcher.match(pattern, text);
}

std::string normalised(std::string_view text, bool keep_spaces, bool case_sensitive) {
  std::string copy(text.substr(0, text.find('\0')));
  if (!keep_spaces) copy.erase(std::remove(copy.begin(), copy.end(), ' '), copy.end());
  if (!case_sensitive) {
    for (char& c : copy)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return copy;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using zor::fuzz::expect;
  if (size == 0) return 0;
  const bool keep_spaces = !(data[0] & 1);
  const bool case_sensitive = !(data[0] & 2);
  std::string_view rest = zor::fuzz::as_bytes(data + 1, size - 1);
  size_t zero = rest.find('\0');
  std::string_view pattern = rest.substr(0, zero);
  std::string_view text = zero == std::string_view::npos ? std::string_view() : rest.substr(zero + 1);

  // Without pattern mode the matcher compares the normalised texts.
  expect(match(pattern, text, keep_spaces, case_sensitive, false) ==
             (normalised(pattern, keep_spaces, case_sensitive) == normalised(text, keep_spaces, case_sensitive)),
         "equality mode is not equality");

  bool matched = match(pattern, text, keep_spaces, case_sensitive, true);
  // The switches act as if the texts had been normalised beforehand.
  expect(matched == match(normalised(pattern, keep_spaces, case_sensitive),
                          normalised(text, keep_spaces, case_sensitive), true, true, true),
         "the switches differ from normalising the texts");
  // A text ends at its first zero byte.
  std::string longer_text(text);
  longer_text += std::string("\0tail", 5);
  expect(matched == match(pattern, longer_text, keep_spaces, case_sensitive, true),
         "bytes after a zero byte count");
  // A pattern without wildcard bytes matches exactly its own text.
  std::string plain = normalised(pattern, true, true);
  if (plain.find_first_of("?#[]*") == std::string::npos) {
    expect(match(plain, plain, true, true, true), "a plain pattern does not match itself");
  }
  // "*" matches everything; k "?" match exactly the texts of k bytes.
  std::string bare = normalised(text, true, true);
  expect(match("*", bare, true, true, true), "'*' does not match");
  expect(match(std::string(bare.size(), '?'), bare, true, true, true), "'?'s do not match");
  expect(!match(std::string(bare.size() + 1, '?'), bare, true, true, true), "too many '?'s match");
  return 0;
}
