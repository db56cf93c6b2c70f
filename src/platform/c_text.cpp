#include "platform/c_text.h"

#include <algorithm>
#include <climits>

namespace zor {

int read_c_int(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && is_c_space(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
  long long value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
    value = std::min(value * 10 + (text[at] - '0'), kLimit);
  if (negative) return static_cast<int>(-value);
  return static_cast<int>(std::min(value, static_cast<long long>(INT_MAX)));
}

}  // namespace zor
