#include "query/report.h"
#include "tables/text_utils.h"

namespace zor {

Occurrence split_occurrence(std::string_view text) {
  Occurrence parts;
  // Too short to hold a value and three numbers: no parts at all.
  if (text.size() < 5) return parts;
  std::string_view* const leading[] = {&parts.value, &parts.sound, &parts.word};
  size_t start = 0;
  for (std::string_view* part : leading) {
    size_t semicolon = find_byte(text, ';', start);
    if (semicolon == std::string_view::npos) {
      // The part without its closing ";" runs to the end; the later ones stay empty.
      *part = text.substr(start);
      return parts;
    }
    *part = text.substr(start, semicolon - start);
    start = semicolon + 1;
  }
  parts.sentence = text.substr(start);
  return parts;
}

}  // namespace zor
