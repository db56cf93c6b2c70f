#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "query/query_hit.h"
#include "query/result_writer.h"
#include "query_test_support.h"

namespace zor {
namespace {

std::string expected_line(std::int64_t duration, const std::string& numbers) {
  return "s1\tH\t" + std::to_string(interval_bound(duration)) + "\t" + std::to_string(duration) + numbers + "\r\n";
}

// A hit's line is the same whatever way its interval and duration are
// made: the durations most hits last are written from texts made once, any
// other one converted as it comes, a sound row's or a word row's numbers
// after them. The lines of several pieces are whole in each.
TEST(SpecificationHits, WriteEveryDurationsLineAlike) {
  const Specification spec = test::sound_spec("s1", "a");
  HitNumberStore sounds, words;
  sounds.add("12", "3", "1");
  words.add(std::nullopt, "7", "2");
  LinePieces pieces;
  SpecificationHits hits(spec, pieces);
  std::string expected;
  // The extremes a row gives, and a sequence of three of the lowest.
  std::vector<std::int64_t> durations = {3 * std::int64_t{INT32_MIN}, INT32_MIN, INT32_MAX};
  for (std::int64_t duration = -20; duration < 5000; ++duration) durations.push_back(duration);
  std::int64_t rounds = 0;
  for (; expected.size() < 2 * LinePieces::kPieceBytes; ++rounds)
    for (std::int64_t duration : durations) {
      hits.add_row(duration, sounds, 0);
      expected += expected_line(duration, ";12;3;1");
      hits.add_row(duration, words, 0);
      expected += expected_line(duration, ";;7;2");
    }
  EXPECT_GT(hits.pieces().size(), 1u);
  for (const TextBuffer& piece : hits.pieces())
    EXPECT_EQ(std::string_view(piece.data(), piece.size()).substr(piece.size() - 2), "\r\n");
  EXPECT_EQ(test::joined_lines(hits), expected);
  EXPECT_EQ(hits.statistics().count(), rounds * 2 * static_cast<std::int64_t>(durations.size()));
}

}  // namespace
}  // namespace zor
