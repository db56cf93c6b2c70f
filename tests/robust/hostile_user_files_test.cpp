// Hostile specification, connection and label-tree files: each loads at once
// without a crash, with the records noted beside it, and saves back to what
// was loaded.
#include <gtest/gtest.h>

#include "query/connection_list.h"
#include "corpus/label_tree.h"
#include "query/specification_list.h"
#include "support/test_files.h"

namespace zor {
namespace {

using test::ScratchDir;
using test::write_bytes;

class HostileUserFile : public testing::Test {
 protected:
  std::string write(std::string_view bytes) {
    write_bytes(path_, bytes);
    return path_;
  }
  ScratchDir dir_;
  std::string path_ = dir_.file("lista.txt");
  std::string saved_ = dir_.file("saved.txt");
};

TEST_F(HostileUserFile, ASpecificationOfAHundredKilobytesKeepsEveryByte) {
  // A name far beyond the dialog's 1024 bytes is kept as it is; a line
  // without TAB is one record with everything in its last field.
  std::string name(100 << 10, 'n');
  std::string text = name + "\tH\t<V>\t\t\t\t\t\t\t\t\t" + std::string(100 << 10, '\t') + "\r\n" +
                     std::string(100 << 10, 'z') + "\n";
  SpecificationList list;
  ASSERT_TRUE(load_specifications(list, write(text)));
  ASSERT_EQ(list.count(), 2u);
  EXPECT_EQ(list.field(0, SpecField{0}), name);
  EXPECT_EQ(list.field(0, SpecField{11}).size(), size_t{100 << 10});
  EXPECT_EQ(list.field(1, SpecField{11}), std::string(100 << 10, 'z'));
  EXPECT_TRUE(list.field(1, SpecField{0}).empty());

  ASSERT_TRUE(save_specifications(list, saved_));
  SpecificationList reloaded;
  ASSERT_TRUE(load_specifications(reloaded, saved_));
  EXPECT_EQ(reloaded.rows(), list.rows());
}

TEST_F(HostileUserFile, OnlyTabsOrZeroBytesGiveEmptyRecords) {
  SpecificationList specs;
  ASSERT_TRUE(load_specifications(specs, write(std::string(1 << 20, '\t'))));
  ASSERT_EQ(specs.count(), 1u);
  EXPECT_EQ(specs.field(0, SpecField{11}).size(), size_t{(1 << 20) - 11});

  // Every line is cut at its first zero byte.
  ConnectionList connections;
  ASSERT_TRUE(load_connections(connections, write(std::string("a\tb\0\tc\n\0\0\0\n", 11))));
  ASSERT_EQ(connections.count(), 2u);
  EXPECT_EQ(connections.row(0).values, (std::array<std::string, 3>{"a", "", "a\tb"}));
  EXPECT_EQ(connections.row(1).values, (std::array<std::string, 3>{"", "", ""}));
}

TEST_F(HostileUserFile, ADeeplyIndentedLabelTreeLoadsSavesAndIsTornDown) {
  // Each line one TAB deeper than the one before: a chain of 3000 nodes. The
  // walks and the tear-down use no recursion, so depth cannot overflow the
  // stack.
  std::string text;
  constexpr int kDepth = 3000;
  for (int depth = 0; depth < kDepth; ++depth) text += std::string(depth, '\t') + "N\ra\r\n";
  LabelTree tree;
  ASSERT_TRUE(load_label_tree(tree, write(text)));
  EXPECT_EQ(tree.preorder().size(), size_t{kDepth});
  EXPECT_EQ(tree.labels_of_sound("a").size(), size_t{2 * kDepth - 1});
  ASSERT_TRUE(save_label_tree(tree, saved_));
  LabelTree reloaded;
  ASSERT_TRUE(load_label_tree(reloaded, saved_));
  EXPECT_EQ(reloaded.label_names(), tree.label_names());
}

TEST_F(HostileUserFile, ALabelTreeOfCarriageReturnsAndTabsOnlyReusesTheSpaceNode) {
  // Lines without a usable CR take the previous texts, at first one space
  // each; lines of TABs only are nodes too; a line of one CR is an empty line
  // (its CR ends the line) and is skipped.
  LabelTree tree;
  ASSERT_TRUE(load_label_tree(tree, write("\r\r\r\n\t\t\t\n\r\n")));
  std::vector<std::string> names = tree.label_names();
  EXPECT_EQ(names, (std::vector<std::string>{" ", " "}));
  EXPECT_EQ(tree.sound_inventory(), (std::vector<std::string>{" "}));
}

}  // namespace
}  // namespace zor
