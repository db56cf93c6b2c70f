#pragma once
// The TAB-separated lines of the connection and specification files.
#include <span>
#include <string>
#include <string_view>

namespace zor {

// Cuts a line into fields.size() fields. With p(-1) = -1, p(k) is the first
// TAB at or after p(k-1) + 1 (a search after a failed one starts again at the
// beginning of the line), or -1 when there is none. Field k runs from
// p(k-1) + 1 to p(k); the last field is everything after the TAB that ends
// the one before it, TABs included, or the whole line when that TAB is
// missing. Whatever a line holds, every field is set.
void split_tab_fields(std::string_view line, std::span<std::string> fields);

// Appends the fields joined by TAB, and "\n".
void append_tab_line(std::string& text, std::span<const std::string> fields);

}  // namespace zor
