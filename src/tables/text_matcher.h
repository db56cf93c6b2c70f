#pragma once
// Compares two texts, optionally ignoring spaces and ASCII letter case, either
// for equality or as a wildcard pattern against a text.
//
// Pattern bytes: "?" any byte, "#" a digit, "[...]" a byte of a set ("!" first
// negates, "a-z" ranges), "]" alone the set defined last, "*" a run of bytes
// up to the first occurrence of the next pattern byte. The walk never
// backtracks, so "*c" does not match "acbc": the first "c" is taken.
#include <string>
#include <string_view>

#include "tables/char_set.h"

namespace zor {

class TextMatcher {
 public:
  bool keep_spaces = true;     // false: spaces are removed from both texts
  bool case_sensitive = true;  // false: both texts are upper-cased
  bool pattern_mode = false;   // true: `first` is a wildcard pattern

  // `second` against `first`. Each text ends at its first zero byte. The
  // last set a pattern defined stays with the matcher for the next call.
  bool match(std::string_view first, std::string_view second);

 private:
  bool wildcard(std::string_view pattern, std::string_view text);
  bool in_set(unsigned char byte) const { return set_.contains(byte) != negated_; }

  CharSet set_;
  bool negated_ = false;
  std::string first_copy_;
  std::string second_copy_;
};

}  // namespace zor
