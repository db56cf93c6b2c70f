#pragma once
// A readable picture of a whole table for comparing in tests: the column
// names, then one line per row, fields joined by "|", a missing field as "~".
#include <string>

#include "tables/text_table.h"

namespace zor::test {

inline std::string table_text(const TextTable& table) {
  std::string text;
  for (int c = 1; c <= table.column_count(); ++c) {
    if (c > 1) text += '|';
    text += table.column_name(c);
  }
  for (int r = 1; r <= table.row_count(); ++r) {
    text += '\n';
    for (int c = 1; c <= table.column_count(); ++c) {
      if (c > 1) text += '|';
      FieldText field = table.cell(r, c);
      text += field ? std::string(*field) : "~";
    }
  }
  return text;
}

}  // namespace zor::test
