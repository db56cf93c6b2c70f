#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "query/hit_numbers.h"

namespace zor {
namespace {

std::string crlf_of(std::string_view text) {
  std::string line;
  for (char c : text) c == '\n' ? line.append("\r\n") : line.append(1, c);
  return line;
}

// Whatever a field holds, a hit is written with it byte for byte: the rows
// kept in a slot and the ones kept elsewhere (too long, a ";" or an LF in a
// field) must come back as they stood, a missing field as "", and a second
// store's rows after the first's.
TEST(HitNumberStore, GivesBackAndWritesEveryFieldAsItStood) {
  const std::vector<FieldText> fields = {"1", "0", "999999999", "1000000000", "4294967294", "007", "0x1",
                                         "-1", "+2", "1.0", "", std::nullopt, " 3", "12a",
                                         std::string_view("\xE1\x31"), "1;2", "a\nb", "12345678901234567890"};
  auto field = [&](size_t i) { return fields[i % fields.size()]; };
  HitNumberStore first, second;
  for (size_t i = 0; i < fields.size(); ++i) {
    HitNumberStore& store = i < fields.size() / 2 ? first : second;
    store.add(field(i), field(i + 1), field(i + 2));
  }
  first.append(std::move(second));
  for (size_t i = 0; i < fields.size(); ++i) {
    const HitNumbers numbers = first.get(i);
    EXPECT_EQ(numbers.sound, field(i).value_or("")) << i;
    EXPECT_EQ(numbers.word, field(i + 1).value_or("")) << i;
    EXPECT_EQ(numbers.sentence, field(i + 2).value_or("")) << i;
    std::string line(first.room_for(i), '\0');
    line.resize(static_cast<size_t>(first.put(line.data(), i) - line.data()));
    EXPECT_EQ(line, crlf_of(";" + std::string(numbers.sound) + ";" + std::string(numbers.word) + ";" +
                            std::string(numbers.sentence)))
        << i;
  }
}

}  // namespace
}  // namespace zor
