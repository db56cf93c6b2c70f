#include "corpus/label_tree.h"

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

// One line per node in pre-order: depth TABs, name, "=", content.
std::string outline(const LabelTree& tree) {
  std::string text;
  tree.visit_preorder([&](const LabelNode& node, int depth) {
    text += std::string(static_cast<size_t>(depth), '\t') + node.name + "=" + node.content + "\n";
  });
  return text;
}

LabelTree default_tree() {
  LabelTree tree;
  tree.build_default_tree();
  return tree;
}

LabelNode* find_node(const LabelTree& tree, std::string_view name) {
  for (const LabelNode* node : tree.preorder())
    if (node->name == name) return const_cast<LabelNode*>(node);
  return nullptr;
}

TEST(CommaList, SplitsByTheRuleIncludingTheLeadingCommaQuirk) {
  struct Case {
    std::string_view list;
    std::vector<std::string_view> elements;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a,b,", {"a", "b", ""}},
      {"a,,b", {"a", "", "b"}},
      {",", {","}},
      {",a,b", {",a,b"}},
      {"l,r", {"l", "r"}},
      {"A:", {"A:"}},
  };
  for (const Case& c : cases) EXPECT_EQ(comma_list_elements(c.list), c.elements) << c.list;
}

TEST(CommaList, MembershipIsByteExactOverTheElements) {
  struct Case {
    std::string_view text, list;
    bool member;
  };
  const Case cases[] = {
      {"a", "a,o", true},      {"o", "a,o", true},     {"A", "a,o", false},
      {"a:", "a,a:", true},    {"a", "a:", false},     {"", "a,", true},
      {"", "a,,b", true},      {"", "", false},        {"", "a", false},
      {"a", ",a", false},      {",a", ",a", true},     {"b", ",a,b", false},
      {"a ", "a,b", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(in_comma_list(c.text, c.list), c.member) << '"' << c.text << "\" in \"" << c.list << '"';
}

TEST(DefaultTree, HasTheEightNodesInOrderWithTheRootEmphasised) {
  LabelTree tree = default_tree();
  EXPECT_EQ(tree.label_names(),
            (std::vector<std::string>{"Hang", "C", "Cr", "Ch", "LR", "V", "Vr", "Vh"}));
  ASSERT_EQ(tree.top_level().size(), 1u);
  EXPECT_TRUE(tree.top_level()[0]->emphasised);
  EXPECT_EQ(tree.sound_inventory().size(), 61u);
  EXPECT_EQ(tree.sound_inventory().front(), "_");
  EXPECT_EQ(tree.sound_inventory().back(), "r:");
  EXPECT_EQ(find_node(tree, "LR")->parent, find_node(tree, "C"));
  EXPECT_EQ(find_node(tree, "Vh")->content, "A:,E:,o:,u:,U:,i:,O:");
  for (const LabelNode* node : tree.preorder())
    if (node->parent) {
      EXPECT_FALSE(node->emphasised) << node->name;
    }
}

TEST(EmptyTree, HasNoInventoryNamesOrLabels) {
  LabelTree tree;
  EXPECT_TRUE(tree.is_empty());
  EXPECT_TRUE(tree.sound_inventory().empty());
  EXPECT_TRUE(tree.label_names().empty());
}

TEST(LabelsOfSound, ListsTheMatchingNodesLastFirst) {
  LabelTree tree = default_tree();
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"a", "Vr,V,Hang"}, {"A:", "Vh,V,Hang"}, {"b", "Cr,C,Hang"}, {"l", "LR,Cr,C,Hang"},
      {"l:", "Ch,C,Hang"}, {"_", "Hang"},      {"x", ""},          {"", ""},
  };
  LabelIndex index(tree);
  for (auto [symbol, labels] : cases) {
    EXPECT_EQ(tree.labels_of_sound(symbol), labels) << symbol;
    EXPECT_EQ(index.labels_of(symbol), labels) << symbol;
  }
}

TEST(LabelsOfSound, FollowsEditsDuplicatesAndEmptyElements) {
  LabelTree tree = default_tree();
  tree.add_node(find_node(tree, "V"), "Vx", "a");
  tree.add_node(nullptr, "Vr", "a,a");
  tree.add_node(nullptr, "", "a");
  tree.add_node(nullptr, "E", "q,,");
  // The unnamed node still adds its separator.
  EXPECT_EQ(tree.labels_of_sound("a"), ",Vr,Vx,Vr,V,Hang");
  EXPECT_EQ(tree.labels_of_sound(""), "E");
  LabelIndex index(tree);
  for (std::string_view symbol : {"a", "", "q", "b", "zz"})
    EXPECT_EQ(index.labels_of(symbol), tree.labels_of_sound(symbol)) << symbol;

  LabelTree unnamed_first;
  unnamed_first.add_node(nullptr, "", "a");
  unnamed_first.add_node(nullptr, "", "a");
  unnamed_first.add_node(nullptr, "B", "a");
  EXPECT_EQ(unnamed_first.labels_of_sound("a"), "B");
  EXPECT_EQ(LabelIndex(unnamed_first).labels_of("a"), "B");
}

// Short symbols are found by their packed bytes, long ones by their text:
// both must find exactly the tree's answer, whatever the bytes and lengths,
// and no symbol may be taken for another that shares its first bytes.
TEST(LabelsOfSound, TheIndexAgreesWithTheTreeForSymbolsOfEveryLength) {
  LabelTree tree = default_tree();
  std::vector<std::string> symbols;
  for (int i = 0; i < 300; ++i) {
    std::string symbol(static_cast<size_t>(1 + i % 12), 'a');
    for (size_t k = 0; k < symbol.size(); ++k) symbol[k] = static_cast<char>((i * 37 + static_cast<int>(k) * 101) % 256);
    if (symbol.find(',') != std::string::npos) continue;
    symbols.push_back(symbol);
    tree.add_node(nullptr, "N" + std::to_string(i % 7), symbol);
  }
  const LabelIndex index(tree);
  for (const std::string& symbol : symbols) {
    EXPECT_EQ(index.labels_of(symbol), tree.labels_of_sound(symbol));
    for (const std::string& other : {symbol + '\0', symbol.substr(0, symbol.size() - 1), symbol + 'x'})
      EXPECT_EQ(index.labels_of(other), tree.labels_of_sound(other));
  }
}

TEST(Editing, AddsAsLastChildChangesAndRemovesWholeSubtrees) {
  LabelTree tree = default_tree();
  LabelNode* v = find_node(tree, "V");
  LabelNode* added = tree.add_node(v, "Vx", "a,o");
  EXPECT_EQ(added->parent, v);
  EXPECT_EQ(v->children.back().get(), added);

  tree.change_node(*added, "Vy", "e");
  EXPECT_EQ(added->name, "Vy");
  EXPECT_EQ(added->content, "e");

  tree.remove_node(*find_node(tree, "C"));
  EXPECT_EQ(tree.label_names(), (std::vector<std::string>{"Hang", "V", "Vr", "Vh", "Vy"}));

  tree.clear();
  EXPECT_TRUE(tree.is_empty());
}

TEST(LabelTreeFile, SavesTheDefaultTreeByteForByteAndReadsItBack) {
  ScratchDir dir;
  LabelTree tree = default_tree();
  ASSERT_TRUE(save_label_tree(tree, dir.file("tree.txt")));

  std::string expected;
  tree.visit_preorder([&](const LabelNode& node, int depth) {
    expected += std::string(static_cast<size_t>(depth), '\t') + node.name + "\r" + node.content + "\r\n";
  });
  std::string bytes = read_bytes(dir.path() / "tree.txt");
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(bytes.substr(bytes.find('\n') + 1, 4), "\tC\rb");

  LabelTree loaded;
  ASSERT_TRUE(load_label_tree(loaded, dir.file("tree.txt")));
  EXPECT_EQ(outline(loaded), outline(tree));
  for (const LabelNode* node : loaded.preorder()) EXPECT_FALSE(node->emphasised);

  ASSERT_TRUE(save_label_tree(loaded, dir.file("again.txt")));
  EXPECT_EQ(read_bytes(dir.path() / "again.txt"), bytes);
}

TEST(LabelTreeFile, LoadingPlacesLinesByTheirIndentation) {
  struct Case {
    const char* what;
    std::string file;
    std::string outline;
  };
  const Case cases[] = {
      {"first line sets the base indent", "\t\tA\ra\r\n\t\t\tB\rb\r\n", "A=a\n\tB=b\n"},
      {"fewer TABs than the first line", "\t\tA\ra\r\n\t\t\tB\rb\r\n\tC\rc\r\n", "A=a\n\tB=b\nC=c\n"},
      {"much deeper goes one level down", "A\ra\r\n\t\t\tB\rb\r\n\t\t\tC\rc\r\n",
       "A=a\n\tB=b\n\t\tC=c\n"},
      {"a shallower line climbs to its own level",
       "A\ra\r\n\tB\rb\r\n\t\tC\rc\r\n\t\t\tD\rd\r\n\tE\re\r\nF\rf\r\n",
       "A=a\n\tB=b\n\t\tC=c\n\t\t\tD=d\n\tE=e\nF=f\n"},
      {"no CR repeats the previous texts", "A\ra\r\n\tplain\r\n", "A=a\n\tA=a\n"},
      {"no CR at first gives single spaces", "plain\r\n\tB\rb\r\n", " = \n\tB=b\n"},
      {"CR first on a top-level line", "A\ra\r\n\rz\r\n", "A=a\nA=a\n"},
      {"empty name below the top", "A\ra\r\n\t\rz\r\n", "A=a\n\t=z\n"},
      {"empty lines are skipped", "\r\nA\ra\r\n\r\n\n\tB\rb\n", "A=a\n\tB=b\n"},
      {"a CR in the content stays", "A\ra\rb\r\n", "A=a\rb\n"},
      {"several top-level nodes", "A\ra\r\nB\rb\r\n", "A=a\nB=b\n"},
  };
  ScratchDir dir;
  for (const Case& c : cases) {
    write_bytes(dir.path() / "in.txt", c.file);
    LabelTree tree = default_tree();
    ASSERT_TRUE(load_label_tree(tree, dir.file("in.txt"))) << c.what;
    EXPECT_EQ(outline(tree), c.outline) << c.what;
  }
}

TEST(LabelTreeFile, AnEmptyFileEmptiesTheTreeAndAMissingOneChangesNothing) {
  ScratchDir dir;
  LabelTree tree = default_tree();
  EXPECT_FALSE(load_label_tree(tree, dir.file("missing.txt")));
  EXPECT_EQ(outline(tree), outline(default_tree()));

  write_bytes(dir.path() / "empty.txt", "");
  EXPECT_TRUE(load_label_tree(tree, dir.file("empty.txt")));
  EXPECT_TRUE(tree.is_empty());
}

TEST(LabelTreeFile, AFailedSaveKeepsThePreviousFile) {
  ScratchDir dir;
  write_bytes(dir.path() / "tree.txt", "old");
  // The temporary beside the target cannot be created when a folder holds its name.
  std::filesystem::create_directory(dir.path() / "tree.txt.zor-tmp");
  EXPECT_FALSE(save_label_tree(default_tree(), dir.file("tree.txt")));
  EXPECT_EQ(read_bytes(dir.path() / "tree.txt"), "old");
  EXPECT_FALSE(save_label_tree(default_tree(), dir.file("missing/tree.txt")));
}

TEST(LabelTree, AVeryDeepTreeIsWalkedAndDestroyedWithoutRecursion) {
  const auto build_chain = [](LabelTree& tree, LabelNode* top) {
    for (int i = 0; i < 500000; ++i) top = tree.add_node(top, "n", "a");
  };
  LabelTree tree;
  build_chain(tree, nullptr);
  EXPECT_EQ(tree.label_names().size(), 500000u);
  EXPECT_EQ(tree.labels_of_sound("a").size(), 2 * 500000u - 1);
  LabelNode* root = tree.top_level().front().get();
  tree.remove_node(*root->children.front());
  EXPECT_EQ(tree.label_names().size(), 1u);
  build_chain(tree, root);  // left for the destructor
}

}  // namespace
}  // namespace zor
