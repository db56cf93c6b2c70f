#include "wizard/page5.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "controls/icon_button.h"
#include "platform/paths.h"
#include "support/test_files.h"
#include "wizard/fake_user_dialogs.h"
#include "wizard/kor_property_sheet.h"
#include "wizard/result_view_dialog.h"

namespace {

class Page5Test : public testing::Test {
 protected:
  void SetUp() override {
    sheet.show_page(CKorPropertySheet::kOutputPage);
    page = qobject_cast<CPage5*>(sheet.created_page(CKorPropertySheet::kOutputPage));
    ASSERT_NE(page, nullptr);
  }
  std::vector<QString> shown_names() const {
    std::vector<QString> names;
    for (int file = 0; file < CPage5::kFileCount; ++file) names.push_back(page->name_edit(file)->text());
    return names;
  }
  static std::vector<QString> names_in(const QString& directory, const QString& stem,
                                       const QString& extension) {
    std::vector<QString> names;
    for (const char* suffix : {"_sentences", "_words", "_sounds", "_result", "_result_dev"})
      names.push_back(directory + stem + QString::fromUtf8(suffix) + extension);
    return names;
  }
  zor::test::FakeUserDialogs dialogs;
  CKorPropertySheet sheet;
  CPage5* page = nullptr;
};

TEST_F(Page5Test, StartsWithTheProgramFolderAndOutputTxt) {
  QString folder = QCoreApplication::applicationDirPath() + QChar(zor::kPathSeparator);
  EXPECT_EQ(page->directory(), folder);
  EXPECT_EQ(page->base_name(), QStringLiteral("output.txt"));
  EXPECT_EQ(shown_names(), names_in(folder, QStringLiteral("output"), QStringLiteral(".txt")));
  EXPECT_FALSE(page->name_edit(0)->isEnabled());
}

TEST_F(Page5Test, NamesFollowEveryKeystroke) {
  page->set_directory(QStringLiteral("/adat"));
  QLineEdit* base = page->findChild<QLineEdit*>();
  ASSERT_NE(base, nullptr);
  base->selectAll();
  QTest::keyClick(base, Qt::Key_Delete);
  EXPECT_EQ(shown_names(), names_in(QStringLiteral("/adat/"), QStringLiteral("output"),
                                    QStringLiteral(".txt")));
  QTest::keyClicks(base, QStringLiteral("ma"));
  EXPECT_EQ(shown_names()[0], QStringLiteral("/adat/ma_sentences.txt"));
  QTest::keyClicks(base, QStringLiteral(".c"));
  EXPECT_EQ(shown_names()[4], QStringLiteral("/adat/ma_result_dev.c"));
  zor::OutputNames names = page->output_names();
  EXPECT_EQ(names.sounds, "/adat/ma_sounds.c");
  EXPECT_EQ(names.report, "/adat/ma.c");
}

TEST_F(Page5Test, EnterInTheBaseNameStartsNothing) {
  sheet.show();
  QLineEdit* base = page->findChild<QLineEdit*>();
  base->setFocus();
  QTest::keyClick(base, Qt::Key_Return);
  EXPECT_EQ(sheet.tabs()->currentIndex(), CKorPropertySheet::kOutputPage);
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_TRUE(sheet.isVisible());
}

TEST_F(Page5Test, ChosenFolderGetsOneSeparator) {
  page->set_directory(QStringLiteral("/"));
  EXPECT_EQ(page->directory(), QStringLiteral("/"));
  page->set_directory(QStringLiteral("/tmp/korpusz/"));
  EXPECT_EQ(page->directory(), QStringLiteral("/tmp/korpusz/"));
  EXPECT_EQ(shown_names()[3], QStringLiteral("/tmp/korpusz/output_result.txt"));
}

TEST_F(Page5Test, OpenButtonsHandTheirNameToTheDesktopUnchecked) {
  page->set_directory(QStringLiteral("/nincs/ilyen"));
  for (int file = 0; file < CPage5::kFileCount; ++file)
    QTest::mouseClick(page->open_button(file), Qt::LeftButton);
  EXPECT_EQ(dialogs.opened, shown_names());
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(page->open_button(3)->toolTip(),
            QString::fromUtf8("A lekérdezés eredményét (átlag, min, max)\ntartalmazó fájl nyitása"));
}

TEST_F(Page5Test, FolderChooserStartsAtTheShownFolderAndCancelKeepsIt) {
  page->set_directory(QStringLiteral("/adat"));
  QTest::mouseClick(page->choose_button(), Qt::LeftButton);
  EXPECT_EQ(dialogs.directory_starts, std::vector<QString>{QStringLiteral("/adat/")});
  EXPECT_EQ(page->directory(), QStringLiteral("/adat/"));
  dialogs.directory = QStringLiteral("/tmp/korpusz");
  QTest::mouseClick(page->choose_button(), Qt::LeftButton);
  EXPECT_EQ(page->directory(), QStringLiteral("/tmp/korpusz/"));
  EXPECT_EQ(shown_names()[0], QStringLiteral("/tmp/korpusz/output_sentences.txt"));
}

TEST_F(Page5Test, ViewerButtonRunsTheResultViewerOnThePagesNames) {
  page->set_directory(QStringLiteral("/adat"));
  page->findChild<QLineEdit*>()->setText(QStringLiteral("ma.txt"));
  std::string viewed_report;
  dialogs.on_dialog = [&viewed_report](QDialog& dialog) {
    auto* viewer = qobject_cast<CResultViewDialog*>(&dialog);
    if (viewer) viewed_report = viewer->names().report;
    return false;
  };
  QTest::mouseClick(page->viewer_button(), Qt::LeftButton);
  EXPECT_EQ(dialogs.dialogs_run, 1);
  EXPECT_EQ(viewed_report, "/adat/ma.txt");
}

TEST_F(Page5Test, RunButtonsAreLighterWhenHot) {
  for (CIconButton* button : {page->conversion_button(), page->query_button(), page->viewer_button()}) {
    EXPECT_NE(button->colour(CIconButton::kBackgroundHot), button->colour(CIconButton::kBackgroundNormal));
    EXPECT_FALSE(button->current_icon().isNull());
  }
  EXPECT_EQ(page->conversion_button()->text(), QString::fromUtf8("1. A konverzió indítása"));
}

}  // namespace
