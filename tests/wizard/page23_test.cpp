#include "wizard/page23.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "platform/encoding.h"
#include "wizard/fake_user_dialogs.h"
#include "wizard/kor_property_sheet.h"
#include "wizard/page234_row_view.h"

namespace {

using zor::gui::Box;
using zor::gui::BoxIcon;
using zor::test::FakeUserDialogs;

const QString kEmptyTreeMessage =
    QString::fromUtf8("Nincs környezet megadva! Lapozzon az 2. oldalra!");

// Runs each test in a folder of its own, since page 3 reads
// "hangkapcsolatok.txt" from the current directory when first shown.
class Page23Test : public testing::Test {
 protected:
  void SetUp() override {
    previous_folder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
  }
  void TearDown() override { QDir::setCurrent(previous_folder); }

  CPage23* show_connections() {
    sheet.show_page(CKorPropertySheet::kConnectionPage);
    return qobject_cast<CPage23*>(sheet.created_page(CKorPropertySheet::kConnectionPage));
  }

  CPage23* show_after_labels() {
    sheet.show_page(CKorPropertySheet::kLabelPage);
    return show_connections();
  }

  std::string path_in(const char* name) {
    return zor::from_native_file_name(QFile::encodeName(folder.filePath(name)).toStdString());
  }

  void write(const char* name, const std::string& bytes) {
    std::ofstream(folder.filePath(name).toStdString(), std::ios::binary) << bytes;
  }

  std::string read(const char* name) {
    std::ifstream in(folder.filePath(name).toStdString(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  static void choose(CPage23& page, int first, int second, int third) {
    page.choice_list(0).setCurrentIndex(first);
    page.choice_list(1).setCurrentIndex(second);
    page.choice_list(2).setCurrentIndex(third);
  }

  static std::vector<std::string> row(const CPage23& page, size_t index) {
    const auto& values = page.connections().row(index).values;
    return {values.begin(), values.end()};
  }

  QTemporaryDir folder;
  QString previous_folder;
  FakeUserDialogs dialogs;
  CKorPropertySheet sheet;
};

TEST_F(Page23Test, FirstShowingReadsTheConnectionFileOfTheCurrentFolderSilently) {
  write("hangkapcsolatok.txt", "<BARMI>\tV\t<SEMMI>\r\nCr\t<BARMI>\tV\r\n");
  CPage23* page = show_after_labels();
  ASSERT_NE(page, nullptr);
  ASSERT_EQ(page->connections().count(), 2u);
  EXPECT_EQ(row(*page, 1), (std::vector<std::string>{"Cr", "<BARMI>", "V"}));
  EXPECT_EQ(page->list_view().topLevelItemCount(), 2);
  EXPECT_EQ(page->list_view().selected_rows(), (std::vector<size_t>{0}));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Page23Test, WithoutTheFileTheListStaysEmptyAndNothingIsSaid) {
  CPage23* page = show_after_labels();
  EXPECT_EQ(page->connections().count(), 0u);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Page23Test, ChoicesHoldAnyNoneAndTheDefaultLabels) {
  CPage23* page = show_after_labels();
  for (size_t position = 0; position < 3; ++position) {
    QComboBox& list = page->choice_list(position);
    ASSERT_EQ(list.count(), 10);
    EXPECT_EQ(list.itemText(0), QStringLiteral("<BARMI>"));
    EXPECT_EQ(list.itemText(1), QStringLiteral("<SEMMI>"));
    EXPECT_EQ(list.itemText(9), QStringLiteral("Vh"));
    EXPECT_EQ(list.currentIndex(), 0);
  }
}

TEST_F(Page23Test, BeforePageTwoTheEmptyTreeIsReportedOnceAndRefreshLaterFills) {
  CPage23* page = show_connections();
  ASSERT_EQ(dialogs.messages, (std::vector<Box>{{BoxIcon::information,
                                                 QCoreApplication::applicationName(),
                                                 kEmptyTreeMessage}}));
  EXPECT_EQ(page->choice_list(0).count(), 0);
  // An added row then has three empty values.
  page->add_connection();
  EXPECT_EQ(row(*page, 0), (std::vector<std::string>{"", "", ""}));
  sheet.show_page(CKorPropertySheet::kLabelPage);
  page->refresh_choices();
  EXPECT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(page->choice_list(2).count(), 10);
}

TEST_F(Page23Test, AddTakesTheThreeSelectedEntries) {
  CPage23* page = show_after_labels();
  choose(*page, 1, 0, 7);
  page->add_connection();
  choose(*page, 2, 3, 4);
  page->add_connection();
  ASSERT_EQ(page->connections().count(), 2u);
  EXPECT_EQ(row(*page, 0), (std::vector<std::string>{"<SEMMI>", "<BARMI>", "V"}));
  EXPECT_EQ(row(*page, 1), (std::vector<std::string>{"Hang", "C", "Cr"}));
  // The first row added to an empty list is selected, and stays so.
  EXPECT_EQ(page->list_view().selected_rows(), (std::vector<size_t>{0}));
}

TEST_F(Page23Test, DeleteRemovesEverySelectedRowAndNothingWithoutSelection) {
  CPage23* page = show_after_labels();
  for (int entry = 2; entry < 7; ++entry) {
    choose(*page, entry, 0, 0);
    page->add_connection();
  }
  CRowListView& view = page->list_view();
  view.clearSelection();
  page->delete_connections();
  EXPECT_EQ(page->connections().count(), 5u);
  for (int index : {0, 2, 4}) view.topLevelItem(index)->setSelected(true);
  page->delete_connections();
  ASSERT_EQ(page->connections().count(), 2u);
  EXPECT_EQ(row(*page, 0)[0], "C");
  EXPECT_EQ(row(*page, 1)[0], "Ch");
  EXPECT_EQ(view.topLevelItemCount(), 2);
}

TEST_F(Page23Test, RefreshTakesTheTreeAsItStandsNow) {
  CPage23* page = show_after_labels();
  page->choice_list(0).setCurrentIndex(5);
  page->refresh_choices();
  EXPECT_EQ(page->choice_list(0).currentIndex(), 0);
}

TEST_F(Page23Test, HeaderClicksSortTheRowsThemselves) {
  CPage23* page = show_after_labels();
  choose(*page, 7, 0, 0);  // V
  page->add_connection();
  choose(*page, 3, 0, 0);  // C
  page->add_connection();
  page->list_view().click_header(0);
  EXPECT_EQ(row(*page, 0)[0], "C");
  EXPECT_EQ(page->list_view().selected_rows(), (std::vector<size_t>{1}));  // V stays selected
  page->list_view().click_header(0);
  EXPECT_EQ(row(*page, 0)[0], "V");
  EXPECT_EQ(page->connections().connection_texts()[0], "V;<BARMI>;<BARMI>");
}

TEST_F(Page23Test, SavesAndLoadsThroughTheFileDialogs) {
  CPage23* page = show_after_labels();
  choose(*page, 1, 0, 7);
  page->add_connection();
  dialogs.file_answers = {path_in("links")};
  page->save_to_file();
  ASSERT_EQ(dialogs.file_questions.size(), 1u);
  EXPECT_EQ(dialogs.file_questions[0].title,
            QString::fromUtf8("A hangkapcsolatokat tartalmazó állomány mentése"));
  EXPECT_EQ(dialogs.file_questions[0].default_name, QStringLiteral("hangkapcsolatok.txt"));
  EXPECT_EQ(read("links.txt"), "<SEMMI>\t<BARMI>\tV\r\n");

  write("more.txt", "a\tb\tc\td\n\n");
  dialogs.file_answers = {path_in("more.txt")};
  page->load_from_file();
  EXPECT_EQ(dialogs.file_questions[1].title,
            QString::fromUtf8("Hangkapcsolatokat tartalmazó állomány választása"));
  ASSERT_EQ(page->connections().count(), 2u);
  EXPECT_EQ(row(*page, 0), (std::vector<std::string>{"a", "b", "c\td"}));
  EXPECT_EQ(page->list_view().topLevelItemCount(), 2);
}

TEST_F(Page23Test, FilesThatCannotBeWrittenOrReadAreReported) {
  CPage23* page = show_after_labels();
  page->add_connection();
  std::string missing = path_in("no-such-folder/links.txt");
  dialogs.file_answers = {missing, missing};
  page->save_to_file();
  page->load_from_file();
  EXPECT_EQ(dialogs.message_texts(BoxIcon::warning).size(), 2u);
  EXPECT_EQ(page->connections().count(), 1u);
}

TEST(RowOrder, IsStableByteWiseAndCaseSensitive) {
  std::vector<std::string> texts = {"b", "B", "a", "b", "\xe1"};
  EXPECT_EQ(sorted_row_order(texts, true), (std::vector<size_t>{1, 2, 0, 3, 4}));
  EXPECT_EQ(sorted_row_order(texts, false), (std::vector<size_t>{4, 0, 3, 2, 1}));
  EXPECT_EQ(positions_after({2, 0, 1}, {0, 2}), (std::vector<size_t>{0, 1}));
}

}  // namespace
