#pragma once
// The statistics a duration study reports per category. Durations are right-
// skewed, so the median and quartiles stand beside the mean.
#include <cstddef>
#include <span>

namespace zor {

struct DurationStatistics {
  size_t n = 0;
  double mean = 0;    // exact, not truncated
  bool has_sd = false;  // the sample standard deviation needs two values
  double sd = 0;      // with n - 1
  double median = 0;
  double q1 = 0, q3 = 0;
  double min = 0, max = 0;
  double cv = 0;      // sd / mean; only with has_sd and a mean other than 0
  bool has_cv = false;
};

// Quartiles and median by linear interpolation between order statistics, as
// R's default quantile (type 7) and numpy's default. Empty input gives n = 0.
DurationStatistics duration_statistics(std::span<const double> durations);

}  // namespace zor
