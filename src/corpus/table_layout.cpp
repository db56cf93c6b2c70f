#include "corpus/table_layout.h"

namespace zor {

std::string TableLayout::header_line() const {
  std::string line;
  for (std::string_view name : names_) {
    if (!line.empty()) line.push_back('\t');
    line.append(name);
  }
  line.push_back('\n');
  return line;
}

}  // namespace zor
