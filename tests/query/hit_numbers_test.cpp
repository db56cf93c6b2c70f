#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "query/hit_numbers.h"

namespace zor {
namespace {

// Whatever a field holds, a hit is written with it byte for byte: numbers
// kept as numbers must come back as the same text, everything else as it
// stood, a missing field as "".
TEST(HitNumberStore, GivesBackEveryFieldAsItStood) {
  const std::vector<FieldText> fields = {
      "1", "0", "999999999", "1000000000", "4294967294", "007", "0x1", "-1", "+2", "1.0", "",
      std::nullopt, " 3", "12a", std::string_view("\xE1\x31")};
  HitNumberStore store;
  for (size_t i = 0; i < fields.size(); ++i)
    store.add(fields[i], fields[(i + 1) % fields.size()], fields[(i + 2) % fields.size()]);
  HitNumberStore::Scratch scratch;
  for (size_t i = 0; i < fields.size(); ++i) {
    const HitNumbers numbers = store.get(i, scratch);
    EXPECT_EQ(numbers.sound, fields[i].value_or("")) << i;
    EXPECT_EQ(numbers.word, fields[(i + 1) % fields.size()].value_or("")) << i;
    EXPECT_EQ(numbers.sentence, fields[(i + 2) % fields.size()].value_or("")) << i;
  }
}

}  // namespace
}  // namespace zor
