#include "query/duration_statistics.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zor {
namespace {

// Type 7: the value at h = (n - 1) p between the order statistics around it.
double quantile(const std::vector<double>& sorted, double p) {
  const double h = static_cast<double>(sorted.size() - 1) * p;
  const auto below = static_cast<size_t>(std::floor(h));
  const size_t above = std::min(below + 1, sorted.size() - 1);
  return sorted[below] + (h - static_cast<double>(below)) * (sorted[above] - sorted[below]);
}

}  // namespace

DurationStatistics duration_statistics(std::span<const double> durations) {
  DurationStatistics s;
  s.n = durations.size();
  if (s.n == 0) return s;
  std::vector<double> sorted(durations.begin(), durations.end());
  std::sort(sorted.begin(), sorted.end());
  double sum = 0;
  for (double d : sorted) sum += d;
  s.mean = sum / static_cast<double>(s.n);
  if (s.n > 1) {
    // Two passes: the deviations from the mean, not sums of squares, so that
    // long durations of small spread lose no digits.
    double squares = 0;
    for (double d : sorted) squares += (d - s.mean) * (d - s.mean);
    s.sd = std::sqrt(squares / static_cast<double>(s.n - 1));
    s.has_sd = true;
    s.has_cv = s.mean != 0;
    if (s.has_cv) s.cv = s.sd / s.mean;
  }
  s.median = quantile(sorted, 0.5);
  s.q1 = quantile(sorted, 0.25);
  s.q3 = quantile(sorted, 0.75);
  s.min = sorted.front();
  s.max = sorted.back();
  return s;
}

}  // namespace zor
