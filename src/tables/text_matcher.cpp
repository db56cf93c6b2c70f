#include "tables/text_matcher.h"

#include "tables/text_utils.h"

namespace zor {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool TextMatcher::match(std::string_view first, std::string_view second) {
  first = up_to_zero(first);
  second = up_to_zero(second);
  if (!keep_spaces || !case_sensitive) {
    // The caller's texts are never changed: work on copies, whose buffers
    // are kept from call to call.
    first_copy_.assign(first);
    second_copy_.assign(second);
    if (!keep_spaces) {
      remove_spaces(first_copy_);
      remove_spaces(second_copy_);
    }
    if (!case_sensitive) {
      to_upper_ascii(first_copy_);
      to_upper_ascii(second_copy_);
    }
    first = first_copy_;
    second = second_copy_;
  }
  return pattern_mode ? wildcard(first, second) : first == second;
}

bool TextMatcher::wildcard(std::string_view pattern, std::string_view text) {
  size_t used = 0;  // text bytes consumed so far
  size_t i = 0;
  while (i < pattern.size()) {
    char p = pattern[i++];
    switch (p) {
      case '?':
        if (used == text.size()) return false;
        ++used;
        break;
      case '#':
        if (used == text.size() || !is_digit(text[used])) return false;
        ++used;
        break;
      case '[': {
        set_.clear();
        negated_ = false;
        bool has_member = false;
        int last_single = 0;
        while (i < pattern.size() && pattern[i] != ']') {
          auto b = static_cast<unsigned char>(pattern[i++]);
          if (b == '!' && !has_member) {
            negated_ = true;
          } else if (b == '-' && has_member) {
            // A "-" right before the closing "]" (or the pattern's end) adds nothing.
            if (i == pattern.size() || pattern[i] == ']') continue;
            int high = static_cast<unsigned char>(pattern[i++]);
            for (int v = last_single + 1; v <= high; ++v) set_.add(static_cast<unsigned char>(v));
          } else {
            set_.add(b);
            last_single = b;
            has_member = true;
          }
        }
        if (i == pattern.size()) break;  // unterminated: the set is only defined
        ++i;                             // the "]"
        [[fallthrough]];
      }
      case ']':
        if (used == text.size() || !in_set(static_cast<unsigned char>(text[used]))) return false;
        ++used;
        break;
      case '*': {
        size_t required = 0;
        while (i < pattern.size() && (pattern[i] == '*' || pattern[i] == '?')) {
          ++required;
          ++i;
        }
        if (i == pattern.size()) {
          if (text.size() - used < required) return false;
          used = text.size();
          break;
        }
        char next = pattern[i++];
        size_t found = used;
        if (next == '#') {
          while (found < text.size() && !is_digit(text[found])) ++found;
        } else {
          found = text.find(next, used);
          if (found == std::string_view::npos) found = text.size();
        }
        if (found == text.size() || found - used < required) return false;
        used = found + 1;
        break;
      }
      default:
        if (used == text.size() || text[used] != p) return false;
        ++used;
        break;
    }
  }
  return used == text.size();
}

}  // namespace zor
