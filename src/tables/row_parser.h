#pragma once
// How the bytes of a table file read as a header and rows: the one set of
// rules for the reader that holds a whole file and for the one that streams
// it a slice at a time.
//
// A row ends at an LF; a CR directly before an LF is no part of the data.
// Fields are split at the separator. A backslash takes the byte after it
// literally ("\n" and "\N" are an LF), a field ends at its first zero byte,
// and fields beyond the kept columns are read but not kept.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zor {

// Far above the tables of any corpus (ten million recordings), so that a
// device or a huge sparse file is refused, not read.
constexpr std::uint64_t kMaxTableBytes = std::uint64_t{64} << 30;

// Reads the header line of bytes[0, size): adds each column name, unescaped,
// to `names`; returns where the data begins. A header that the bytes end
// inside loses its unfinished last name.
size_t parse_header(const char* bytes, size_t size, char separator, std::vector<std::string>& names);

class RowParser {
 public:
  RowParser(char separator, size_t kept_columns);

  enum class Row { complete, cut, spaced };
  // Reads one row from in[at, size), moving `at` past it. The row's kept
  // fields go back to back to out[written...], and the end of each, relative
  // to where the row began in `out`, to `ends`. `out` may be `in` itself: the
  // row is then unescaped in place, as it never outgrows its bytes. `cut`
  // when the bytes end inside the row, which then lacks its open field.
  // With `spaced_allowed`, a complete row with nothing to unescape (nearly
  // every row) may be left where it stands: `spaced`, its fields one
  // separator apart in `in`, the ends relative to where it began there,
  // nothing written. Moving every field of every row costs more than
  // finding them.
  Row parse(const char* in, size_t& at, size_t size, char* out, size_t& written,
            std::vector<std::uint64_t>& ends, bool spaced_allowed = false) const;

  // Whether a row with no byte other than the separator and the LF that the
  // rules treat apart (a CR directly before the LF aside) reads by the
  // separators' places alone: its fields end at the first kept_columns()
  // separators, and the last kept one at the LF, a CR before it dropped.
  bool reads_plain_rows() const { return plain_rows_; }
  size_t kept_columns() const { return kept_; }
  char separator() const { return separator_; }

 private:
  // A row without a backslash, a zero byte or a CR other than its closing
  // one, read from the separators' places alone; its fields are moved
  // together unless `spaced`. False, and nothing read or moved, for any
  // other row.
  bool parse_plain(const char* in, size_t& at, size_t size, char* out, size_t& written,
                   std::vector<std::uint64_t>& ends, bool spaced) const;
  // Where the bytes from `at` on first hold a byte the rows treat apart.
  size_t plain_run_end(const char* in, size_t at, size_t size) const;
  bool is_dropped_cr(const char* in, size_t at, size_t size) const {
    return in[at] == '\r' && at + 1 < size && in[at + 1] == '\n';
  }

  char separator_;
  size_t kept_;
  bool plain_rows_;  // whether parse_plain can read a row: a separator no other rule takes, a kept column
  std::array<bool, 256> special_{};
};

}  // namespace zor
