#pragma once
// Text rules of the C library that the files' readers keep, without its
// locale: isspace in the "C" locale and atoi, made safe for any input.
#include <string_view>

namespace zor {

inline bool is_c_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Leading white space and a sign, then digits up to the first non-digit; no
// digits read as 0, and values beyond the 32-bit range saturate.
int read_c_int(std::string_view text);

}  // namespace zor
