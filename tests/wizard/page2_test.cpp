#include "wizard/page2.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "controls/tree_list_ctrl.h"
#include "platform/encoding.h"
#include "wizard/element_dialog.h"
#include "wizard/fake_user_dialogs.h"
#include "wizard/kor_property_sheet.h"
#include "wizard/page234_files.h"

namespace {

using zor::gui::Box;
using zor::gui::BoxIcon;
using zor::test::FakeUserDialogs;

std::string read_all(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class Page2Test : public testing::Test {
 protected:
  void SetUp() override {
    sheet.show_page(CKorPropertySheet::kLabelPage);
    page = qobject_cast<CPage2*>(sheet.created_page(CKorPropertySheet::kLabelPage));
    ASSERT_NE(page, nullptr);
  }

  CTreeListCtrl& control() { return page->tree_control(); }

  void select(const char* name) {
    QList<QTreeWidgetItem*> found =
        control().findItems(QString::fromUtf8(name), Qt::MatchExactly | Qt::MatchRecursive, 0);
    ASSERT_FALSE(found.isEmpty()) << name;
    control().setCurrentItem(found.first());
  }

  const zor::LabelNode* node(const char* name) {
    for (const zor::LabelNode* n : page->label_tree().preorder())
      if (n->name == name) return n;
    return nullptr;
  }

  // Runs the element dialog with `play`, then presses OK.
  void answer_dialog(std::function<void(ElementDialog&)> play) {
    dialogs.on_dialog = [this, play](QDialog& dialog) {
      auto* element = qobject_cast<ElementDialog*>(&dialog);
      if (!element) return false;
      seen_title = element->windowTitle();
      seen_parent = element->parent_entries();
      seen_element = element->element_entries();
      play(*element);
      return zor::test::press_ok(dialog);
    };
  }

  std::string path_in(const char* name) {
    return zor::from_native_file_name(QFile::encodeName(folder.filePath(name)).toStdString());
  }

  FakeUserDialogs dialogs;
  CKorPropertySheet sheet;
  CPage2* page = nullptr;
  QTemporaryDir folder;
  QString seen_title;
  std::vector<std::string> seen_parent, seen_element;
};

void select_entry(QListWidget& list, const char* text) {
  QList<QListWidgetItem*> found = list.findItems(QString::fromUtf8(text), Qt::MatchExactly);
  ASSERT_FALSE(found.isEmpty()) << text;
  list.setCurrentItem(found.first());
}

TEST_F(Page2Test, FirstShowingBuildsTheDefaultTreeWithABoldRoot) {
  EXPECT_EQ(page->label_tree().label_names(),
            (std::vector<std::string>{"Hang", "C", "Cr", "Ch", "LR", "V", "Vr", "Vh"}));
  EXPECT_TRUE(control().IsItemBold(control().topLevelItem(0)));
  EXPECT_TRUE(page->label_tree().top_level().front()->emphasised);
  EXPECT_EQ(control().headerItem()->text(0), QString::fromUtf8("Elemek"));
  EXPECT_EQ(control().GetColumnWidth(1), 390);
}

TEST_F(Page2Test, AddOffersTheParentsSymbolsAndAppendsTheNewChild) {
  select("V");
  answer_dialog([](ElementDialog& dialog) {
    select_entry(dialog.parent_list(), "a");
    dialog.move_to_element();
    select_entry(dialog.parent_list(), "o");
    dialog.move_to_element();
    dialog.name_edit().setText("Vx");
  });
  page->add_element();
  EXPECT_EQ(seen_title, QString::fromUtf8("Új elem létrehozása"));
  EXPECT_EQ(seen_parent.size(), 14u);
  EXPECT_EQ(seen_parent.front(), "A:");
  EXPECT_TRUE(seen_element.empty());
  const zor::LabelNode* added = node("Vx");
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->content, "a,o");
  EXPECT_EQ(added->parent, node("V"));
  EXPECT_EQ(added->parent->children.back().get(), added);
  EXPECT_EQ(page->label_tree().labels_of_sound("a"), "Vx,Vr,V,Hang");
}

TEST_F(Page2Test, ModifyOffersTheParentsSymbolsTheNodeLacks) {
  select("Vr");
  answer_dialog([](ElementDialog& dialog) { dialog.name_edit().setText("  Vs  "); });
  page->modify_element();
  EXPECT_EQ(seen_title, QString::fromUtf8("Elem módosítása"));
  EXPECT_EQ(seen_element, (std::vector<std::string>{"a", "o", "u", "U", "i", "O", "e"}));
  EXPECT_EQ(seen_parent, (std::vector<std::string>{"A:", "E:", "o:", "u:", "U:", "i:", "O:"}));
  // Stored trimmed, with its content and place unchanged.
  ASSERT_NE(node("Vs"), nullptr);
  EXPECT_EQ(node("Vs")->content, "a,o,u,U,i,O,e");
  EXPECT_EQ(page->label_tree().label_names()[6], "Vs");
}

TEST_F(Page2Test, ANameOfBlanksOnlyKeepsTheDialogOpen) {
  select("V");
  bool closed = true;
  dialogs.on_dialog = [&](QDialog& dialog) {
    auto& element = static_cast<ElementDialog&>(dialog);
    element.name_edit().setText("   ");
    closed = zor::test::press_ok(dialog);
    return closed;
  };
  page->add_element();
  EXPECT_FALSE(closed);
  EXPECT_EQ(page->label_tree().label_names().size(), 8u);
}

TEST_F(Page2Test, TheRootHangCannotBeChangedOrDeletedButTakesChildren) {
  select("Hang");
  page->modify_element();
  page->delete_element();
  EXPECT_EQ(dialogs.dialogs_run, 0);
  EXPECT_TRUE(dialogs.questions.empty());
  answer_dialog([](ElementDialog& dialog) { dialog.name_edit().setText("X"); });
  page->add_element();
  EXPECT_EQ(seen_parent.size(), 61u);
  ASSERT_NE(node("X"), nullptr);
  EXPECT_EQ(node("X")->parent, page->label_tree().top_level().front().get());
}

TEST_F(Page2Test, ProtectionGoesByTheNameWhereverTheNodeStands) {
  select("LR");
  answer_dialog([](ElementDialog& dialog) { dialog.name_edit().setText("Hang"); });
  page->modify_element();
  control().setCurrentItem(control().topLevelItem(0)->child(0)->child(2));  // the new "Hang"
  page->delete_element();
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_EQ(page->label_tree().label_names().size(), 8u);
}

TEST_F(Page2Test, DeleteAsksAndNoKeepsTheNode) {
  select("C");
  dialogs.answers = {false};
  page->delete_element();
  ASSERT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(dialogs.questions[0],
            (Box{BoxIcon::warning, QString::fromUtf8("Törlés"),
                 QString::fromUtf8("Valóban törölni akarja a kiválasztott elemet?")}));
  // Qt's own Yes and No, unlike the wizard's other questions.
  EXPECT_EQ(dialogs.question_buttons[0], zor::gui::YesNoButtons::standard);
  EXPECT_NE(node("C"), nullptr);
  dialogs.answers = {true};
  page->delete_element();
  EXPECT_EQ(page->label_tree().label_names(),
            (std::vector<std::string>{"Hang", "V", "Vr", "Vh"}));
}

TEST_F(Page2Test, CommandsWithoutASelectedNodeDoNothing) {
  control().clearSelection();
  control().setCurrentItem(nullptr);
  page->add_element();
  page->modify_element();
  page->delete_element();
  EXPECT_EQ(dialogs.dialogs_run, 0);
  EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(Page2Test, SortingTheViewReordersTheTree) {
  select("Hang");
  control().SortAllLevels(0, false);
  emit control().itemsSorted();
  EXPECT_EQ(page->label_tree().label_names(),
            (std::vector<std::string>{"Hang", "V", "Vr", "Vh", "C", "LR", "Cr", "Ch"}));
}

TEST_F(Page2Test, SavesWithTheTxtRuleAndLoadsItBack) {
  dialogs.file_answers = {path_in("tree")};
  page->save_to_file();
  ASSERT_EQ(dialogs.file_questions.size(), 1u);
  EXPECT_TRUE(dialogs.file_questions[0].save);
  EXPECT_EQ(dialogs.file_questions[0].title, QString::fromUtf8("Fát tartalmazó állomány mentése"));
  EXPECT_EQ(dialogs.file_questions[0].default_name, QStringLiteral("hangcimkek.txt"));
  std::string saved = read_all(path_in("tree.txt"));
  EXPECT_EQ(saved.substr(0, 5), "Hang\r");
  EXPECT_TRUE(dialogs.messages.empty());

  select("C");
  page->delete_element();
  dialogs.file_answers = {path_in("tree.txt")};
  page->load_from_file();
  EXPECT_EQ(dialogs.file_questions[1].title, QString::fromUtf8("Fát tartalmazó állomány választása"));
  EXPECT_EQ(page->label_tree().label_names().size(), 8u);
  EXPECT_FALSE(control().IsItemBold(control().topLevelItem(0)));  // nothing emphasised after a load
}

TEST_F(Page2Test, ALoadedRootUnderAnotherNameIsNotProtected) {
  std::ofstream(folder.filePath("other.txt").toStdString(), std::ios::binary)
      << "Root\rx,y\r\n\tHang\rx\r\n";
  dialogs.file_answers = {path_in("other.txt")};
  page->load_from_file();
  select("Root");
  page->delete_element();
  EXPECT_EQ(dialogs.questions.size(), 1u);
  EXPECT_TRUE(page->label_tree().is_empty());
}

TEST_F(Page2Test, FilesThatCannotBeWrittenOrReadAreReported) {
  std::string missing = path_in("no-such-folder/tree.txt");
  dialogs.file_answers = {missing, missing};
  page->save_to_file();
  page->load_from_file();
  std::vector<QString> warnings = dialogs.message_texts(BoxIcon::warning);
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_TRUE(warnings[0].contains(QStringLiteral("menteni")));
  EXPECT_TRUE(warnings[1].contains(QStringLiteral("megnyitni")));
  // Pages 2 to 4 caption their boxes with the program's name.
  EXPECT_EQ(dialogs.messages[1].caption, QCoreApplication::applicationName());
  EXPECT_EQ(page->label_tree().label_names().size(), 8u);  // the failed load changed nothing
}

TEST_F(Page2Test, CancelledFileDialogsChangeNothing) {
  page->save_to_file();
  page->load_from_file();
  EXPECT_EQ(dialogs.file_questions.size(), 2u);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(page->label_tree().label_names().size(), 8u);
}

TEST(TxtExtension, IsAppendedUnlessThePathEndsInIt) {
  EXPECT_EQ(zor::with_txt_extension("tree"), "tree.txt");
  EXPECT_EQ(zor::with_txt_extension("specs.TXT"), "specs.TXT");
  EXPECT_EQ(zor::with_txt_extension("a.TxT"), "a.TxT");
  EXPECT_EQ(zor::with_txt_extension(".txt"), ".txt.txt");  // shorter than five bytes
  EXPECT_EQ(zor::with_txt_extension("list.text"), "list.text.txt");
  EXPECT_EQ(zor::with_txt_extension(""), ".txt");
}

}  // namespace
