// Table files on arbitrary bytes: the table loads, its cursor stands as
// documented, every field is reachable, and the exact-match index finds the
// same rows as the search walk.
#include <cstdint>
#include <vector>

#include "fuzz_files.h"
#include "tables/text_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace zor;
  using fuzz::expect;
  std::string_view bytes = fuzz::as_bytes(data, size);
  TextTable table;
  table.set_separator('\t');
  table.load_from_bytes(bytes);

  const int rows = table.row_count();
  const int columns = table.column_count();
  expect(static_cast<size_t>(rows) <= size, "more rows than bytes");
  if (rows == 0) {
    expect(table.position() == 0 && table.bof() && table.eof(), "cursor of an empty table");
  } else {
    expect(table.position() == rows && !table.bof() && !table.eof(), "cursor not on the last row");
  }
  int walked = 0;
  for (bool on_row = table.move_first(); on_row; on_row = table.move_next()) {
    ++walked;
    for (int column = 1; column <= columns; ++column) {
      FieldText field = table.field_at(column);
      expect(field == table.cell(table.position(), column), "field and cell differ");
      expect(!field || field->size() <= size, "a field longer than the file");
    }
    expect(!table.field_at(columns + 1) && !table.field_at(0), "a field outside the columns");
  }
  expect(walked == rows && table.eof(), "the walk misses rows");

  // The same file loaded from disk gives the same table.
  TextTable from_file;
  from_file.set_separator('\t');
  expect(from_file.load(fuzz::write_scratch_file("table.txt", bytes)), "the file did not load");
  expect(from_file.row_count() == rows && from_file.column_count() == columns, "file and bytes differ");
  for (int row = 1; row <= rows; ++row)
    for (int column = 1; column <= columns; ++column)
      expect(from_file.cell(row, column) == table.cell(row, column), "file and bytes differ");

  // The index against the search walk, for the values of the first rows.
  if (columns == 0) return 0;
  const int column = table.column_index(table.column_name(columns));
  ExactIndex index(table, column);
  for (int row = 1; row <= std::min(rows, 4); ++row) {
    FieldText value = table.cell(row, column);
    if (!value) continue;
    std::vector<int> found;
    table.move_first();
    table.begin_search(1);
    while (table.locate(table.column_name(column), "=", *value)) found.push_back(table.position());
    std::span<const int> indexed = index.rows(*value);
    expect(std::vector<int>(indexed.begin(), indexed.end()) == found, "the index and the search differ");
  }
  return 0;
}
