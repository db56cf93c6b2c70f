#pragma once
// The text of one specification in the readable report: statistics, the
// occurrences behind the extremes and the distribution in 10 ms intervals.
#include <memory>
#include <string>
#include <string_view>

#include "platform/file_io.h"
#include "query/report.h"
#include "query/report_tables.h"

namespace zor {

// Writes the sections of one report, one specification at a time, into the
// file on a thread of its own.
class ReportSectionWriter {
 public:
  ReportSectionWriter(const ReportTables& tables, ReportOptions options, TextFileWriter& report);
  ~ReportSectionWriter();

  // Writes the section of the `occurrence`-th (0-based) result row named
  // `name`, with its own run of distribution rows; nothing when the result
  // table has no such row. `next_name`, when not empty, names the section
  // written after this one: its distribution rows are read meanwhile.
  void write(std::string_view name, size_t occurrence, std::string_view next_name = {});
  // Returns when everything written so far is in the file; call it before
  // the file is closed.
  void finish();
  // Whether a distribution could no longer be read, so that a section lacks
  // rows it should show.
  bool read_failed() const;

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
  const ReportTables& tables_;
};

}  // namespace zor
