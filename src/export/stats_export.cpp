#include "export/stats_export.h"

#include <algorithm>

#include "corpus/table_layout.h"
#include "export/csv_line.h"
#include "query/duration_statistics.h"
#include "query/report.h"
#include "query/result_runs.h"

namespace zor {

std::vector<double> hit_durations(const TextTable& distribution, const std::vector<int>& rows) {
  std::vector<double> durations;
  durations.reserve(rows.size());
  for (int row : rows) {
    Occurrence hit = split_occurrence(
        distribution.cell(row, distribution_column::kOccurrence).value_or(""));
    durations.push_back(read_number(hit.value));
  }
  return durations;
}

void write_stats_csv(const TextTable& result, const TextTable& distribution,
                     const std::vector<std::string>& names, CsvOutput& out) {
  constexpr int kDecimals = 3;
  CsvLine line;
  out.write(line.text("spec").text("type").text("n").text("mean").text("sd").text("median")
                .text("q1").text("q3").text("min").text("max").text("cv").finish());
  for (const ResultRun& run : result_runs(result, distribution)) {
    const std::string_view name = result.cell(run.result_row, result_column::kName).value_or("");
    if (!names.empty() && std::find(names.begin(), names.end(), name) == names.end()) continue;
    const DurationStatistics s = duration_statistics(hit_durations(distribution, run.distribution_rows));
    line.text(name).text(result.cell(run.result_row, result_column::kType).value_or(""));
    line.integer(static_cast<std::int64_t>(s.n));
    if (s.n == 0) {
      for (int k = 0; k < 8; ++k) line.empty();
      out.write(line.finish());
      continue;
    }
    line.number(s.mean, kDecimals);
    if (s.has_sd) line.number(s.sd, kDecimals);
    else line.empty();
    line.number(s.median, kDecimals).number(s.q1, kDecimals).number(s.q3, kDecimals);
    line.number(s.min, kDecimals).number(s.max, kDecimals);
    if (s.has_cv) line.number(s.cv, kDecimals);
    else line.empty();
    out.write(line.finish());
  }
}

}  // namespace zor
