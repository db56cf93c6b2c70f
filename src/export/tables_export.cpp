#include "export/tables_export.h"

#include "export/csv_line.h"

namespace zor {

void write_table_csv(const TextTable& table, CsvOutput& out) {
  CsvLine line;
  for (int column = 1; column <= table.column_count(); ++column) line.text(table.column_name(column));
  out.write(line.finish());
  for (int row = 1; row <= table.row_count(); ++row) {
    for (int column = 1; column <= table.column_count(); ++column)
      line.text(table.cell(row, column).value_or(""));
    out.write(line.finish());
  }
}

}  // namespace zor
