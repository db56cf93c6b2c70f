// Loading a table file. The whole file is read into one buffer, and the
// fields are unescaped in place and moved together to its front, so the
// table keeps the file's own buffer as its text: no second copy, one pass.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/file_io.h"
#include "tables/row_parser.h"
#include "tables/text_table.h"

namespace zor {
namespace {

// Counts the LFs, so that the rows can be reserved before they are read.
size_t count_line_ends(const char* bytes, size_t size) {
  size_t count = 0;
  const char* const end = bytes + size;
  for (const char* at = bytes; (at = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at))));
       ++at)
    ++count;
  return count;
}

// Reads the whole file and counts its LFs on the way, a slice at a time while
// the slice is still in the cache: one pass over the memory instead of two.
bool read_whole_file(std::string_view path, TextBuffer& bytes, size_t& line_ends) {
  std::FILE* file = open_input_file(path, kMaxTableBytes);
  if (!file) return false;
  // Sized once from the file's length and read straight into place, so a
  // large table never holds a second or half-grown copy of its file.
  TextBuffer result;
  if (std::fseek(file, 0, SEEK_END) == 0) {
    long size = std::ftell(file);
    if (size > 0) result.reserve(static_cast<size_t>(size));
    std::rewind(file);
  }
  std::setvbuf(file, nullptr, _IONBF, 0);  // straight into the buffer, no stdio copy
  constexpr size_t kSlice = size_t{1} << 18;
  char beyond[kSlice];  // a file grown since its size was asked, or a pipe
  size_t count = 0;
  while (true) {
    size_t used = result.size();
    bool in_place = used < result.capacity();
    size_t want = in_place ? std::min(kSlice, result.capacity() - used) : kSlice;
    char* slice = in_place ? result.data() + used : beyond;
    size_t got = std::fread(slice, 1, want, file);
    count += count_line_ends(slice, got);
    if (in_place) result.resize_for_overwrite(used + got);
    else result.append({beyond, got});
    if (got < want) break;
  }
  bool ok = !std::ferror(file);
  std::fclose(file);
  if (ok) {
    bytes = std::move(result);
    line_ends = count;
  }
  return ok;
}

}  // namespace

class TableLoader {
 public:
  TableLoader(TextTable& table, TextBuffer& bytes, size_t line_ends)
      : table_(table), buffer_(bytes), bytes_(bytes.data()), size_(bytes.size()),
        separator_(table.separator_), line_ends_(line_ends) {}

  void run() {
    size_t data_begin = read_header();
    read_rows(data_begin);
    buffer_.resize_for_overwrite(written_);
    buffer_.shrink_to_fit();
    // Reserved for the most fields the data could hold; a file of blank lines
    // holds few.
    if (table_.narrow_ends_.capacity() > table_.narrow_ends_.size() / 4 * 5 + 1024)
      table_.narrow_ends_.shrink_to_fit();
    table_.text_ = std::move(buffer_);
    table_.move_last();
  }

 private:
  // Adds the columns of the first line; returns where the data begins.
  size_t read_header() {
    std::vector<std::string> names;
    const size_t data_begin = parse_header(bytes_, size_, separator_, names);
    for (const std::string& name : names) table_.add_column(name);
    return data_begin;
  }

  // A header of more columns than a row can store (half a million) keeps
  // the first ones; the rest read as missing.
  size_t kept_columns() const {
    size_t kept = std::min<size_t>(static_cast<size_t>(table_.column_count()), TextTable::RowSpan::kMaxStored);
    if (table_.stored_columns_ > 0) kept = std::min(kept, static_cast<size_t>(table_.stored_columns_));
    return kept;
  }

  void reserve_rows(size_t data_begin) {
    size_t data_size = size_ - data_begin;
    // The header's LF is not a row's; a last line without LF is one.
    size_t lines = std::max<size_t>(line_ends_, 1);
    size_t columns = kept_columns();
    // Every stored field ends at a separator or a line end, so the data size
    // bounds the fields even when the header names very many columns.
    size_t fields = columns != 0 && lines > data_size / columns ? data_size + 1 : lines * columns;
    table_.rows_.reserve(lines);
    table_.narrow_ends_.reserve(std::min(fields, data_size + 1));
  }

  void read_rows(size_t data_begin) {
    reserve_rows(data_begin);
    const RowParser parser(separator_, kept_columns());
    std::vector<uint64_t> ends;
    size_t at = data_begin;
    while (at < size_) {
      TextTable::RowSpan row;
      row.set_text_begin(written_);
      // A row the file ends inside keeps the fields it finished.
      parser.parse(bytes_, at, size_, bytes_, written_, ends);
      table_.append_row_span(row, ends);
      table_.rows_.push_back(row);
    }
  }

  TextTable& table_;
  TextBuffer& buffer_;
  char* const bytes_;
  const size_t size_;
  const char separator_;
  const size_t line_ends_;
  size_t written_ = 0;
};

void TextTable::load_from_bytes(std::string_view bytes) {
  TextBuffer owned;
  owned.append(bytes);
  clear();
  TableLoader(*this, owned, count_line_ends(bytes.data(), bytes.size())).run();
}

bool TextTable::load(std::string_view path) {
  TextBuffer bytes;
  size_t line_ends = 0;
  if (!read_whole_file(path, bytes, line_ends)) return false;
  clear();
  TableLoader(*this, bytes, line_ends).run();
  return true;
}

}  // namespace zor
