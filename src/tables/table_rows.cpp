#include "tables/table_rows.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <exception>
#include <filesystem>
#include <system_error>

#include "platform/encoding.h"
#include "platform/file_io.h"
#include "tables/byte_masks.h"

namespace zor {

int TableRows::column_index(std::string_view name) const { return column_number(column_names(), name); }

bool LoadedTableRows::next() {
  fields_.clear();
  if (++row_ > table_.row_count()) return false;
  for (int column = 1; column <= table_.column_count(); ++column) fields_.push_back(table_.cell(row_, column));
  return true;
}

TableFileRows::TableFileRows(char separator, size_t slice_bytes)
    : separator_(separator), slice_bytes_(std::max<size_t>(slice_bytes, 1)) {}

TableFileRows::~TableFileRows() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (reader_.joinable()) reader_.join();
  if (file_) std::fclose(file_);
}

namespace {

// Whether the LF at bytes[lf] ends a row: it does when no backslash takes
// it, after an even run of backslashes (a CR between them and the LF goes
// with the LF). The byte before such a run is never part of an escape that
// reaches the run; `run_begin` is where the run begins, 0 when it reaches
// the bytes' start.
bool lf_ends_row(const char* bytes, size_t lf, size_t& run_begin) {
  size_t before = lf;
  if (before > 0 && bytes[before - 1] == '\r') --before;
  size_t backslashes = 0;
  while (before > 0 && bytes[before - 1] == '\\') --before, ++backslashes;
  run_begin = before;
  return backslashes % 2 == 0;
}

// Where the last row that bytes[0, size) holds whole ends, looking at the
// LFs from `from` on; bytes[0] begins a row. 0 when there is no whole row.
size_t whole_rows_end(const char* bytes, size_t from, size_t size) {
  // Backwards from the end: the last row end lies a row's length or so back.
  size_t run_begin = 0;
  for (size_t at = size; at-- > from;)
    if (bytes[at] == '\n' && lf_ends_row(bytes, at, run_begin)) return at + 1;
  return 0;
}

}  // namespace

bool TableFileRows::read_into(TextBuffer& bytes, size_t count) {
  const size_t old_size = bytes.size();
  bytes.resize_for_overwrite(old_size + count);
  const size_t got = stream_ ? stream_->read(bytes.data() + old_size, count)
                             : std::fread(bytes.data() + old_size, 1, count, file_);
  bytes.resize_for_overwrite(old_size + got);
  return got == count;
}

std::uint64_t TableFileRows::half_split(std::uint64_t data_begin) {
  // A small table is read faster by one reader than split.
  constexpr std::uint64_t kSmallest = std::uint64_t{1} << 20;
  constexpr size_t kSearched = size_t{1} << 20;
  if (file_bytes_ < data_begin + kSmallest) return file_bytes_;
  const std::uint64_t middle = data_begin + (file_bytes_ - data_begin) / 2;
  TextBuffer bytes;
  if (!seek_input_file(file_, middle)) return file_bytes_;
  read_into(bytes, kSearched);
  // Its first byte may be taken by a backslash before the middle: an LF
  // whose run of backslashes reaches it tells nothing.
  size_t run_begin = 0;
  for (const char* lf = bytes.data(); (lf = static_cast<const char*>(std::memchr(
                                           lf, '\n', bytes.size() - static_cast<size_t>(lf - bytes.data())))) != nullptr;
       ++lf) {
    const auto at = static_cast<size_t>(lf - bytes.data());
    if (lf_ends_row(bytes.data(), at, run_begin) && run_begin > 0) return middle + at + 1;
  }
  return file_bytes_;
}

bool TableFileRows::open(std::string_view path, const KeptColumns& kept_columns, Part part) {
  file_ = open_input_file(path, kMaxTableBytes);
  if (!file_) return false;
  std::error_code error;
  file_bytes_ = std::filesystem::file_size(native_file_name(path), error);
  start(kept_columns, part);
  header_read_ = true;
  reader_ = std::thread([this] { read_batches(); });
  return true;
}

void TableFileRows::open(ByteStream& stream, const KeptColumns& kept_columns) {
  stream_ = &stream;
  // Of unknown size: no row count is estimated.
  reader_ = std::thread([this, kept_columns] {
    try {
      start(kept_columns, Part::whole);
    } catch (const std::exception&) {
      failed_ = at_end_ = true;
    }
    {
      std::lock_guard lock(mutex_);
      header_read_ = true;
    }
    changed_.notify_all();
    read_batches();
  });
}

const std::vector<std::string>& TableFileRows::column_names() const {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return header_read_; });
  return names_;
}

void TableFileRows::start(const KeptColumns& kept_columns, Part part) {
  // The header ends at the first LF: read until it is in, or the file ends.
  TextBuffer header;
  size_t searched = 0;
  bool more = true;
  while (more && !(header.size() > searched &&
                   std::memchr(header.data() + searched, '\n', header.size() - searched))) {
    searched = header.size();
    more = read_into(header, slice_bytes_);
  }
  at_end_ = !more;
  if (at_end_ && file_) failed_ = std::ferror(file_) != 0;
  const size_t data_begin = parse_header(header.data(), header.size(), separator_, names_);
  carried_.append(std::string_view(header.data() + data_begin, header.size() - data_begin));
  carried_offset_ = data_begin;
  read_at_ = header.size();
  if (part != Part::whole) {
    const std::uint64_t split = half_split(data_begin);
    if (part == Part::first_half) {
      if (split < file_bytes_) read_end_ = split;
      if (read_at_ > split) {
        carried_.resize_for_overwrite(static_cast<size_t>(split - data_begin));
        read_at_ = split;
      }
      at_end_ = at_end_ || read_at_ >= read_end_;
    } else {
      carried_.resize_for_overwrite(0);
      carried_offset_ = split;
      read_at_ = split;
      at_end_ = split >= file_bytes_;
    }
    if (!at_end_ && !seek_input_file(file_, read_at_)) failed_ = at_end_ = true;
  }
  rows_bytes_ = std::min(read_end_, file_bytes_) - std::min(carried_offset_, file_bytes_);
  parser_.emplace(separator_, kept_columns ? std::min(kept_columns(names_), stored_columns()) : stored_columns());
}

bool TableFileRows::fill(Batch& batch) {
  batch.file_offset = carried_offset_;
  batch.bytes.resize_for_overwrite(0);
  batch.bytes.append(std::string_view(carried_.data(), carried_.size()));
  // A row longer than a slice takes as many slices as it needs.
  size_t whole_end = 0;
  for (size_t searched = 0; whole_end == 0 && !at_end_;) {
    const size_t before = batch.bytes.size();
    at_end_ = !read_more(batch.bytes);
    whole_end = whole_rows_end(batch.bytes.data(), searched, batch.bytes.size());
    searched = before;
  }
  // The file's last line is read even when it ends inside, as a load reads it.
  if (at_end_) whole_end = batch.bytes.size();
  batch.rows_end = whole_end;
  carried_.resize_for_overwrite(0);
  carried_.append(std::string_view(batch.bytes.data() + whole_end, batch.bytes.size() - whole_end));
  carried_offset_ += whole_end;
  return !at_end_;
}

bool TableFileRows::read_more(TextBuffer& bytes) {
  const size_t count = static_cast<size_t>(std::min<std::uint64_t>(slice_bytes_, read_end_ - read_at_));
  const size_t before = bytes.size();
  const bool whole = read_into(bytes, count);
  read_at_ += bytes.size() - before;
  if (!whole && file_) failed_ = std::ferror(file_) != 0;
  return whole && read_at_ < read_end_;
}

void TableFileRows::parse_row() {
  char* const bytes = current_->bytes.data();
  const size_t row_begin = row_at_;
  size_t written = row_begin;
  const RowParser::Row row = parser_->parse(bytes, row_at_, current_->rows_end, bytes, written, row_ends_, true);
  const std::uint64_t gap = row == RowParser::Row::spaced ? 1 : 0;
  fields_.clear();
  std::uint64_t begin = 0;
  for (const std::uint64_t end : row_ends_) {
    fields_.emplace_back(std::string_view(bytes + row_begin + begin, end - begin));
    begin = end + gap;
  }
  // The blocks are looked at again from the next row on.
  next_block_ = row_at_;
  marks_ = 0;
}

// Sixty-four bytes at a time, the marks of a block kept for the rows after:
// a row that holds a byte the separators alone cannot read is handed whole
// to the parser.
void TableFileRows::split_row() {
  if (!parser_->reads_plain_rows()) return parse_row();
  const char* const bytes = current_->bytes.data();
  const size_t size = current_->rows_end;
  const size_t kept = parser_->kept_columns();
  const char separator = parser_->separator();
  const size_t row_begin = row_at_;
  // Kept in locals: the fields written would otherwise make the compiler
  // reload the members at each mark, as they might be one of them.
  size_t next_block = next_block_, block = block_;
  std::uint64_t marks = marks_, lfs = lfs_, escapes = escapes_;
  size_t count = 0, field_begin = row_begin;
  fields_.resize(kept);
  FieldText* const fields = fields_.data();
  while (true) {
    while (marks == 0) {
      // The last row of the file may end without an LF: the parser reads it.
      if (next_block >= size) return parse_row();
      block = next_block;
      WideByteMasks masks;
      if (block + kWideMaskBlock <= size) {
        masks = wide_byte_masks(bytes + block, separator);
      } else {
        // The last bytes, padded; the masks of the padding are cut off.
        char tail[kWideMaskBlock] = {};
        std::memcpy(tail, bytes + block, size - block);
        masks = wide_byte_masks(tail, separator);
        const std::uint64_t inside = (std::uint64_t{1} << (size - block)) - 1;
        masks.separators &= inside;
        masks.lfs &= inside;
        masks.escapes &= inside;
      }
      lfs = masks.lfs;
      escapes = masks.escapes;
      marks = masks.separators | masks.lfs | masks.escapes;
      next_block = block + kWideMaskBlock;
    }
    const auto bit = static_cast<unsigned>(std::countr_zero(marks));
    marks &= marks - 1;
    const size_t at = block + bit;
    if (lfs >> bit & 1) {
      const size_t end = at - (at > field_begin && bytes[at - 1] == '\r' ? 1 : 0);
      if (count < kept) fields[count++] = std::string_view(bytes + field_begin, end - field_begin);
      fields_.resize(count);
      row_at_ = at + 1;
      next_block_ = next_block;
      block_ = block;
      marks_ = marks;
      lfs_ = lfs;
      escapes_ = escapes;
      return;
    }
    if (escapes >> bit & 1) {
      if (bytes[at] == '\r' && at + 1 < size && bytes[at + 1] == '\n') continue;
      // An escape may hide the LF that looks like the row's end.
      return parse_row();
    }
    if (count < kept) fields[count++] = std::string_view(bytes + field_begin, at - field_begin);
    field_begin = at + 1;
  }
}

void TableFileRows::read_batches() {
  // A few slices ahead at most, each reused once its rows are read.
  constexpr size_t kBatches = 3;
  try {
    for (bool more = true; more;) {
      std::unique_ptr<Batch> batch;
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stopping_ || !spare_.empty() || batches_ < kBatches; });
        if (stopping_) return;
        if (!spare_.empty()) {
          batch = std::move(spare_.front());
          spare_.pop_front();
        } else {
          batch = std::make_unique<Batch>();
          ++batches_;
        }
      }
      more = fill(*batch);
      {
        std::lock_guard lock(mutex_);
        full_.push_back(std::move(batch));
        reader_done_ = !more;
      }
      changed_.notify_all();
    }
  } catch (const std::exception&) {
    // A row too large for the memory ends the reading as a failed one.
    failed_ = true;
    {
      std::lock_guard lock(mutex_);
      reader_done_ = true;
    }
    changed_.notify_all();
  }
}

std::unique_ptr<TableFileRows::Batch> TableFileRows::take_full_batch() {
  std::unique_lock lock(mutex_);
  if (current_) spare_.push_back(std::move(current_));
  changed_.notify_all();
  changed_.wait(lock, [&] { return !full_.empty() || reader_done_; });
  if (full_.empty()) return nullptr;
  std::unique_ptr<Batch> batch = std::move(full_.front());
  full_.pop_front();
  return batch;
}

bool TableFileRows::next() {
  if (!reader_.joinable()) {
    fields_.clear();
    return false;
  }
  while (!current_ || row_at_ == current_->rows_end) {
    current_ = take_full_batch();
    row_at_ = next_block_ = 0;
    marks_ = 0;
    if (!current_) {
      fields_.clear();
      return false;
    }
    if (estimated_rows_ == 0 && !stream_ && current_->rows_end > 0) {
      const char* const bytes = current_->bytes.data();
      const auto rows = static_cast<double>(std::count(bytes, bytes + current_->rows_end, '\n') + 1);
      estimated_rows_ = static_cast<size_t>(static_cast<double>(rows_bytes_) / (static_cast<double>(current_->rows_end) / rows) * 1.05) + 1;
    }
  }
  row_offset_ = current_->file_offset + row_at_;
  split_row();
  return true;
}

}  // namespace zor
