#pragma once
// TextGrids for the annotation tests: bytes in the encodings and forms Praat
// reads, a readable dump for failure messages, and Praat itself.
#include <cstdint>
#include <string>
#include <string_view>

#include "annotation/textgrid.h"

namespace zor::test {

// UTF-8 as UTF-16 with a byte-order mark.
std::string utf16_with_bom(std::string_view utf8, bool big_endian);

// Every tier, interval and text, one a line, times with all their digits.
std::string describe(const TextGrid& grid);

// A binary TextGrid built value by value, as Praat lays it out.
class BinaryGrid {
 public:
  BinaryGrid();  // "ooBinaryFile" and the class name
  BinaryGrid& real(double value);
  BinaryGrid& integer(std::int32_t value);
  BinaryGrid& byte(std::uint8_t value);
  BinaryGrid& class_name(std::string_view name);
  // Praat's "w16": ASCII as bytes, anything else as UTF-16BE after 0xFFFF
  // and a count of characters.
  BinaryGrid& text(std::string_view utf8);
  const std::string& bytes() const { return bytes_; }

 private:
  BinaryGrid& u16(unsigned value);
  std::string bytes_;
};

// The Praat program on PATH; empty when there is none.
std::string find_praat();

// Runs `praat --run script args...` with Praat's defaults: the user's
// preferences are neither read nor changed. The text Praat printed (UTF-8)
// goes to `output`; false (with Praat's errors in `output`) when Praat failed.
bool run_praat(const std::string& praat, const std::string& script, const std::string& args,
               std::string& output);

// A string as one word for the shell.
std::string shell_word(std::string_view text);

}  // namespace zor::test
