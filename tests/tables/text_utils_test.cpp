#include "tables/text_utils.h"

#include <gtest/gtest.h>

#include <charconv>
#include <climits>
#include <cstring>
#include <random>
#include <vector>
#include <string>

namespace zor {
namespace {

TEST(SameText, TellsEveryByteAndTheLengthApart) {
  for (size_t size = 0; size <= 40; ++size) {
    const std::string text(size, 'x');
    EXPECT_TRUE(same_text(text, std::string(size, 'x'))) << size;
    EXPECT_FALSE(same_text(text, std::string(size + 1, 'x'))) << size;
    for (size_t place = 0; place < size; ++place) {
      std::string other = text;
      other[place] = 'y';
      EXPECT_FALSE(same_text(text, other)) << size << " at " << place;
    }
  }
}

TEST(MoveBytes, MovesLikeMemmoveWhicheverWayTheBytesOverlap) {
  std::string source(64, '\0');
  for (size_t i = 0; i < source.size(); ++i) source[i] = static_cast<char>('A' + i % 50);
  for (size_t count = 0; count <= 40; ++count) {
    for (size_t from = 0; from + count <= 48; from += 3) {
      for (size_t to = 0; to + count <= 48; to += 5) {
        std::string moved = source, expected = source;
        move_bytes(moved.data() + from, moved.data() + to, count);
        std::memmove(expected.data() + to, expected.data() + from, count);
        ASSERT_EQ(moved, expected) << count << " bytes from " << from << " to " << to;
      }
    }
  }
}

TEST(PutCrlf, WritesEachLfAsCrLf) {
  std::string out(32, '.');
  char* end = put_crlf(out.data(), "a\nbc\n\n");
  EXPECT_EQ(std::string(out.data(), end), "a\r\nbc\r\n\r\n");
}

}  // namespace
}  // namespace zor

namespace zor {
namespace {

// Every length a number can have, both sides of each power of ten, the
// ends of the range and the signs, against the library's conversion.
TEST(PutDecimal, WritesWhatToCharsWrites) {
  std::vector<std::int64_t> numbers = {0, 1, 9, INT64_MAX, INT64_MIN, INT64_MIN + 1, -1, -10};
  for (std::int64_t power = 1; power <= INT64_MAX / 10; power *= 10)
    for (std::int64_t near : {power - 1, power, power + 1, 10 * power - 1}) numbers.push_back(near);
  std::mt19937_64 random(7);
  for (int i = 0; i < 1000; ++i) numbers.push_back(static_cast<std::int64_t>(random() >> (i % 60)));
  for (std::int64_t number : numbers) {
    char written[24], expected[24];
    const char* end = put_decimal(written, number);
    const char* expected_end = std::to_chars(expected, expected + sizeof expected, number).ptr;
    EXPECT_EQ(std::string_view(written, static_cast<size_t>(end - written)),
              std::string_view(expected, static_cast<size_t>(expected_end - expected)));
  }
}

}  // namespace
}  // namespace zor
