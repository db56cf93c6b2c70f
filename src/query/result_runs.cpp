#include "query/result_runs.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>

#include "corpus/table_layout.h"

namespace zor {

std::vector<ResultRun> result_runs(const TextTable& result, const TextTable& distribution) {
  std::vector<ResultRun> runs;
  const int name_column = result.column_index(kResultTable.name(result_column::kName));
  const int dev_name_column =
      distribution.column_index(kDistributionTable.name(distribution_column::kName));
  if (name_column == 0 || dev_name_column == 0) return runs;

  // Distribution rows and result rows by name, each in file order.
  std::unordered_map<std::string_view, std::vector<int>> dev_rows, result_rows;
  for (int row = 1; row <= distribution.row_count(); ++row)
    dev_rows[distribution.cell(row, dev_name_column).value_or("")].push_back(row);
  for (int row = 1; row <= result.row_count(); ++row)
    result_rows[result.cell(row, name_column).value_or("")].push_back(row);

  std::unordered_map<std::string_view, size_t> taken;  // distribution rows handed out, by name
  for (int row = 1; row <= result.row_count(); ++row) {
    const std::string_view name = result.cell(row, name_column).value_or("");
    ResultRun run{row, {}};
    auto found = dev_rows.find(name);
    if (found != dev_rows.end()) {
      const std::vector<int>& rows = found->second;
      if (result_rows[name].size() == 1) {
        run.distribution_rows = rows;
      } else {
        size_t& start = taken[name];
        // The count is read where the report reads it, truncated.
        const double count = std::trunc(read_number(result.cell(row, result_column::kCount).value_or("")));
        const size_t left = rows.size() - start;
        const size_t length = !(count > 0) ? 0 : count >= static_cast<double>(left) ? left
                                                                                  : static_cast<size_t>(count);
        run.distribution_rows.assign(rows.begin() + static_cast<std::ptrdiff_t>(start),
                                     rows.begin() + static_cast<std::ptrdiff_t>(start + length));
        start += length;
      }
    }
    runs.push_back(std::move(run));
  }
  return runs;
}

}  // namespace zor
