#pragma once
// The connection and specification files: one TAB line per row of a page's
// list, the row's fields in their order.
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"
#include "query/row_list.h"
#include "query/tab_fields.h"

namespace zor {

// The write never leaves a half-written file behind.
template <class Row, class Fields>
bool save_tab_rows(const RowList<Row>& list, std::string_view path, Fields Row::*fields) {
  std::string text;
  for (const Row& row : list.rows()) append_tab_line(text, row.*fields);
  return write_file_atomically(path, text);
}

// False, and the list unchanged, when the file cannot be read.
template <class Row, class Fields>
bool load_tab_rows(RowList<Row>& list, std::string_view path, Fields Row::*fields) {
  std::vector<std::string> lines;
  if (!read_text_lines(path, lines)) return false;
  std::vector<Row> rows(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) split_tab_fields(lines[i], rows[i].*fields);
  list.assign(std::move(rows));
  return true;
}

}  // namespace zor
