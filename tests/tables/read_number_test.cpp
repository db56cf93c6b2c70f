#include <gtest/gtest.h>

#include <cmath>
#include <string_view>
#include <utility>

#include "tables/text_table.h"

namespace zor {
namespace {

struct NumberCase {
  const char* text;
  double value;
};

class ReadNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(ReadNumber, ReadsTheLongestDecimalPrefix) {
  EXPECT_EQ(read_number(GetParam().text), GetParam().value) << "'" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadNumber,
    testing::Values(NumberCase{"", 0}, NumberCase{"12", 12}, NumberCase{"  \t\n-7", -7},
                    NumberCase{"+3.25", 3.25}, NumberCase{"2.0", 2}, NumberCase{".5", 0.5},
                    NumberCase{"5.", 5}, NumberCase{".", 0}, NumberCase{"-", 0},
                    NumberCase{"-.5x", -0.5}, NumberCase{"1e3", 1000}, NumberCase{"1E-2", 0.01},
                    NumberCase{"1e", 1}, NumberCase{"1e+", 1}, NumberCase{"2e+1x", 20},
                    NumberCase{"12abc", 12}, NumberCase{"1,5", 1}, NumberCase{"1.2.3", 1.2},
                    NumberCase{"0x1A", 0}, NumberCase{"inf", 0}, NumberCase{"nan", 0},
                    NumberCase{"- 1", 0}, NumberCase{"--1", 0}, NumberCase{"1e-400", 0},
                    NumberCase{"0e999999999999999", 0},
                    NumberCase{"00000000000000000000000000012.5", 12.5}, NumberCase{"0", 0},
                    NumberCase{"007", 7}, NumberCase{"999999999", 999999999},
                    NumberCase{"9999999999", 9999999999.0}, NumberCase{"12e3", 12000},
                    NumberCase{"12.", 12}, NumberCase{"12 ", 12}));

TEST(ReadNumberRange, OverflowGivesInfinityWithItsSign) {
  EXPECT_EQ(read_number("1e400"), HUGE_VAL);
  EXPECT_EQ(read_number("-1e999999999999999"), -HUGE_VAL);
  EXPECT_EQ(read_number("0.0001e309"), 1e305);
}

}  // namespace
}  // namespace zor

namespace zor {
namespace {

// A key numbers a row only as the plain decimal of a positive int: both
// sides of nine and ten digits, and every way to fall short of it.
TEST(CanonicalNumber, ReadsOnlyThePlainDecimalOfAPositiveInt) {
  const std::pair<std::string_view, int> cases[] = {
      {"1", 1},          {"42", 42},        {"123456789", 123456789}, {"999999999", 999999999},
      {"1000000000", 1000000000},           {"2147483647", 2147483647}, {"2147483648", 0},
      {"9999999999", 0}, {"12345678901", 0}, {"0", 0},   {"01", 0},   {"", 0},
      {"-1", 0},         {"+1", 0},          {" 1", 0},  {"1 ", 0},   {"12a", 0},
      {"1.0", 0},        {"1e3", 0},         {"12345678a", 0},         {"123456789a", 0}};
  for (auto [text, number] : cases) EXPECT_EQ(canonical_number(text), number) << text;
}

}  // namespace
}  // namespace zor
