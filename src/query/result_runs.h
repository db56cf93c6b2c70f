#pragma once
// Which distribution rows belong to which result row. The query writes each
// specification's hits together, in the order of the result rows and as many
// as the row counts, so the k-th result row named X owns the k-th run of
// distribution rows named X; a name that only one result row has owns all
// its distribution rows.
#include <string_view>
#include <vector>

#include "tables/text_table.h"

namespace zor {

struct ResultRun {
  int result_row = 0;                  // 1-based
  std::vector<int> distribution_rows;  // 1-based, in file order
};

// Every result row in file order, with its distribution rows. Tables without
// a name column give no runs.
std::vector<ResultRun> result_runs(const TextTable& result, const TextTable& distribution);

}  // namespace zor
