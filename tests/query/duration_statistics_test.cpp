// The statistics against values computed independently (Python's statistics
// module: mean, stdev, quantiles with method "inclusive", which is R's type 7).
#include "query/duration_statistics.h"

#include <gtest/gtest.h>

#include <vector>

namespace zor {
namespace {

struct Expected {
  const char* name;
  std::vector<double> durations;
  double mean, sd, q1, median, q3, min, max, cv;
  bool has_sd;
};

TEST(DurationStatistics, MatchAnIndependentComputation) {
  const Expected cases[] = {
      {"one hit", {10}, 10, 0, 10, 10, 10, 10, 10, 0, false},
      {"two hits", {20, 10}, 15, 7.0710678118654755, 12.5, 15, 17.5, 10, 20, 0.4714045207910317, true},
      {"odd count", {5, 1, 4, 2, 3}, 3, 1.5811388300841898, 2, 3, 4, 1, 5, 0.5270462766947299, true},
      {"even count", {4, 3, 2, 1}, 2.5, 1.2909944487358056, 1.75, 2.5, 3.25, 1, 4, 0.5163977794943222, true},
      {"ties", {5, 5, 5, 5}, 5, 0, 5, 5, 5, 5, 5, 0, true},
      {"one long outlier", {50, 900, 52, 51, 53, 55}, 193.5, 346.11717669020703, 51.25, 52.5, 54.5, 50,
       900, 1.788719259380915, true},
  };
  for (const Expected& c : cases) {
    SCOPED_TRACE(c.name);
    DurationStatistics s = duration_statistics(c.durations);
    EXPECT_EQ(s.n, c.durations.size());
    EXPECT_DOUBLE_EQ(s.mean, c.mean);
    EXPECT_EQ(s.has_sd, c.has_sd);
    EXPECT_EQ(s.has_cv, c.has_sd);
    if (c.has_sd) {
      EXPECT_NEAR(s.sd, c.sd, 1e-12);
      EXPECT_NEAR(s.cv, c.cv, 1e-12);
    }
    EXPECT_DOUBLE_EQ(s.q1, c.q1);
    EXPECT_DOUBLE_EQ(s.median, c.median);
    EXPECT_DOUBLE_EQ(s.q3, c.q3);
    EXPECT_EQ(s.min, c.min);
    EXPECT_EQ(s.max, c.max);
  }
}

TEST(DurationStatistics, NoHitsAndAZeroMeanGiveNoRatio) {
  EXPECT_EQ(duration_statistics({}).n, 0u);
  const std::vector<double> zeros = {0, 0, 0};
  DurationStatistics s = duration_statistics(zeros);
  EXPECT_TRUE(s.has_sd);
  EXPECT_FALSE(s.has_cv);
}

}  // namespace
}  // namespace zor
