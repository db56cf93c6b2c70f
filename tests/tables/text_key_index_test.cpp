#include "tables/text_key_index.h"

#include <gtest/gtest.h>

#include <string>
#include <unordered_map>
#include <vector>

namespace zor {
namespace {

// Keys that stress the hash and the comparison: the empty text, NUL bytes,
// long texts that differ only after their first eight bytes or only in
// length, and short ones that differ in one byte, at each place.
std::vector<std::string> awkward_keys(int count) {
  std::vector<std::string> keys{"", std::string(1, '\0'), std::string(2, '\0')};
  for (size_t size = 1; size <= 17; ++size) {
    for (size_t place = 0; place < size; ++place) {
      keys.push_back(std::string(size, 'x'));
      keys.back()[place] = 'y';
    }
  }
  for (int i = 0; i < count; ++i) {
    keys.push_back("sound label list " + std::to_string(i));
    keys.push_back(std::to_string(i));
    keys.push_back(std::string(static_cast<size_t>(i % 17), 'a'));
  }
  return keys;
}

TEST(TextKeyIndex, GivesEveryDistinctTextOneIdInFirstSeenOrder) {
  const std::vector<std::string> keys = awkward_keys(5000);
  TextKeyIndex index;
  std::unordered_map<std::string, std::uint32_t> expected;
  for (const std::string& key : keys) {
    auto [id, added] = index.insert(key);
    auto [at, fresh] = expected.emplace(key, static_cast<std::uint32_t>(expected.size()));
    ASSERT_EQ(added, fresh) << key;
    ASSERT_EQ(id, at->second) << key;
  }
  ASSERT_EQ(index.size(), expected.size());
  for (const auto& [key, id] : expected) {
    EXPECT_EQ(index.find(key), id);
    EXPECT_EQ(index.key(id), key);
  }
}

TEST(TextKeyIndex, FindsNothingForATextNeverAdded) {
  TextKeyIndex empty;
  EXPECT_EQ(empty.find(""), TextKeyIndex::kNone);

  const std::vector<std::string> keys = awkward_keys(100);
  TextKeyIndex index;
  for (const std::string& key : keys) index.insert(key);
  EXPECT_EQ(index.find("sound label list 100"), TextKeyIndex::kNone);
  EXPECT_EQ(index.find(std::string(3, '\0')), TextKeyIndex::kNone);
  EXPECT_EQ(index.find(std::string(17, 'a')), TextKeyIndex::kNone);
}

}  // namespace
}  // namespace zor
