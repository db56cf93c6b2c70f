#include "query/report.h"
#include "tables/text_utils.h"

namespace zor {

Occurrence split_occurrence(std::string_view text) {
  Occurrence parts;
  // Too short to hold a value and three numbers: no parts at all.
  if (text.size() < 5) return parts;
  std::string* const leading[] = {&parts.value, &parts.sound, &parts.word};
  size_t start = 0;
  for (std::string* part : leading) {
    size_t semicolon = find_byte(text, ';', start);
    if (semicolon == std::string_view::npos) {
      // The part without its closing ";" runs to the end; the later ones stay empty.
      part->assign(text.substr(start));
      return parts;
    }
    part->assign(text.substr(start, semicolon - start));
    start = semicolon + 1;
  }
  parts.sentence.assign(text.substr(start));
  return parts;
}

}  // namespace zor
