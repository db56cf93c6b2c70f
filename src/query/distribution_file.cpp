#include "query/distribution_file.h"

#include <climits>
#include <cstdio>
#include <algorithm>
#include <limits>

#include "corpus/table_layout.h"
#include "platform/file_io.h"
#include "tables/row_parser.h"
#include "tables/table_rows.h"
#include "tables/text_utils.h"

namespace zor {
namespace {

// Appends the bytes [begin, end) of the file, or up to its end.
bool append_range(std::FILE* file, std::uint64_t begin, std::uint64_t end, TextBuffer& bytes) {
  // fseek takes a long: on a system where it is 32 bits, the part of a file
  // beyond 2 GiB cannot be reached this way, and the read fails openly.
  if (begin > static_cast<std::uint64_t>(LONG_MAX) ||
      std::fseek(file, static_cast<long>(begin), SEEK_SET) != 0)
    return false;
  constexpr size_t kSlice = size_t{1} << 20;
  for (std::uint64_t at = begin; at < end;) {
    const size_t want = static_cast<size_t>(std::min<std::uint64_t>(kSlice, end - at));
    const size_t old_size = bytes.size();
    if (old_size + want > bytes.capacity()) bytes.reserve(std::max(old_size + want, 2 * bytes.capacity()));
    bytes.resize_for_overwrite(old_size + want);
    const size_t got = std::fread(bytes.data() + old_size, 1, want, file);
    bytes.resize_for_overwrite(old_size + got);
    if (got < want) return !std::ferror(file);
    at += got;
  }
  return true;
}

}  // namespace

bool DistributionFile::open(const std::string& path, std::string_view key) {
  path_ = path;
  runs_.clear();
  TableFileRows rows('\t');
  // Only the key is read here; a section reads its rows again whole.
  if (!rows.open(path, [key](const std::vector<std::string>& names) {
        return static_cast<size_t>(std::max(column_number(names, key), 1));
      }))
    return false;
  names_ = rows.column_names();
  const int key_column = rows.column_index(key);
  bool in_run = false;  // whether the last row belongs to the run of run_name
  std::string run_name;
  auto close_run = [&](std::uint64_t end) {
    if (in_run) runs_[run_name].back().end = end;
    in_run = false;
  };
  while (rows.next()) {
    // A missing key field belongs to no name.
    const FieldText name = rows.cell(key_column);
    if (in_run && name && *name == run_name) continue;
    close_run(rows.row_offset());
    if (!name) continue;
    in_run = true;
    run_name.assign(*name);
    runs_[run_name].push_back({rows.row_offset(), kToTheEnd});
  }
  close_run(kToTheEnd);
  return !rows.failed();
}

bool DistributionFile::load_rows(std::string_view name, DistributionRows& rows) const {
  rows.interval.clear();
  rows.interval_by_name.clear();
  rows.occurrence.clear();
  rows.bytes.resize_for_overwrite(0);
  auto found = runs_.find(std::string(up_to_zero(name)));
  if (found == runs_.end()) return true;
  std::FILE* file = open_input_file(path_, kMaxTableBytes);
  bool read = file != nullptr;
  for (const Run& run : found->second) {
    if (!read) break;
    read = append_range(file, run.begin, run.end, rows.bytes);
  }
  if (file) std::fclose(file);

  const int interval_column = distribution_column::kInterval;
  const int named_interval_column = column_number(names_, kDistributionTable.name(interval_column));
  const int occurrence_column = distribution_column::kOccurrence;
  rows.interval_named_elsewhere = named_interval_column != interval_column;
  const RowParser parser('\t', std::min<size_t>(names_.size(), TextTable::kMaxStoredColumns));
  char* const bytes = rows.bytes.data();
  for (size_t at = 0; at < rows.bytes.size();) {
    const size_t row_begin = at;
    size_t written = at;
    const std::uint64_t gap =
        parser.parse(bytes, at, rows.bytes.size(), bytes, written, rows.ends, true) == RowParser::Row::spaced ? 1 : 0;
    auto field = [&](int column) -> FieldText {
      if (column < 1 || static_cast<size_t>(column) > rows.ends.size()) return std::nullopt;
      const size_t c = static_cast<size_t>(column - 1);
      const std::uint64_t begin = c == 0 ? 0 : rows.ends[c - 1] + gap;
      return std::string_view(bytes + row_begin + begin, rows.ends[c] - begin);
    };
    const FieldText interval = field(interval_column);
    rows.interval.push_back(interval ? read_number(*interval) : std::numeric_limits<double>::quiet_NaN());
    if (rows.interval_named_elsewhere) rows.interval_by_name.push_back(field(named_interval_column));
    rows.occurrence.push_back(field(occurrence_column).value_or(std::string_view()));
  }
  return read;
}

}  // namespace zor
