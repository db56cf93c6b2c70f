#pragma once
// The text of one specification in the readable report: statistics, the
// occurrences behind the extremes and the distribution in 10 ms intervals.
#include <string>
#include <string_view>

#include "platform/file_io.h"
#include "query/report.h"
#include "query/report_tables.h"

namespace zor {

// Writes the section of the first result row named `name` to the report;
// nothing when the result table has no such row.
void write_report_section(const ReportTables& tables, ReportOptions options,
                          std::string_view name, TextFileWriter& report);

}  // namespace zor
