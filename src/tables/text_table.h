#pragma once
// A table of texts with named columns and a 1-based row cursor, loaded from a
// separated text file and searched by comparison operators and LIKE.
//
// Rows and fields are held contiguously, so any row and field is reached in
// constant time; the cursor, BOF/EOF and search semantics are those of the
// classic record-set walk that every caller relies on.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tables/text_buffer.h"
#include "tables/text_key_index.h"
#include "tables/text_matcher.h"

namespace zor {

// A field's text, or nullopt for a missing field (distinct from "").
using FieldText = std::optional<std::string_view>;

class TextTable {
 public:
  // A row keeps its first half million fields; the rest read as missing.
  static constexpr uint32_t kMaxStoredColumns = (uint32_t{1} << 19) - 1;

  TextTable();

  // Columns and rows.
  void add_column(std::string_view name);
  void add_row();
  void clear();
  bool is_empty() const;
  int row_count() const;
  int column_count() const;
  // 1-based number of the first column of that name, 0 when there is none.
  int column_index(std::string_view name) const;
  std::string_view column_name(int column) const;
  const std::vector<std::string>& column_names() const { return column_names_; }
  int position() const;
  bool bof() const;
  bool eof() const;

  // Cursor.
  bool move_to(int row);
  bool move_first();
  bool move_last();
  bool move_next();
  bool save_bookmark();
  bool restore_bookmark();

  // Fields of the current row. The views stay valid until the table is
  // changed, cleared, reloaded or destroyed.
  FieldText field(std::string_view column) const;
  FieldText field_at(int column) const;
  double number(std::string_view column) const;  // missing reads as 0
  double number_at(int column) const;
  bool set_field_at(int column, std::string_view text);

  // Any field, without moving the cursor (row and column 1-based).
  FieldText cell(int row, int column) const;

  char separator() const;
  void set_separator(char separator);
  // A load keeps the first `count` fields of a row and reads the others as
  // missing, so that a reader of a wide table's first columns holds only
  // those; 0 keeps every field.
  void set_stored_columns(int count) { stored_columns_ = count; }

  // Loading. False when the file cannot be opened; the table is then
  // unchanged. Otherwise the table holds the file and the cursor is on the
  // last row.
  bool load(std::string_view path);
  void load_from_bytes(std::string_view bytes);

  // Search.
  bool compare(std::string_view column, std::string_view op, std::string_view value) const;
  bool compare_number(std::string_view column, std::string_view op, double value) const;
  bool begin_search(int direction);
  bool locate(std::string_view column, std::string_view op, std::string_view value);
  bool locate_number(std::string_view column, std::string_view op, double value);
  bool end_search();

 private:
  // Where one row's fields lie. The row's text is text_[text_begin...],
  // fields back to back; entry c of its end table is the end of field c
  // relative to text_begin, with the top bit marking a missing field. Fields
  // from `stored` on are missing. Rows under 32 KiB use 16-bit ends.
  //
  // Packed into 12 bytes, as a file of blank lines is mostly row spans: 38
  // bits of text offset and of end-table offset (256 Gi, far above the table
  // size cap), 19 bits of stored fields and the wide flag.
  class RowSpan {
   public:
    static constexpr uint32_t kMaxStored = kMaxStoredColumns;

    uint64_t text_begin() const { return bits_[0] | (uint64_t{bits_[1]} & 0x3F) << 32; }
    uint64_t ends_begin() const { return bits_[1] >> 6 | (uint64_t{bits_[2]} & 0xFFF) << 26; }
    uint32_t stored() const { return bits_[2] >> 12 & kMaxStored; }
    bool wide() const { return bits_[2] >> 31; }

    void set_text_begin(uint64_t offset) {
      bits_[0] = static_cast<uint32_t>(offset);
      bits_[1] = (bits_[1] & ~uint32_t{0x3F}) | static_cast<uint32_t>(offset >> 32 & 0x3F);
    }
    void set_ends(uint64_t begin, uint32_t stored, bool wide) {
      bits_[1] = (bits_[1] & 0x3F) | static_cast<uint32_t>(begin << 6);
      bits_[2] = static_cast<uint32_t>(begin >> 26 & 0xFFF) | stored << 12 |
                 static_cast<uint32_t>(wide) << 31;
    }

   private:
    uint32_t bits_[3] = {};
  };
  struct Locator;
  friend class TableLoader;

  bool has_row() const { return cursor_ >= 1 && cursor_ <= rows_count(); }
  int rows_count() const { return static_cast<int>(rows_.size()); }
  FieldText row_field(const RowSpan& row, size_t column) const;
  // Stores a row's fields anew at the end of the text (after a change).
  void rewrite_row(size_t row, std::span<const std::optional<std::string>> fields);
  void append_row_span(RowSpan& row, std::span<const uint64_t> relative_ends);
  bool meets(const Locator& locator) const;
  bool walk_to_match(const Locator& locator);

  std::vector<std::string> column_names_;
  TextBuffer text_;
  std::vector<uint16_t> narrow_ends_;
  static constexpr uint64_t kNoBlankRowEnd = UINT64_MAX;
  uint64_t blank_row_end_ = kNoBlankRowEnd;  // the end entry every blank row shares
  std::vector<uint64_t> wide_ends_;
  std::vector<RowSpan> rows_;
  int cursor_ = 0;
  int bookmark_ = 0;
  bool bof_ = true;
  bool eof_ = true;
  bool search_begun_ = false;
  int direction_ = 1;
  char separator_ = ';';
  int stored_columns_ = 0;
  mutable TextMatcher matcher_;
};

// Exact-match lookup of one column: the rows whose field equals a value, in
// increasing order, as move_first + begin_search(1) + repeated
// locate(column, "=", value) would visit them.
class ExactIndex {
 public:
  ExactIndex(const TextTable& table, int column);
  std::span<const int> rows(std::string_view value) const;

 private:
  // Corpus tables number their rows 1, 2, 3, ... in a key column: when the
  // column is exactly that, a look-up is reading the number, no hashing.
  static bool holds_row_numbers(const TextTable& table, int column);
  bool row_numbered_ = false;
  // The keys point into the table's text: the index holds the table as it
  // was when built, and must not outlive a change of it.
  TextKeyIndex values_;
  std::vector<uint32_t> group_begins_;  // by value id, one more at the end
  std::vector<int> rows_;               // the rows of each value, value after value
};

// 1-based number of the first of the names equal to `name` (cut at its
// first zero byte), 0 when there is none.
int column_number(const std::vector<std::string>& names, std::string_view name);

// The number a text is the canonical decimal of (digits only, no leading
// zero, within int), or 0: how a key that numbers the rows is read.
int canonical_number(std::string_view text);

// The decimal reading of a field: leading white space, sign, digits, ".",
// exponent; stops at the first byte that does not fit; no number gives 0.
double read_number(std::string_view text);

}  // namespace zor
