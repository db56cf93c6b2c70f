#pragma once
// A table read one row at a time, each field as TextTable::cell gives it: a
// run that needs a large table's facts, not the table, reads the file in
// slices and keeps nothing of it.
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/byte_stream.h"
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
  // How many rows the table may have, 0 when not known: a reader that keeps
  // something of each row reserves room for them at once instead of
  // growing into it step by step.
  virtual size_t estimated_rows() const { return 0; }
  // A field of the row (1-based); the view stays valid until next(). A
  // reference, as a copy of an optional view made field by field and read
  // back whole stalls the processor in a loop over millions of rows.
  const FieldText& cell(int column) const {
    static const FieldText missing;
    return column >= 1 && static_cast<size_t>(column) <= fields_.size() ? fields_[static_cast<size_t>(column - 1)]
                                                                          : missing;
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
  size_t estimated_rows() const override { return static_cast<size_t>(table_.row_count()); }

 private:
  const TextTable& table_;
  int row_ = 0;
};

// The rows of a table file, read a slice at a time as TextTable::load would
// read the whole of it. A thread of its own reads and splits the slices
// ahead of the rows asked for, so the reading costs the caller's core
// nothing.
class TableFileRows : public TableRows {
 public:
  explicit TableFileRows(char separator, size_t slice_bytes = size_t{1} << 22);
  ~TableFileRows() override;
  TableFileRows(const TableFileRows&) = delete;
  TableFileRows& operator=(const TableFileRows&) = delete;

  // How many leading columns of each row to keep, from the header's names:
  // the others read as missing and are left unsplit.
  using KeptColumns = std::function<size_t(const std::vector<std::string>& names)>;
  // A large table is read in two halves at once, by two readers: the first
  // half's rows end at the first row end from the middle of the rows on,
  // where the second half's begin. A table too small to split is the first
  // half's whole, and the second half has no rows.
  enum class Part { whole, first_half, second_half };
  // Opens the file, reads its header and starts reading the part's rows,
  // keeping every column unless told otherwise. False when it cannot be
  // opened.
  bool open(std::string_view path, const KeptColumns& kept_columns = {}, Part part = Part::whole);
  // The same for the bytes of a table another thread writes into the
  // stream, read whole as they come. The header too is read on the reading
  // thread: column_names() waits for it, so that a writer of two streams
  // never waits for a reader that waits for the other one.
  void open(ByteStream& stream, const KeptColumns& kept_columns = {});
  const std::vector<std::string>& column_names() const override;
  bool next() override;
  // Known from the first slice on: the file's size over the bytes per row
  // of its first slice, and a little more.
  size_t estimated_rows() const override { return estimated_rows_; }
  // Where in the file the current row begins.
  std::uint64_t row_offset() const { return row_offset_; }
  // After the last row: whether reading the file failed, so that the rows
  // read were not all.
  bool failed() const { return failed_; }

 private:
  size_t stored_columns() const { return std::min<size_t>(names_.size(), TextTable::kMaxStoredColumns); }
  // Whole rows of one slice; the rows are split as they are asked for, where
  // they stand, and unescaped in place.
  struct Batch {
    std::uint64_t file_offset = 0;  // of bytes[0]
    TextBuffer bytes;
    size_t rows_end = 0;  // where in bytes the whole rows end
  };

  void read_batches();
  // Reads the next slice's whole rows; false when the file has ended.
  bool fill(Batch& batch);
  // Reads the header and finds where the part's rows begin and end.
  void start(const KeptColumns& kept_columns, Part part);
  // Appends up to `count` bytes of the file or stream; false when it has no more.
  bool read_into(TextBuffer& bytes, size_t count);
  // Where the second half begins.
  std::uint64_t half_split(std::uint64_t data_begin);
  // Appends the next slice of the part's bytes; false once they have ended.
  bool read_more(TextBuffer& bytes);
  std::unique_ptr<Batch> take_full_batch();
  // Splits the row at the current batch's bytes[row_at_...] into fields_,
  // moving row_at_ past it.
  void split_row();
  // The same by the parser's rules, for a row that the separators alone
  // cannot read.
  void parse_row();

  const char separator_;
  const size_t slice_bytes_;
  std::vector<std::string> names_;
  std::atomic<bool> failed_ = false;

  std::optional<RowParser> parser_;

  // The reading thread's own.
  std::FILE* file_ = nullptr;
  ByteStream* stream_ = nullptr;  // read instead of a file
  TextBuffer carried_;  // the start of a row the last slice cut
  std::uint64_t carried_offset_ = 0;
  std::uint64_t read_at_ = 0;                   // the file offset the next read starts at
  std::uint64_t read_end_ = UINT64_MAX;         // where the part's bytes end
  std::uint64_t rows_bytes_ = 0;                // the part's size, as far as known
  bool at_end_ = false;

  std::thread reader_;
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  bool header_read_ = false;
  std::deque<std::unique_ptr<Batch>> full_, spare_;
  size_t batches_ = 0;
  bool reader_done_ = false;
  bool stopping_ = false;

  std::unique_ptr<Batch> current_;
  size_t row_at_ = 0;  // where in the current batch the next row begins
  // Sixty-four bytes at a time: where the next block to look at begins, and
  // the marks of the one looked at that are not taken yet, by kind.
  size_t next_block_ = 0;
  std::uint64_t block_ = 0, marks_ = 0, lfs_ = 0, escapes_ = 0;
  std::vector<std::uint64_t> row_ends_;  // of a row the parser reads
  std::uint64_t file_bytes_ = 0;
  std::uint64_t row_offset_ = 0;
  size_t estimated_rows_ = 0;
};

}  // namespace zor
