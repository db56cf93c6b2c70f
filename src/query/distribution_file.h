#pragma once
// The distribution table as the report reads it: a first pass over the file
// notes where each specification's rows lie, and a section then loads its
// own rows only, so that the report never holds the whole table. The query
// writes the hits of a specification together: a name's rows are one run of
// lines, or a few.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tables/text_buffer.h"
#include "tables/text_table.h"

namespace zor {

// The distribution rows of one name, as a report section reads them. The
// views are into `bytes`; the whole is reused from one section to the next,
// its memory already there.
struct DistributionRows {
  // The number in the interval column at its place, as read; a missing
  // field reads as NaN, which raises no largest interval and is never
  // counted, as a missing field.
  std::vector<double> interval;
  // The first column named as that one, when it is another column; when it
  // is the same one (as in every table the query writes), this stays empty.
  std::vector<FieldText> interval_by_name;
  bool interval_named_elsewhere = false;
  std::vector<std::string_view> occurrence;  // the occurrence column at its place, "" when missing
  TextBuffer bytes;  // on the heap even when short: the views stay valid when rows are swapped
  std::vector<std::uint64_t> ends;

  size_t size() const { return interval.size(); }
};

class DistributionFile {
 public:
  // Reads the file through with the tab separator, noting the rows of each
  // `key` field. False when it cannot be opened or read.
  bool open(const std::string& path, std::string_view key);
  const std::vector<std::string>& column_names() const { return names_; }
  // Reads the rows whose key field equals `name`, in file order, as the
  // loaded table would give them. False when the file can no longer be read.
  bool load_rows(std::string_view name, DistributionRows& rows) const;

 private:
  struct Run {
    std::uint64_t begin = 0;
    std::uint64_t end = 0;  // kToTheEnd for the file's last row
  };
  static constexpr std::uint64_t kToTheEnd = UINT64_MAX;

  std::string path_;
  std::vector<std::string> names_;
  std::unordered_map<std::string, std::vector<Run>> runs_;
};

}  // namespace zor
