#pragma once
// A table read one row at a time, each field as TextTable::cell gives it: a
// run that needs a large table's facts, not the table, reads the file in
// slices and keeps nothing of it.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/row_parser.h"
#include "tables/text_buffer.h"
#include "tables/text_table.h"

namespace zor {

class TableRows {
 public:
  virtual ~TableRows() = default;
  virtual const std::vector<std::string>& column_names() const = 0;
  // 1-based number of the first column of that name, 0 when there is none.
  int column_index(std::string_view name) const;
  // Moves to the next row, the first one at the start; false after the last.
  virtual bool next() = 0;
  // A field of the row (1-based); the view stays valid until next().
  FieldText cell(int column) const {
    return column >= 1 && static_cast<size_t>(column) <= fields_.size()
               ? fields_[static_cast<size_t>(column - 1)]
               : std::nullopt;
  }

 protected:
  // The row's fields from the first on; the ones after them are missing.
  std::vector<FieldText> fields_;
};

// The rows of a loaded table.
class LoadedTableRows : public TableRows {
 public:
  explicit LoadedTableRows(const TextTable& table) : table_(table) {}
  const std::vector<std::string>& column_names() const override { return table_.column_names(); }
  bool next() override;

 private:
  const TextTable& table_;
  int row_ = 0;
};

// The rows of a table file, read a slice at a time as TextTable::load would
// read the whole of it.
class TableFileRows : public TableRows {
 public:
  explicit TableFileRows(char separator, size_t slice_bytes = size_t{1} << 22);
  ~TableFileRows() override;
  TableFileRows(const TableFileRows&) = delete;
  TableFileRows& operator=(const TableFileRows&) = delete;

  // Opens the file and reads its header. False when it cannot be opened.
  bool open(std::string_view path);
  const std::vector<std::string>& column_names() const override { return names_; }
  bool next() override;
  // Whether reading the file failed; the rows read so far are then not all.
  bool failed() const { return failed_; }

 private:
  // Keeps the bytes from at_ on and reads more after them. False when
  // nothing more could be read.
  bool read_more();
  // Where the last row that the bytes read so far hold whole ends.
  size_t whole_rows_end() const;

  const char separator_;
  const size_t slice_bytes_;
  std::FILE* file_ = nullptr;
  bool at_end_ = false;
  bool failed_ = false;
  std::vector<std::string> names_;
  std::optional<RowParser> parser_;
  // The bytes of the file from at_ on are unread; the rows before
  // whole_end_ lie in them whole and are unescaped in place.
  TextBuffer bytes_;
  size_t at_ = 0;
  size_t whole_end_ = 0;
  std::vector<std::uint64_t> ends_;
};

}  // namespace zor
