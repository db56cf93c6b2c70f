#include "query/specification_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/test_files.h"

namespace zor {
namespace {

using test::read_bytes;
using test::ScratchDir;
using test::write_bytes;

Specification record(std::vector<std::string> fields) {
  Specification spec;
  for (size_t k = 0; k < fields.size(); ++k) spec.fields[k] = std::move(fields[k]);
  return spec;
}

const std::string kAny = "<BARMI>;<BARMI>;<BARMI>";

Specification sound_spec(std::string name) {
  return record({std::move(name), "H", "<V>", kAny, kAny, "BELSO", "> 0", "", "", "BARMENNYI",
                 "BARMENNYI", "BARMENNYI"});
}

Specification word_spec(std::string name) {
  return record({std::move(name), "SZ", "", "", "", "", "= 2", "VESSZO ELOTT", "IGEN", "1", "0",
                 "1 v. TOBB"});
}

TEST(SpecificationFile, WritesElevenTabsPerRecord) {
  ScratchDir dir;
  SpecificationList list;
  list.append(sound_spec("a1"));
  ASSERT_TRUE(save_specifications(list, dir.file("s.txt")));
  EXPECT_EQ(read_bytes(dir.path() / "s.txt"),
            "a1\tH\t<V>\t" + kAny + "\t" + kAny + "\tBELSO\t> 0\t\t\tBARMENNYI\tBARMENNYI\tBARMENNYI\r\n");
}

TEST(SpecificationFile, RoundTripsByteForByte) {
  ScratchDir dir;
  SpecificationList list;
  list.append(sound_spec("a1"));
  list.append(word_spec(" spaced name "));
  list.append(sound_spec("a1"));
  list.append(Specification{});
  list.append(record({"tabs in the last field", "H", "", "", "", "", "", "", "", "", "", "x\ty\t"}));
  ASSERT_TRUE(save_specifications(list, dir.file("s.txt")));
  const std::string bytes = read_bytes(dir.path() / "s.txt");

  SpecificationList loaded;
  loaded.append(word_spec("old"));
  ASSERT_TRUE(load_specifications(loaded, dir.file("s.txt")));
  EXPECT_EQ(loaded.rows(), list.rows());
  EXPECT_EQ(loaded.field(1, kSpecName), " spaced name ");
  ASSERT_TRUE(save_specifications(loaded, dir.file("again.txt")));
  EXPECT_EQ(read_bytes(dir.path() / "again.txt"), bytes);
}

TEST(SpecificationFile, OddLinesFollowTheTabPositionRule) {
  struct Case {
    std::string line;
    std::vector<std::string> fields;
  };
  const Case cases[] = {
      {"", {"", "", "", "", "", "", "", "", "", "", "", ""}},
      {"whole", {"", "", "", "", "", "", "", "", "", "", "", "whole"}},
      {"0\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13",
       {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11\t12\t13"}},
      // After the last TAB is passed, the search starts over from the line's beginning.
      {"a\tb", {"a", "", "a", "", "a", "", "a", "", "a", "", "a", "b"}},
      {"0\t1\t2\t3\t4\t5", {"0", "1", "2", "3", "4", "", "0", "1", "2", "3", "4", "5"}},
      {"\t", {"", "", "", "", "", "", "", "", "", "", "", ""}},
  };
  ScratchDir dir;
  for (const Case& c : cases) {
    write_bytes(dir.path() / "s.txt", c.line + "\r\n");
    SpecificationList list;
    ASSERT_TRUE(load_specifications(list, dir.file("s.txt")));
    ASSERT_EQ(list.count(), 1u) << c.line;
    EXPECT_EQ(list.row(0), record(c.fields)) << c.line;
  }
}

}  // namespace
}  // namespace zor
