#pragma once
// The characters of a text file whose encoding is not declared: a byte-order
// mark names UTF-8 or UTF-16; without one the bytes are UTF-8 when they are
// valid UTF-8, and Windows-1250 otherwise (the 8-bit encoding of Hungarian
// files written on Windows).
#include <string>
#include <string_view>

namespace zor {

// The text as UTF-8 with LF line ends (from LF, CR LF or CR). Like Praat, a
// zero character ends the text.
std::string decode_text_file(std::string_view bytes);

// A text as the text form holds it: cut at its first zero character, line
// ends (LF, CR LF or CR) as LF. Texts of the binary form are kept so too, so
// that a text reads the same from either form.
std::string text_as_read(std::string text);

}  // namespace zor
