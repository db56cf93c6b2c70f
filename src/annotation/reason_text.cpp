#include "annotation/reason_text.h"

#include <cerrno>
#include <charconv>
#include <cmath>

namespace zor {

std::string seconds_text(double seconds) {
  if (!std::isfinite(seconds)) return std::isnan(seconds) ? "NaN s" : "végtelen s";
  char buffer[512];  // room for the largest double in fixed notation
  // to_chars ignores the locale, so the point is always a point to replace.
  auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, seconds, std::chars_format::fixed, 3);
  if (error != std::errc()) return "? s";
  std::string text(buffer, end);
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text + " s";
}

std::string quote_text(std::string_view utf8) {
  // A hostile file can hold a "symbol" of megabytes; a reason shows its start.
  constexpr size_t kShown = 40;
  if (utf8.size() <= kShown) return "\"" + std::string(utf8) + "\"";
  size_t cut = kShown;
  while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80) --cut;
  return "\"" + std::string(utf8.substr(0, cut)) + "...\"";
}

std::string input_error_text(const InputError& error) {
  switch (error.problem) {
    case InputProblem::none: return "nincs hiba";
    case InputProblem::cannot_open:
      return error.os_error == ENOENT ? "nem létezik" : "nem nyitható meg";
    case InputProblem::not_a_file: return "nem közönséges fájl";
    case InputProblem::too_large: return "túl nagy";
    case InputProblem::read_failed: return "olvasási hiba";
  }
  return {};
}

}  // namespace zor
