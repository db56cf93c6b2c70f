#include "tables/table_rows.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <filesystem>
#include <system_error>

#include "platform/encoding.h"
#include "platform/file_io.h"

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

// Where the last row that bytes[0, size) holds whole ends, looking at the
// LFs from `from` on: a row ends at an LF that no backslash takes, one after
// an even run of backslashes (a CR between them and the LF goes with the
// LF). The byte before such a run is never part of an escape that reaches
// the run. 0 when there is no whole row.
size_t whole_rows_end(const char* bytes, size_t from, size_t size) {
  // Backwards from the end: the last row end lies a row's length or so back.
  for (size_t at = size; at-- > from;) {
    if (bytes[at] != '\n') continue;
    size_t before = at;
    if (before > 0 && bytes[before - 1] == '\r') --before;
    size_t backslashes = 0;
    while (before > 0 && bytes[before - 1] == '\\') --before, ++backslashes;
    if (backslashes % 2 == 0) return at + 1;
  }
  return 0;
}

// Appends up to `count` bytes of the file; false when it has no more.
bool read_into(std::FILE* file, TextBuffer& bytes, size_t count) {
  const size_t old_size = bytes.size();
  bytes.resize_for_overwrite(old_size + count);
  const size_t got = std::fread(bytes.data() + old_size, 1, count, file);
  bytes.resize_for_overwrite(old_size + got);
  return got == count;
}

}  // namespace

bool TableFileRows::open(std::string_view path, const KeptColumns& kept_columns) {
  file_ = open_input_file(path, kMaxTableBytes);
  if (!file_) return false;
  std::error_code error;
  file_bytes_ = std::filesystem::file_size(native_file_name(path), error);
  // The header ends at the first LF: read until it is in, or the file ends.
  TextBuffer header;
  size_t searched = 0;
  bool more = true;
  while (more && !(header.size() > searched &&
                   std::memchr(header.data() + searched, '\n', header.size() - searched))) {
    searched = header.size();
    more = read_into(file_, header, slice_bytes_);
  }
  at_end_ = !more;
  if (at_end_) failed_ = std::ferror(file_) != 0;
  const size_t data_begin = parse_header(header.data(), header.size(), separator_, names_);
  carried_.append(std::string_view(header.data() + data_begin, header.size() - data_begin));
  carried_offset_ = data_begin;
  parser_.emplace(separator_, kept_columns ? std::min(kept_columns(names_), stored_columns()) : stored_columns());
  reader_ = std::thread([this] { read_batches(); });
  return true;
}

bool TableFileRows::fill(Batch& batch) {
  batch.file_offset = carried_offset_;
  batch.bytes.resize_for_overwrite(0);
  batch.bytes.append(std::string_view(carried_.data(), carried_.size()));
  batch.row_begins.clear();
  batch.row_ends_begins.assign(1, 0);
  batch.ends.clear();
  batch.gaps.clear();
  // A row longer than a slice takes as many slices as it needs.
  size_t whole_end = 0;
  for (size_t searched = 0; whole_end == 0 && !at_end_;) {
    const size_t before = batch.bytes.size();
    at_end_ = !read_into(file_, batch.bytes, slice_bytes_);
    if (at_end_) failed_ = std::ferror(file_) != 0;
    whole_end = whole_rows_end(batch.bytes.data(), searched, batch.bytes.size());
    searched = before;
  }
  // The file's last line is read even when it ends inside, as a load reads it.
  if (at_end_) whole_end = batch.bytes.size();
  char* const bytes = batch.bytes.data();
  for (size_t at = 0; at < whole_end;) {
    batch.row_begins.push_back(at);
    size_t written = at;
    const RowParser::Row row = parser_->parse(bytes, at, whole_end, bytes, written, row_ends_, true);
    batch.gaps.push_back(row == RowParser::Row::spaced ? 1 : 0);
    batch.ends.insert(batch.ends.end(), row_ends_.begin(), row_ends_.end());
    batch.row_ends_begins.push_back(batch.ends.size());
  }
  carried_.resize_for_overwrite(0);
  carried_.append(std::string_view(bytes + whole_end, batch.bytes.size() - whole_end));
  carried_offset_ += whole_end;
  return !at_end_;
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
  while (!current_ || current_row_ == current_->row_begins.size()) {
    current_ = take_full_batch();
    current_row_ = 0;
    if (!current_) {
      fields_.clear();
      return false;
    }
    if (estimated_rows_ == 0 && !current_->row_begins.empty()) {
      const double bytes_per_row = static_cast<double>(current_->bytes.size()) / current_->row_begins.size();
      estimated_rows_ = static_cast<size_t>(static_cast<double>(file_bytes_) / bytes_per_row * 1.05) + 1;
    }
  }
  const Batch& batch = *current_;
  row_offset_ = batch.file_offset + batch.row_begins[current_row_];
  const char* const text = batch.bytes.data() + batch.row_begins[current_row_];
  // Rows of a table mostly have the same number of fields: the room of the
  // row before is reused as it stands.
  const size_t first_end = batch.row_ends_begins[current_row_];
  const size_t fields = batch.row_ends_begins[current_row_ + 1] - first_end;
  fields_.resize(fields);
  const std::uint64_t* const ends = batch.ends.data() + first_end;
  const std::uint64_t gap = batch.gaps[current_row_];
  std::uint64_t begin = 0;
  for (size_t k = 0; k < fields; ++k) {
    fields_[k] = std::string_view(text + begin, ends[k] - begin);
    begin = ends[k] + gap;
  }
  ++current_row_;
  return true;
}

}  // namespace zor
