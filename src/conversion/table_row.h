#pragma once
// One line of a corpus table being assembled: fields joined by a single tab,
// nothing quoted, a TAB or LF inside a field escaped with a backslash ("\"
// TAB, "\n"), the line ended by "\n". The buffer is reused from row to row.
#include <cstdint>
#include <string>
#include <string_view>

namespace zor {

class TableRow {
 public:
  TableRow& add(std::string_view text);
  TableRow& add(std::int64_t number);
  // Whole milliseconds, rounded as "%.0f" rounds.
  TableRow& add_duration(double milliseconds);
  // Fields a row formatted before (a finished line without its "\n"), as
  // they stand.
  TableRow& add_formatted(std::string_view fields);
  // The finished line with its "\n"; the next add starts a new row.
  std::string_view finish();

 private:
  // Where the next field goes, its separator written, with room for `count`
  // bytes after it. Millions of rows of 21 short fields: the line is written
  // through a pointer into room kept from row to row, as appending piece by
  // piece checks and ends the string at every piece.
  char* begin_field(size_t count);

  std::string line_;  // used_ bytes of the line, room after them
  size_t used_ = 0;
  bool finished_ = true;
};

}  // namespace zor
