#include "query/table_check.h"

#include <numeric>

#include "platform/encoding.h"

namespace zor {

std::string missing_column_message(const TextTable& table, const TableLayout& layout,
                                   const std::vector<int>& columns, const std::string& path) {
  return missing_column_message(table.column_names(), layout, columns, path);
}

std::string missing_column_message(const std::vector<std::string>& header, const TableLayout& layout,
                                   const std::vector<int>& columns, const std::string& path) {
  for (int column : columns) {
    if (column >= 1 && static_cast<size_t>(column) <= header.size() &&
        header[static_cast<size_t>(column - 1)] == layout.name(column))
      continue;
    return "A '" + path + to_cp1250("' táblából hiányzik a(z) ") + std::string(layout.name(column)) +
           to_cp1250(" oszlop (a ") + std::to_string(column) +
           to_cp1250(". helyen), ezért nem használható.");
  }
  return {};
}

std::vector<int> column_range(int first, int last) {
  std::vector<int> columns(static_cast<size_t>(last - first + 1));
  std::iota(columns.begin(), columns.end(), first);
  return columns;
}

}  // namespace zor
