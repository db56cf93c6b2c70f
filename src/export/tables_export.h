#pragma once
// A corpus table as CSV, as it stands: its header row, then every row with
// its fields unescaped (a missing field is empty).
#include "export/csv_output.h"
#include "tables/text_table.h"

namespace zor {

void write_table_csv(const TextTable& table, CsvOutput& out);

}  // namespace zor
