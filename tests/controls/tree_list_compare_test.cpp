#include "controls/tree_list_compare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Case {
  const char* a;
  const char* b;
  int expected;
};

TEST(TreeListCompare, OrdersByTheNumberOnlyBehindEqualPrefixes) {
  const Case cases[] = {
      {"a9", "a10", -1},   // numbers, not characters, after the same prefix
      {"a10", "a9", 1},
      {"V2", "V10", -1},
      {"a10", "b1", -1},   // different prefixes: alphabetical
      {"b1", "a10", 1},
      {"A1", "a2", -1},    // prefixes differ in case: alphabetical, ignoring case
      {"a2", "A1", 1},
      {"x05", "x5", -1},   // equal numbers: the whole texts decide ("0" < "5")
      {"a", "a1", -1},     // one side without digits: empty run counts as 0
      {"Vh", "vh", 0},     // no digits: case folded
      {"_", "a", -1},      // folding goes to lower case, so "_" (0x5F) < "a"
      {"", "", 0},
      {"", "a", -1},
      {"\xe1", "b", 1},    // bytes above ASCII compare by value
      {"a99999999999999999999", "a1", 1},  // huge numbers saturate, never wrap
  };
  for (const Case& c : cases)
    EXPECT_EQ(zor::compare_tree_list_texts(c.a, c.b), c.expected) << c.a << " vs " << c.b;
}

TEST(TreeListCompare, SortsTheExampleBothWays) {
  std::vector<std::string> texts = {"a10", "b1", "a9"};
  auto ascending = [](const std::string& a, const std::string& b) {
    return zor::compare_tree_list_texts(a, b) < 0;
  };
  std::sort(texts.begin(), texts.end(), ascending);
  EXPECT_EQ(texts, (std::vector<std::string>{"a9", "a10", "b1"}));
  std::sort(texts.begin(), texts.end(),
            [](const std::string& a, const std::string& b) {
              return -zor::compare_tree_list_texts(a, b) < 0;
            });
  EXPECT_EQ(texts, (std::vector<std::string>{"b1", "a10", "a9"}));
}

}  // namespace
