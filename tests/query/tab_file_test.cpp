#include "query/tab_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "query/connection_list.h"
#include "query/specification_list.h"
#include "support/test_files.h"

namespace zor {
namespace {

using test::read_bytes;
using test::ScratchDir;
using test::write_bytes;

// The two lists kept in TAB files, with a row of each.
struct Connections {
  using List = ConnectionList;
  static SoundConnection row() { return SoundConnection{{"a", "b", "c"}}; }
  static bool save(const List& list, const std::string& path) {
    return save_connections(list, path);
  }
  static bool load(List& list, const std::string& path) { return load_connections(list, path); }
};

struct Specifications {
  using List = SpecificationList;
  static Specification row() {
    Specification spec;
    spec.fields[0] = "a1";
    spec.fields[1] = "H";
    return spec;
  }
  static bool save(const List& list, const std::string& path) {
    return save_specifications(list, path);
  }
  static bool load(List& list, const std::string& path) {
    return load_specifications(list, path);
  }
};

template <class Kind>
class TabFile : public ::testing::Test {};
using Kinds = ::testing::Types<Connections, Specifications>;
TYPED_TEST_SUITE(TabFile, Kinds);

TYPED_TEST(TabFile, EmptyAndMissingFiles) {
  ScratchDir dir;
  typename TypeParam::List list;
  ASSERT_TRUE(TypeParam::save(list, dir.file("empty.txt")));
  EXPECT_EQ(read_bytes(dir.path() / "empty.txt"), "");

  list.append(TypeParam::row());
  EXPECT_FALSE(TypeParam::load(list, dir.file("missing.txt")));
  EXPECT_EQ(list.count(), 1u);
  ASSERT_TRUE(TypeParam::load(list, dir.file("empty.txt")));
  EXPECT_EQ(list.count(), 0u);
}

TYPED_TEST(TabFile, AFailedSaveKeepsThePreviousFile) {
  ScratchDir dir;
  write_bytes(dir.path() / "list.txt", "old");
  std::filesystem::create_directory(dir.path() / "list.txt.zor-tmp");
  typename TypeParam::List list;
  list.append(TypeParam::row());
  EXPECT_FALSE(TypeParam::save(list, dir.file("list.txt")));
  EXPECT_EQ(read_bytes(dir.path() / "list.txt"), "old");
}

}  // namespace
}  // namespace zor
