#include "wizard/element_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>

#include "wizard/element_dialog_lists.h"

namespace {

using Symbols = std::vector<std::string>;

TEST(ElementDialogLists, LeaveOutTheFirstEqualParentSymbolForEachElementSymbol) {
  struct Case {
    const char* element;
    const char* parent;
    Symbols expected_element;
    Symbols expected_parent;
  };
  const Case cases[] = {
      {"", "a,b,c", {}, {"a", "b", "c"}},             // a new element
      {"b", "a,b,c", {"b"}, {"a", "c"}},
      {"b", "b,a,b", {"b"}, {"a", "b"}},              // only the first equal one goes
      {"x,a", "a,b", {"x", "a"}, {"b"}},              // symbols the parent lacks stay
      {"a,b", "", {"a", "b"}, {}},                    // a top-level node
      {",a", "a,,b", {",a"}, {"a", "", "b"}},         // the comma list rule, quirks included
  };
  for (const Case& c : cases) {
    zor::ElementLists lists = zor::element_dialog_lists(c.element, c.parent);
    EXPECT_EQ(lists.element, c.expected_element) << c.element << " / " << c.parent;
    EXPECT_EQ(lists.parent, c.expected_parent) << c.element << " / " << c.parent;
  }
}

TEST(ElementContent, TrimsEntriesDropsEmptyOnesAndJoinsByCommas) {
  EXPECT_EQ(zor::element_content({"a", "o", ""}), "a,o");
  EXPECT_EQ(zor::element_content({" a ", "  ", "b"}), "a,b");
  EXPECT_EQ(zor::element_content({}), "");
  // A TAB, CR or LF would break the label-tree file: each becomes a blank.
  EXPECT_EQ(zor::element_content({"a\tb", "c\r", "\n"}), "a b,c");
}

class ElementDialogTest : public testing::Test {
 protected:
  ElementDialog dialog{ElementDialog::Mode::kModify, "Vr", "a,o", "A:,a,o,e"};
};

TEST_F(ElementDialogTest, FillsTheNameAndBothLists) {
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Elem módosítása"));
  EXPECT_EQ(dialog.name_edit().text(), QStringLiteral("Vr"));
  EXPECT_EQ(dialog.element_entries(), (Symbols{"a", "o"}));
  EXPECT_EQ(dialog.parent_entries(), (Symbols{"A:", "e"}));
}

TEST_F(ElementDialogTest, ArrowsMoveTheSelectedEntryToTheEndOfTheOtherList) {
  dialog.parent_list().setCurrentRow(0);
  dialog.move_to_element();
  EXPECT_EQ(dialog.element_entries(), (Symbols{"a", "o", "A:"}));
  EXPECT_EQ(dialog.parent_entries(), (Symbols{"e"}));
  dialog.element_list().setCurrentRow(0);
  dialog.move_to_parent();
  EXPECT_EQ(dialog.element_entries(), (Symbols{"o", "A:"}));
  EXPECT_EQ(dialog.parent_entries(), (Symbols{"e", "a"}));
  // Without a selected entry nothing moves.
  dialog.move_to_parent();
  dialog.move_to_element();
  EXPECT_EQ(dialog.element_entries(), (Symbols{"o", "A:"}));
  EXPECT_EQ(dialog.parent_entries(), (Symbols{"e", "a"}));
}

TEST(ElementDialog, MovesSymbolsOfAnyLengthAndAnyByte) {
  std::string long_symbol = "abcdefghijklmnop\xe1";  // 17 bytes, one of them accented
  ElementDialog dialog(ElementDialog::Mode::kNew, "", "", long_symbol + ",b");
  dialog.parent_list().setCurrentRow(0);
  dialog.move_to_element();
  dialog.name_edit().setText("n");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.content(), long_symbol);
}

TEST(ElementDialog, OkTrimsTheNameAndBlanksLineBreaks) {
  ElementDialog dialog(ElementDialog::Mode::kNew, "", "", "a");
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Új elem létrehozása"));
  dialog.name_edit().setText(QStringLiteral(" V\tx\r\ny  "));
  EXPECT_EQ(dialog.name_edit().text(), QStringLiteral(" V x  y  "));  // pasted breaks
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.name(), "V x  y");
  EXPECT_EQ(dialog.content(), "");
}

TEST(ElementDialog, ANameOfBlanksOnlyMovesTheFocusAndStays) {
  ElementDialog dialog(ElementDialog::Mode::kNew, "", "", "a");
  dialog.show();
  dialog.activateWindow();
  dialog.parent_list().setFocus();
  dialog.name_edit().setText(QStringLiteral("   "));
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.focusWidget(), &dialog.name_edit());
}

}  // namespace
