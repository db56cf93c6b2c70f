#include "tables/text_utils.h"

#include <algorithm>

namespace zor {

void to_upper_ascii(std::string& text) {
  for (char& c : text) c = upper_ascii(c);
}

void remove_spaces(std::string& text) { std::erase(text, ' '); }

int compare_no_case(std::string_view a, std::string_view b) {
  a = up_to_zero(a);
  b = up_to_zero(b);
  size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    auto x = static_cast<unsigned char>(upper_ascii(a[i]));
    auto y = static_cast<unsigned char>(upper_ascii(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace zor
