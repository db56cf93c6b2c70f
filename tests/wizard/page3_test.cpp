#include "wizard/page3.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <fstream>

#include "platform/encoding.h"
#include "wizard/fake_user_dialogs.h"
#include "wizard/kor_property_sheet.h"
#include "wizard/page23.h"
#include "wizard/page234_row_view.h"

namespace {

using zor::gui::BoxIcon;
using zor::test::FakeUserDialogs;

const char* const kAny = "<BARMI>;<BARMI>;<BARMI>";

class Page3Test : public testing::Test {
 protected:
  void SetUp() override {
    // Page 3 reads "hangkapcsolatok.txt" from the current folder: keep the
    // tests away from whatever the folder of the test run holds.
    previous_folder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    sheet.show_page(CKorPropertySheet::kSpecificationPage);
    page = qobject_cast<CPage3*>(sheet.created_page(CKorPropertySheet::kSpecificationPage));
    ASSERT_NE(page, nullptr);
  }
  void TearDown() override { QDir::setCurrent(previous_folder); }

  // Shows pages 2 and 3 and adds one <BARMI>;<BARMI>;<BARMI> connection.
  void provide_tree_and_connection() {
    sheet.show_page(CKorPropertySheet::kLabelPage);
    sheet.show_page(CKorPropertySheet::kConnectionPage);
    auto* connections =
        qobject_cast<CPage23*>(sheet.created_page(CKorPropertySheet::kConnectionPage));
    connections->add_connection();
    dialogs.messages.clear();
  }

  // Plays the dialog: `play` changes it, then OK.
  void answer(std::function<void(SpecificationDialog&)> play) {
    dialogs.on_dialog = [this, play](QDialog& dialog) {
      auto& spec = static_cast<SpecificationDialog&>(dialog);
      seen_title = spec.windowTitle();
      seen_form = spec.form();
      play(spec);
      return zor::test::press_ok(dialog);
    };
  }

  std::vector<std::string> row(size_t index) {
    const auto& fields = page->specifications().row(index).fields;
    return {fields.begin(), fields.end()};
  }

  void select_row(int index) {
    page->list_view().clearSelection();
    page->list_view().topLevelItem(index)->setSelected(true);
  }

  std::string path_in(const char* name) {
    return zor::from_native_file_name(QFile::encodeName(folder.filePath(name)).toStdString());
  }

  QTemporaryDir folder;
  QString previous_folder;
  FakeUserDialogs dialogs;
  CKorPropertySheet sheet;
  CPage3* page = nullptr;
  QString seen_title;
  zor::SpecificationForm seen_form;
};

TEST_F(Page3Test, DialogCommandsRefuseWithoutTreeThenWithoutConnections) {
  const QString no_tree = QString::fromUtf8("Nincs környezet megadva! Lapozzon az 2. oldalra!");
  const QString no_link = QString::fromUtf8("Nincs hangkapcsolat megadva! Lapozzon az 3. oldalra!");
  page->new_specification();
  page->copy_specification();
  EXPECT_EQ(dialogs.message_texts(BoxIcon::information), (std::vector<QString>{no_tree, no_tree}));
  sheet.show_page(CKorPropertySheet::kLabelPage);
  dialogs.messages.clear();
  page->modify_specification();
  page->new_specification();  // page 3 not shown yet: no connections either
  EXPECT_EQ(dialogs.message_texts(BoxIcon::information), (std::vector<QString>{no_link, no_link}));
  sheet.show_page(CKorPropertySheet::kConnectionPage);
  dialogs.messages.clear();
  page->new_specification();
  EXPECT_EQ(dialogs.message_texts(BoxIcon::information), (std::vector<QString>{no_link}));
  EXPECT_EQ(dialogs.dialogs_run, 0);
}

TEST_F(Page3Test, NewAppendsTheDefaultSoundRecord) {
  provide_tree_and_connection();
  answer([](SpecificationDialog& dialog) { dialog.name_edit().setText("x"); });
  page->new_specification();
  EXPECT_EQ(seen_title, QString::fromUtf8("Új specifikáció meghatározása"));
  ASSERT_EQ(page->specifications().count(), 1u);
  EXPECT_EQ(row(0), (std::vector<std::string>{"x", "H", "A:", kAny, kAny, "BARMI", "> 0", "", "",
                                              "BARMENNYI", "BARMENNYI", "BARMENNYI"}));
  EXPECT_EQ(page->list_view().selected_rows(), (std::vector<size_t>{0}));
  EXPECT_EQ(page->list_view().topLevelItem(0)->text(6), QStringLiteral("> 0"));
}

TEST_F(Page3Test, NewAppendsTheDefaultWordRecord) {
  provide_tree_and_connection();
  answer([](SpecificationDialog& dialog) {
    dialog.name_edit().setText("x");
    dialog.findChild<QRadioButton*>("type_sz")->click();
  });
  page->new_specification();
  EXPECT_EQ(row(0), (std::vector<std::string>{"x", "SZ", "", "", "", "", "> 0", "ELSO", "IGEN",
                                              "BARMENNYI", "BARMENNYI", "BARMENNYI"}));
}

TEST_F(Page3Test, CancelAddsNothing) {
  provide_tree_and_connection();
  page->new_specification();
  EXPECT_EQ(dialogs.dialogs_run, 1);
  EXPECT_EQ(page->specifications().count(), 0u);
}

TEST_F(Page3Test, CopyAppendsAndModifyOverwritesInPlace) {
  provide_tree_and_connection();
  for (const char* name : {"a", "b"}) {
    answer([name](SpecificationDialog& dialog) { dialog.name_edit().setText(name); });
    page->new_specification();
  }
  select_row(0);
  answer([](SpecificationDialog& dialog) { dialog.name_edit().setText("a2"); });
  page->copy_specification();
  EXPECT_EQ(seen_title, QString::fromUtf8("Másolat készítése a specifikációról"));
  EXPECT_EQ(seen_form.name, "a");
  ASSERT_EQ(page->specifications().count(), 3u);
  EXPECT_EQ(row(0)[0], "a");
  EXPECT_EQ(row(2)[0], "a2");

  select_row(1);
  answer([](SpecificationDialog& dialog) {
    dialog.name_edit().setText("b2");
    dialog.findChild<QRadioButton*>("type_sz")->click();
  });
  page->modify_specification();
  EXPECT_EQ(seen_title, QString::fromUtf8("Specifikáció módosítása"));
  ASSERT_EQ(page->specifications().count(), 3u);
  // An H row leaves "Szövegszó" cleared when it turns into a word record.
  EXPECT_EQ(row(1), (std::vector<std::string>{"b2", "SZ", "", "", "", "", "> 0", "ELSO", "NEM",
                                              "BARMENNYI", "BARMENNYI", "BARMENNYI"}));
}

TEST_F(Page3Test, CopyModifyAndDeleteWithoutASelectedRowDoNothing) {
  provide_tree_and_connection();
  answer([](SpecificationDialog& dialog) { dialog.name_edit().setText("a"); });
  page->new_specification();
  page->list_view().clearSelection();
  page->copy_specification();
  page->modify_specification();
  page->delete_specification();
  EXPECT_EQ(dialogs.dialogs_run, 1);
  EXPECT_EQ(page->specifications().count(), 1u);
  select_row(0);
  page->delete_specification();
  EXPECT_EQ(page->specifications().count(), 0u);
  EXPECT_EQ(page->list_view().topLevelItemCount(), 0);
}

TEST_F(Page3Test, ARowNamingARemovedLabelOpensWithoutASound) {
  provide_tree_and_connection();
  std::ofstream(folder.filePath("old.txt").toStdString(), std::ios::binary)
      << "old\tH\t<Gone>\tx\ty\tNOWHERE\t= 2\t\t\t1\t9\t0\r\n";
  dialogs.file_answers = {path_in("old.txt")};
  page->load_from_file();
  EXPECT_EQ(page->list_view().selected_rows(), (std::vector<size_t>{0}));
  answer([](SpecificationDialog&) {});
  page->modify_specification();
  EXPECT_EQ(seen_form.sound, zor::kNoEntry);
  // OK writes the dialog's values: the row is normalised.
  EXPECT_EQ(row(0), (std::vector<std::string>{"old", "H", "", kAny, kAny, "BARMI", "= 2", "", "",
                                              "1", "BARMENNYI", "0"}));
}

TEST_F(Page3Test, SavesWithTheTxtRuleAndReportsFailures) {
  provide_tree_and_connection();
  answer([](SpecificationDialog& dialog) { dialog.name_edit().setText(" a "); });
  page->new_specification();
  dialogs.file_answers = {path_in("specs"), path_in("specs.TXT")};
  page->save_to_file();
  page->save_to_file();
  EXPECT_EQ(dialogs.file_questions[0].title,
            QString::fromUtf8("A specifikációkat tartalmazó állomány mentése"));
  EXPECT_EQ(dialogs.file_questions[0].default_name, QStringLiteral("specifikaciok.txt"));
  EXPECT_TRUE(QFile::exists(folder.filePath("specs.txt")));
  EXPECT_TRUE(QFile::exists(folder.filePath("specs.TXT")));

  dialogs.file_answers = {path_in("specs.txt")};
  page->delete_specification();
  page->load_from_file();
  EXPECT_EQ(dialogs.file_questions[2].title,
            QString::fromUtf8("Specifikációt tartalmazó állomány választása"));
  ASSERT_EQ(page->specifications().count(), 1u);
  EXPECT_EQ(row(0)[0], " a ");

  std::string missing = path_in("no-such-folder/specs.txt");
  dialogs.file_answers = {missing, missing};
  page->save_to_file();
  page->load_from_file();
  EXPECT_EQ(dialogs.message_texts(BoxIcon::warning).size(), 2u);
  EXPECT_EQ(page->specifications().count(), 1u);
}

TEST_F(Page3Test, HeaderClicksReorderTheListTheQueryReads) {
  std::ofstream(folder.filePath("three.txt").toStdString(), std::ios::binary)
      << "b\n" << "a\n" << "c\n";  // no TAB: the name is field 11
  ASSERT_TRUE(page->load_specification_file(path_in("three.txt")));
  page->list_view().click_header(11);
  EXPECT_EQ(row(0)[11], "a");
  EXPECT_EQ(row(2)[11], "c");
  page->list_view().click_header(11);
  EXPECT_EQ(row(0)[11], "c");
}

}  // namespace
