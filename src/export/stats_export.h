#pragma once
// The statistics of every result row as CSV: spec,type,n,mean,sd,median,q1,
// q3,min,max,cv, from the durations of the row's own distribution rows.
#include <string>
#include <vector>

#include "export/csv_output.h"
#include "tables/text_table.h"

namespace zor {

// The result rows whose name is in `names` (Windows-1250), or all when it is
// empty; duplicate names give a row each.
void write_stats_csv(const TextTable& result, const TextTable& distribution,
                     const std::vector<std::string>& names, CsvOutput& out);

// The durations (ms) of distribution rows, as their occurrence field gives them.
std::vector<double> hit_durations(const TextTable& distribution, const std::vector<int>& rows);

}  // namespace zor
