#include "query/connection_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "corpus/label_tree.h"
#include "support/test_files.h"

namespace zor {
namespace {

using test::read_bytes;
using test::ScratchDir;
using test::write_bytes;

SoundConnection connection(std::string a, std::string b, std::string c) {
  return SoundConnection{{std::move(a), std::move(b), std::move(c)}};
}

LabelTree default_tree() {
  LabelTree tree;
  tree.build_default_tree();
  return tree;
}

TEST(ConnectionChoices, OfferAnyNoneAndTheLabelNamesOfTheRefresh) {
  ConnectionList list;
  LabelTree tree = default_tree();
  ASSERT_TRUE(list.refresh_choices(tree));
  EXPECT_EQ(list.choice_entries(), (std::vector<std::string>{"<BARMI>", "<SEMMI>", "Hang", "C", "Cr",
                                                             "Ch", "LR", "V", "Vr", "Vh"}));
  EXPECT_EQ(connection(list.value_of_choice(1), list.value_of_choice(0), list.value_of_choice(7)),
            connection("<SEMMI>", "<BARMI>", "V"));
  for (int outside : {-1, 10, 1000}) EXPECT_EQ(list.value_of_choice(outside), "") << outside;

  // Later edits of the tree reach the choices only through a refresh.
  tree.change_node(*tree.top_level()[0]->children[1], "W", "a");
  EXPECT_EQ(list.value_of_choice(7), "V");
  ASSERT_TRUE(list.refresh_choices(tree));
  EXPECT_EQ(list.value_of_choice(7), "W");
}

TEST(ConnectionChoices, AnEmptyTreeLeavesTheChoicesAsTheyWere) {
  ConnectionList list;
  EXPECT_FALSE(list.refresh_choices(LabelTree{}));
  EXPECT_TRUE(list.choice_entries().empty());
  EXPECT_EQ(list.value_of_choice(-1), "");

  ASSERT_TRUE(list.refresh_choices(default_tree()));
  EXPECT_FALSE(list.refresh_choices(LabelTree{}));
  EXPECT_EQ(list.choice_entries().size(), 10u);
  EXPECT_EQ(list.value_of_choice(9), "Vh");
}

TEST(ConnectionText, JoinsTheValuesBySemicolonsEvenWhenEmpty) {
  ConnectionList list;
  list.append(connection("<BARMI>", "V", "<SEMMI>"));
  list.append(connection("", "", "Cr"));
  list.append(connection("", "", ""));
  EXPECT_EQ(list.connection_texts(), (std::vector<std::string>{"<BARMI>;V;<SEMMI>", ";;Cr", ";;"}));
}

TEST(ConnectionFile, RoundTripsByteForByte) {
  ScratchDir dir;
  ConnectionList list;
  list.append(connection("<BARMI>", "V", "<SEMMI>"));
  list.append(connection("Cr", "", "Vh"));
  list.append(connection("<BARMI>", "V", "<SEMMI>"));
  list.append(connection("", "", ""));
  ASSERT_TRUE(save_connections(list, dir.file("c.txt")));
  const std::string bytes = read_bytes(dir.path() / "c.txt");
  EXPECT_EQ(bytes, "<BARMI>\tV\t<SEMMI>\r\nCr\t\tVh\r\n<BARMI>\tV\t<SEMMI>\r\n\t\t\r\n");

  ConnectionList loaded;
  loaded.append(connection("old", "old", "old"));
  ASSERT_TRUE(load_connections(loaded, dir.file("c.txt")));
  EXPECT_EQ(loaded.rows(), list.rows());
  ASSERT_TRUE(save_connections(loaded, dir.file("again.txt")));
  EXPECT_EQ(read_bytes(dir.path() / "again.txt"), bytes);
}

TEST(ConnectionFile, OddLinesFollowTheTabPositions) {
  struct Case {
    std::string line;
    SoundConnection row;
  };
  const Case cases[] = {
      {"", connection("", "", "")},
      {"V", connection("", "", "V")},
      {"a\tb", connection("a", "", "a\tb")},
      {"a\tb\tc\td\t", connection("a", "b", "c\td\t")},
      {"\t\t", connection("", "", "")},
      {"a\rb\tc\td", connection("a\rb", "c", "d")},
  };
  ScratchDir dir;
  for (const Case& c : cases) {
    write_bytes(dir.path() / "c.txt", c.line + "\n");
    ConnectionList list;
    ASSERT_TRUE(load_connections(list, dir.file("c.txt")));
    ASSERT_EQ(list.count(), 1u) << c.line;
    EXPECT_EQ(list.row(0), c.row) << c.line;
  }
}

}  // namespace
}  // namespace zor
