#include "tables/text_matcher.h"

#include <gtest/gtest.h>

#include <string>

namespace zor {
namespace {

struct WildcardCase {
  const char* pattern;
  const char* text;
  bool matches;
};

class Wildcard : public testing::TestWithParam<WildcardCase> {};

TEST_P(Wildcard, MatchesInOneWalkWithoutBacktracking) {
  TextMatcher matcher;
  matcher.pattern_mode = true;
  const WildcardCase& c = GetParam();
  EXPECT_EQ(matcher.match(c.pattern, c.text), c.matches)
      << "pattern '" << c.pattern << "' text '" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Wildcard,
    testing::Values(
        // Plain bytes and the whole text.
        WildcardCase{"", "", true}, WildcardCase{"", "a", false}, WildcardCase{"ab", "ab", true},
        WildcardCase{"ab", "abc", false}, WildcardCase{"abc", "ab", false},
        WildcardCase{"ab", "aB", false},
        // "?" and "#".
        WildcardCase{"a?c", "abc", true}, WildcardCase{"a?", "a", false},
        WildcardCase{"#", "7", true}, WildcardCase{"#", "x", false}, WildcardCase{"#", "", false},
        // "*" takes the first occurrence of the next byte.
        WildcardCase{"*", "", true}, WildcardCase{"*", "anything", true},
        WildcardCase{"a*", "abc", true}, WildcardCase{"*c", "abc", true},
        WildcardCase{"*c", "acbc", false}, WildcardCase{"*b*", "abcb", true},
        WildcardCase{"*x", "abc", false}, WildcardCase{"a*c", "ac", true},
        // The "*" and "?" run after a "*" needs that many bytes.
        WildcardCase{"a*?", "a", false}, WildcardCase{"a*?", "ab", true},
        WildcardCase{"**", "", false}, WildcardCase{"**", "x", true},
        WildcardCase{"*?c", "c", false}, WildcardCase{"*?c", "xc", true},
        WildcardCase{"*??c", "xcxc", false},
        // "*" before "#" skips to the first digit.
        WildcardCase{"*#", "ab1", true}, WildcardCase{"*#", "abc", false},
        WildcardCase{"*#", "a12", false}, WildcardCase{"*?#", "1", false},
        // After "*" the next byte is literal, brackets included.
        WildcardCase{"*[", "ab[", true}, WildcardCase{"*]", "x]", true},
        WildcardCase{"*?", "", false},
        // Sets and ranges.
        WildcardCase{"[a-c]x", "bx", true}, WildcardCase{"[!a-c]x", "bx", false},
        WildcardCase{"[!a-c]x", "dx", true}, WildcardCase{"[abc]", "c", true},
        WildcardCase{"[abc]", "d", false}, WildcardCase{"[]", "a", false},
        WildcardCase{"[]", "", false}, WildcardCase{"[!]", "a", true},
        WildcardCase{"[!!]", "!", true}, WildcardCase{"[a!]", "!", true},
        WildcardCase{"[a!]", "b", false}, WildcardCase{"[-a]", "-", true},
        WildcardCase{"[a-]", "-", false}, WildcardCase{"[a-]", "a", true},
        WildcardCase{"[c-a]", "b", false}, WildcardCase{"[c-a]", "c", true},
        WildcardCase{"[a-c-e]", "d", true}, WildcardCase{"[ab-d]", "c", true},
        // A range counts from one above its last single member.
        WildcardCase{"[za-c]", "b", true}, WildcardCase{"[a-c-e]", "a", true},
        // An unterminated set only defines the set; "]" alone tests it.
        WildcardCase{"[ab", "", true}, WildcardCase{"[ab", "a", false},
        WildcardCase{"[xy]]", "yx", true}, WildcardCase{"[xy]]", "yz", false},
        WildcardCase{"]", "a", false},
        // High bytes compare as unsigned values.
        WildcardCase{"[\x80-\xff]", "\xe1", true}, WildcardCase{"[!\x80-\xff]", "\xe1", false},
        WildcardCase{"[\xff-\x01]", "\x01", false}));

TEST(TextMatcher, TheLastSetStaysForTheNextCall) {
  TextMatcher matcher;
  matcher.pattern_mode = true;
  EXPECT_FALSE(matcher.match("]", "a"));  // a fresh matcher's set is empty
  EXPECT_TRUE(matcher.match("[!a]", "b"));
  EXPECT_TRUE(matcher.match("]", "c"));
  EXPECT_FALSE(matcher.match("]", "a"));
  EXPECT_TRUE(matcher.match("[a]", "a"));
  EXPECT_FALSE(matcher.match("]", "c"));  // a new set is not negated
}

TEST(TextMatcher, EqualityModeIgnoresWildcards) {
  TextMatcher matcher;
  EXPECT_TRUE(matcher.match("a*", "a*"));
  EXPECT_FALSE(matcher.match("a*", "ab"));
  EXPECT_FALSE(matcher.match("a", "A"));
}

TEST(TextMatcher, SpacesAndCaseAreDroppedFromCopiesOnly) {
  TextMatcher matcher;
  matcher.keep_spaces = false;
  matcher.case_sensitive = false;
  std::string first = "a b";
  std::string second = "AB ";
  EXPECT_TRUE(matcher.match(first, second));
  EXPECT_EQ(first, "a b");
  EXPECT_EQ(second, "AB ");
  matcher.pattern_mode = true;
  EXPECT_TRUE(matcher.match("x *", "X Y Z"));
  EXPECT_FALSE(matcher.match("a\tb", "ab"));  // only the space byte goes
}

TEST(TextMatcher, TextsEndAtTheirFirstZeroByte) {
  TextMatcher matcher;
  matcher.pattern_mode = true;
  EXPECT_TRUE(matcher.match(std::string_view("ab\0c", 4), "ab"));
  EXPECT_TRUE(matcher.match("a?", std::string_view("ab\0cd", 5)));
}

}  // namespace
}  // namespace zor
