#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "query/query_hit.h"

namespace zor {
namespace {

// The statistics of a walk found in two parts are those of the whole walk,
// wherever it is cut: equal extremes keep the earliest hit.
TEST(HitStatistics, TwoPartsAddUpToTheWhole) {
  const std::vector<std::int64_t> durations = {50, 20, 90, 20, 90, -5, 300, -5, 300, 40};
  std::vector<std::string> numbers;
  for (size_t k = 0; k < durations.size(); ++k) numbers.push_back(std::to_string(k + 1));
  auto statistics_of = [&](size_t from, size_t to) {
    HitStatistics statistics;
    for (size_t k = from; k < to; ++k) statistics.add(Hit{durations[k], numbers[k], "1", "1"});
    return statistics;
  };
  const HitStatistics whole = statistics_of(0, durations.size());
  for (size_t cut = 0; cut <= durations.size(); ++cut) {
    HitStatistics parts = statistics_of(0, cut);
    parts.add_later(statistics_of(cut, durations.size()));
    EXPECT_EQ(parts.count(), whole.count()) << cut;
    EXPECT_EQ(parts.mean(), whole.mean()) << cut;
    EXPECT_EQ(parts.minimum().items(), whole.minimum().items()) << cut;
    EXPECT_EQ(parts.maximum().items(), whole.maximum().items()) << cut;
  }
  EXPECT_EQ(whole.minimum().items(), "-5;6;1;1");
  EXPECT_EQ(whole.maximum().items(), "300;7;1;1");
}

}  // namespace
}  // namespace zor
