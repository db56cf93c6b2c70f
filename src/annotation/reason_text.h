#pragma once
// The pieces of Hungarian reasons (UTF-8): times, symbols, why a file was not read.
#include <string>
#include <string_view>

#include "platform/file_io.h"

namespace zor {

// "1,250 s": seconds with a decimal comma, to the millisecond.
std::string seconds_text(double seconds);

// The symbol in quotes, as found (UTF-8); a long one cut to its start.
std::string quote_text(std::string_view utf8);

// Why a file could not be read, in a few words.
std::string input_error_text(const InputError& error);

}  // namespace zor
