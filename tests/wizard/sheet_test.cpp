#include "wizard/kor_property_sheet.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "controls/icon_button.h"
#include "support/test_files.h"
#include "wizard/fake_user_dialogs.h"
#include "wizard/page1.h"
#include "wizard/page2.h"
#include "wizard/page5.h"

namespace {

using zor::gui::Box;
using zor::gui::BoxIcon;

const Box kExitQuestion{BoxIcon::question, QString::fromUtf8("Kilépés"),
                        QString::fromUtf8("Valóban ki akar képni?")};

class SheetTest : public testing::Test {
 protected:
  void SetUp() override {
    sheet.show();
    sheet.show_page(CKorPropertySheet::kLabelPage);
  }
  zor::test::FakeUserDialogs dialogs;
  CKorPropertySheet sheet;
};

TEST_F(SheetTest, FivePagesInOrderWithBulletsAndOnlyAnExitButton) {
  QTabWidget* tabs = sheet.tabs();
  ASSERT_EQ(tabs->count(), 5);
  const char* captions[] = {"1. Bemeneti fájlok", "2. Hangok címkéi", "3. Hangkapcsolatok",
                            "4. Specifikációk", "5. Kimeneti fájlok"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(tabs->tabText(i), QString::fromUtf8(captions[i]));
    EXPECT_FALSE(tabs->tabIcon(i).isNull());
    EXPECT_EQ(tabs->tabIcon(i).actualSize(QSize(8, 8)), QSize(8, 8));
  }
  EXPECT_EQ(sheet.windowTitle(), QString::fromUtf8("Z O R (Hang-idő konverzió)"));
  auto buttons = sheet.findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly);
  ASSERT_EQ(buttons.size(), 1);
  EXPECT_EQ(buttons[0]->text(), QString::fromUtf8("Kilépés"));
  // Every caption is in sight, none behind scroll arrows.
  EXPECT_FALSE(tabs->usesScrollButtons());
}

TEST_F(SheetTest, PagesAreCreatedOnlyWhenShown) {
  EXPECT_NE(sheet.created_page(CKorPropertySheet::kInputPage), nullptr);
  EXPECT_NE(sheet.created_page(CKorPropertySheet::kLabelPage), nullptr);
  EXPECT_EQ(sheet.created_page(CKorPropertySheet::kConnectionPage), nullptr);
  EXPECT_EQ(sheet.created_page(CKorPropertySheet::kOutputPage), nullptr);
  sheet.tabs()->setCurrentIndex(CKorPropertySheet::kOutputPage);
  EXPECT_NE(qobject_cast<CPage5*>(sheet.created_page(CKorPropertySheet::kOutputPage)), nullptr);
  EXPECT_EQ(sheet.created_page(5), nullptr);
  EXPECT_EQ(sheet.created_page(-1), nullptr);
}

// Each way out asks once; No keeps the sheet, its page and its data.
class ExitQuestion : public SheetTest, public testing::WithParamInterface<int> {
 protected:
  void try_to_leave() {
    switch (GetParam()) {
      case 0: QTest::mouseClick(sheet.exit_button(), Qt::LeftButton); break;
      case 1: QTest::keyClick(&sheet, Qt::Key_Escape); break;
      default: sheet.close(); break;
    }
  }
};

TEST_P(ExitQuestion, NoKeepsEverythingAndYesCloses) {
  QWidget* labels = sheet.created_page(CKorPropertySheet::kLabelPage);
  dialogs.answers = {false};
  try_to_leave();
  EXPECT_EQ(dialogs.questions, std::vector<Box>{kExitQuestion});
  EXPECT_EQ(dialogs.question_buttons, std::vector{zor::gui::YesNoButtons::hungarian});
  EXPECT_TRUE(sheet.isVisible());
  EXPECT_EQ(sheet.tabs()->currentIndex(), CKorPropertySheet::kLabelPage);
  EXPECT_EQ(sheet.created_page(CKorPropertySheet::kLabelPage), labels);

  dialogs.answers = {true};
  try_to_leave();
  EXPECT_EQ(dialogs.questions.size(), 2u);
  EXPECT_FALSE(sheet.isVisible());
  EXPECT_EQ(sheet.result(), QDialog::Rejected);
}

TEST_P(ExitQuestion, NotAskedWhileARunHasTheSheetDisabled) {
  sheet.setEnabled(false);
  try_to_leave();
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_TRUE(sheet.isVisible());
}

INSTANTIATE_TEST_SUITE_P(ExitButtonEscapeAndCloseBox, ExitQuestion, testing::Values(0, 1, 2));

TEST(SheetRuns, ConversionRefusesUntilTheLabelPageWasShown) {
  zor::test::FakeUserDialogs dialogs;
  CKorPropertySheet sheet;
  auto* inputs = qobject_cast<CPage1*>(sheet.created_page(CKorPropertySheet::kInputPage));
  ASSERT_NE(inputs, nullptr);
  inputs->add_recording_paths({QString::fromStdString(zor::test::data_file("alma/alma.wav"))});
  sheet.show_page(CKorPropertySheet::kOutputPage);
  auto* outputs = qobject_cast<CPage5*>(sheet.created_page(CKorPropertySheet::kOutputPage));
  zor::test::ScratchDir scratch;
  outputs->set_directory(QString::fromStdString(scratch.path().string()));
  QTest::mouseClick(outputs->conversion_button(), Qt::LeftButton);
  // A run's message without a caption of its own carries the program's title.
  EXPECT_EQ(dialogs.messages,
            (std::vector<Box>{{BoxIcon::warning, QGuiApplication::applicationDisplayName(),
                               QString::fromUtf8("Nincs környezet megadva! Lapozzon az 2. oldalra!")}}));
  EXPECT_EQ(sheet.created_page(CKorPropertySheet::kLabelPage), nullptr);
  EXPECT_FALSE(std::filesystem::exists(scratch.path() / "output_sentences.txt"));
}

TEST(SheetNavigation, PreviousButtonOfPageFiveOpensTheSpecifications) {
  CKorPropertySheet sheet;
  sheet.show_page(CKorPropertySheet::kOutputPage);
  auto* outputs = qobject_cast<CPage5*>(sheet.created_page(CKorPropertySheet::kOutputPage));
  ASSERT_NE(outputs, nullptr);
  EXPECT_EQ(outputs->previous_button()->toolTip(), QString::fromUtf8("Előző lap"));
  QTest::mouseClick(outputs->previous_button(), Qt::LeftButton);
  EXPECT_EQ(sheet.tabs()->currentIndex(), CKorPropertySheet::kSpecificationPage);
  EXPECT_NE(sheet.created_page(CKorPropertySheet::kSpecificationPage), nullptr);
}

}  // namespace
