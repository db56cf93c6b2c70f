#pragma once
// Reads a TextGrid in each form Praat writes and reads: the text format, the
// short text format (and any mix of the two, which Praat reads alike), and
// the binary format; text in UTF-8 (with or without BOM), UTF-16 with BOM, or
// 8-bit Windows-1250.
#include <string>
#include <string_view>

#include "annotation/textgrid.h"

namespace zor {

// Parses a TextGrid in any form Praat writes/reads. False with a Hungarian
// Windows-1250 reason on failure; `grid` is then left as it was. Times must be
// finite and not negative, and no interval may end before it starts or start
// before the one in front of it.
bool parse_textgrid(std::string_view bytes, TextGrid& grid, std::string& reason);

}  // namespace zor
