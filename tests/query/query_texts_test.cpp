#include "query/query_texts.h"

#include <gtest/gtest.h>

#include "query/query_hit.h"

namespace zor {
namespace {

using Parts = std::array<std::string_view, 3>;

TEST(SplitThree, CutsAtTheFirstTwoSemicolons) {
  EXPECT_EQ(split_three("a;b;c"), (Parts{"a", "b", "c"}));
  EXPECT_EQ(split_three("a;b;c;d"), (Parts{"a", "b", "c;d"}));
  EXPECT_EQ(split_three(";;"), (Parts{"", "", ""}));
  // Without a second ";" the third part is the whole text.
  EXPECT_EQ(split_three("a;b"), (Parts{"a", "", "a;b"}));
  EXPECT_EQ(split_three("abc"), (Parts{"", "", "abc"}));
}

TEST(ContextParts, ATextShorterThanFiveBytesHasEmptyParts) {
  EXPECT_EQ(context_parts("a;b;"), (Parts{"", "", ""}));
  EXPECT_EQ(context_parts("a;b;c"), (Parts{"a", "b", "c"}));
  EXPECT_EQ(context_parts(""), (Parts{"", "", ""}));
}

TEST(SoundTarget, FormsAreToldApartByTheFirstByteAndLength) {
  struct Case {
    std::string sound;
    SoundForm form;
    std::string symbol_or_category;
    std::vector<std::string> labels;
  };
  const Case cases[] = {
      {"a", SoundForm::symbol, "a", {}},
      {"<>", SoundForm::symbol, "<>", {}},
      {"[]", SoundForm::symbol, "[]", {}},
      {"<V>", SoundForm::category, "V", {}},
      {"<Vx", SoundForm::category, "V", {}},
      {"[Cr;V;<SEMMI>]", SoundForm::sequence, "", {"Cr", "V"}},
      {"[Cr;<BARMI>;V]", SoundForm::sequence, "", {"Cr", "V"}},
      {"[<BARMI>;<SEMMI>;<BARMI>]", SoundForm::sequence, "", {}},
      {"[V;C;Hang]", SoundForm::sequence, "", {"V", "C", "Hang"}},
      {"[;;V;x]", SoundForm::sequence, "", {"V;x"}},
      {"[;;V;]", SoundForm::sequence, "", {}},
      // An inner text of 4 bytes or less gives no sequence.
      {"[V;Cr]", SoundForm::sequence, "", {}},
      {"[V;C;V]", SoundForm::sequence, "", {"V", "C", "V"}},
  };
  for (const Case& c : cases) {
    SoundTarget target = read_sound_target(c.sound);
    EXPECT_EQ(target.form, c.form) << c.sound;
    if (c.form == SoundForm::symbol) {
      EXPECT_EQ(target.symbol, c.symbol_or_category) << c.sound;
    }
    if (c.form == SoundForm::category) {
      EXPECT_EQ(target.category, c.symbol_or_category) << c.sound;
    }
    EXPECT_EQ(target.labels, c.labels) << c.sound;
  }
}

TEST(SyllableCondition, ReadsOperatorByteAndIntegerFromTheThirdByte) {
  struct Case {
    std::string text;
    double syllables;
    bool holds;
  };
  const Case cases[] = {
      {"", 0, true},       {"", 1, false},      {"= 2", 2, true},   {"= 2", 2.5, false},
      {"> 3", 3, false},   {"> 3", 4, true},    {"< 1", 0, true},   {"< 1", 1, false},
      {"= x", 0, true},    {"=  7z", 7, true},  {"> -2", -1, true}, {"=", 0, true},
      {"! 2", 2, false},   {"= 2.9", 2, true},  {"<= 3", 2, true}, {"> 99999999999", 1e12, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SyllableCondition::read(c.text).holds(c.syllables), c.holds) << c.text << " " << c.syllables;
}

TEST(LongVowels, CountsEachVowelAndTheOthersTogether) {
  LongVowelCounts counts = LongVowelCounts::of("A:bA:E:o:u:U:i:O:a:");
  EXPECT_EQ(counts.a, 2);
  EXPECT_EQ(counts.e, 1);
  EXPECT_EQ(counts.other, 5);
  EXPECT_EQ(LongVowelCounts::of("a:e").a, 0);
}

TEST(LongVowels, CountFieldsHoldForTheirValueOnly) {
  for (int n = 0; n <= 5; ++n) {
    EXPECT_TRUE(a_or_e_count_holds("BARMENNYI", n));
    for (int digit = 0; digit <= 5; ++digit)
      EXPECT_EQ(a_or_e_count_holds(std::to_string(digit), n), digit == n && n <= 4) << digit << n;
  }
  EXPECT_FALSE(a_or_e_count_holds("", 0));
  EXPECT_TRUE(other_long_count_holds("0", 0));
  EXPECT_FALSE(other_long_count_holds("0", 1));
  EXPECT_TRUE(other_long_count_holds("1 v. TOBB", 3));
  EXPECT_FALSE(other_long_count_holds("1 v. TOBB", 0));
  EXPECT_FALSE(other_long_count_holds("1", 1));
}

TEST(IntervalBound, TenMillisecondIntervalsWithZeroInTheFirst) {
  const std::pair<std::int64_t, std::int64_t> cases[] = {{0, 10}, {10, 10}, {11, 20}, {20, 20},
                                                         {1, 10}, {47, 50}, {-5, 10}, {-15, 0}};
  for (auto [duration, bound] : cases) EXPECT_EQ(interval_bound(duration), bound) << duration;
}

Hit hit(std::int64_t duration, std::string_view sound) { return Hit{duration, sound, "w", "m"}; }

TEST(HitStatistics, EarliestExtremesAndTruncatedMean) {
  HitStatistics statistics;
  statistics.add(hit(30, "1"));
  statistics.add(hit(31, "2"));
  statistics.add(hit(31, "3"));
  statistics.add(hit(30, "4"));
  EXPECT_EQ(statistics.count(), 4);
  EXPECT_EQ(statistics.mean(), 30);
  EXPECT_EQ(statistics.minimum().items(), "30;1;w;m");
  EXPECT_EQ(statistics.maximum().items(), "31;2;w;m");
}

TEST(HitStatistics, TheFirstHitSetsBothExtremesWhateverItsSize) {
  HitStatistics statistics;
  statistics.add(hit(12000, "1"));
  statistics.add(hit(15000, "2"));
  EXPECT_EQ(statistics.minimum().items(), "12000;1;w;m");
  EXPECT_EQ(statistics.maximum().items(), "15000;2;w;m");

  HitStatistics negative;
  negative.add(hit(-2147483648LL, "1"));
  negative.add(hit(-2147483648LL, "2"));
  negative.add(hit(-3, "3"));
  EXPECT_EQ(negative.mean(), (-2 * 2147483648LL - 3) / 3);
  EXPECT_EQ(negative.maximum().items(), "-3;3;w;m");
}

}  // namespace
}  // namespace zor
