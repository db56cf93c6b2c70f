// The three runs started from page 5 of a real sheet, on a generated corpus
// with the default label tree and a loaded specification file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "controls/icon_button.h"
#include "platform/encoding.h"
#include "wizard/annotation_settings.h"
#include "wizard/page3.h"
#include "wizard/page5.h"
#include "wizard/progress_window.h"
#include "wizard/result_view_dialog.h"
#include "wizard/wizard_session.h"

namespace {

namespace fs = std::filesystem;

int line_count(const fs::path& path) {
  std::string bytes = zor::test::read_bytes(path);
  return static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n'));
}

// Presses Cancel of the progress window as soon as the run pumps messages.
void cancel_at_first_step() {
  QTimer::singleShot(0, [] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* progress = qobject_cast<CProgressWindow*>(window);
      if (progress && progress->isVisible()) QTest::mouseClick(progress->cancel_button(), Qt::LeftButton);
    }
  });
}

class WizardRuns : public zor::test::WizardSession {
 protected:
  void SetUp() override {
    WizardSession::SetUp();
    if (HasFatalFailure()) return;
    sheet.show_page(CKorPropertySheet::kSpecificationPage);
    zor::test::write_bytes(output.path() / "specifikaciok.txt",
                           zor::to_cp1250(
                               "magánhangzók\tH\t<V>\t<BARMI>;<BARMI>;<BARMI>\t<BARMI>;<BARMI>;<BARMI>\t"
                               "BARMI\t> 0\t\t\tBARMENNYI\tBARMENNYI\tBARMENNYI\r\n"
                               "szavak\tSZ\t\t\t\t\t> 0\tBELSO\tIGEN\tBARMENNYI\tBARMENNYI\tBARMENNYI\r\n"));
    ASSERT_TRUE(qobject_cast<CPage3*>(sheet.created_page(CKorPropertySheet::kSpecificationPage))
                    ->load_specification_file(output.file("specifikaciok.txt")));
    show_output_page();
  }
};

TEST_F(WizardRuns, ConversionQueryAndReportFromPageFive) {
  QTest::mouseClick(page->conversion_button(), Qt::LeftButton);
  ASSERT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(dialogs.questions[0].icon, zor::gui::BoxIcon::warning);
  EXPECT_EQ(dialogs.questions[0].caption, QString::fromUtf8("Konvertálás indítása..."));
  EXPECT_EQ(dialogs.question_buttons[0], zor::gui::YesNoButtons::hungarian);
  EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();
  EXPECT_EQ(line_count(output.path() / "output_sentences.txt"), kRecordings + 1);
  EXPECT_GT(line_count(output.path() / "output_sounds.txt"), kRecordings * 3);
  EXPECT_TRUE(sheet.isEnabled());

  QTest::mouseClick(page->query_button(), Qt::LeftButton);
  ASSERT_EQ(line_count(output.path() / "output_result.txt"), 3);
  EXPECT_GT(line_count(output.path() / "output_result_dev.txt"), 2);
  EXPECT_TRUE(sheet.isEnabled());

  CResultViewDialog viewer(page->directory(), page->base_name());
  ASSERT_EQ(viewer.list()->count(), 2);
  QTest::mouseClick(viewer.show_button(), Qt::LeftButton);
  fs::path report = output.path() / "output.txt";
  EXPECT_GT(zor::test::read_bytes(report).size(), 0u);
  EXPECT_EQ(dialogs.opened.back(), QString::fromStdString(report.string()));
}

// The batch command line run on the same recordings, in the same order, with
// the same specification file must write the same bytes as the wizard.
TEST_F(WizardRuns, TheWizardWritesWhatTheBatchRunWrites) {
  run_from_page_five();
  ASSERT_NO_FATAL_FAILURE(run_batch(
      {QStringLiteral("--specs"),
       QString::fromStdString((output.path() / "specifikaciok.txt").string())}));
  expect_the_batch_run_wrote_the_same();
}

TEST_F(WizardRuns, CancelInTheProgressWindowStopsTheConversion) {
  cancel_at_first_step();
  QTest::mouseClick(page->conversion_button(), Qt::LeftButton);
  EXPECT_EQ(dialogs.message_texts(), std::vector<QString>{QString::fromUtf8("A konverzió megszakítva!")});
  EXPECT_EQ(line_count(output.path() / "output_sentences.txt"), 2);
  EXPECT_TRUE(sheet.isEnabled());
}

TEST_F(WizardRuns, AnUnusableSymbolTableOfTheTextGridSettingsStopsTheConversion) {
  QSettings settings;
  zor::gui::AnnotationSettings chosen;
  chosen.symbols = zor::to_cp1250((output.path() / "nincs.tsv").string());
  chosen.save(settings);
  QTest::mouseClick(page->conversion_button(), Qt::LeftButton);
  zor::gui::AnnotationSettings{}.save(settings);
  EXPECT_FALSE(fs::exists(output.path() / "output_sentences.txt"));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_TRUE(dialogs.messages[0].text.startsWith(
      QString::fromUtf8("A TextGrid beállítások hangjelölési táblázata nem használható")))
      << dialogs.messages[0].text.toStdString();
}

TEST_F(WizardRuns, DecliningTheConversionWritesNothing) {
  dialogs.answers = {false};
  QTest::mouseClick(page->conversion_button(), Qt::LeftButton);
  EXPECT_FALSE(fs::exists(output.path() / "output_sentences.txt"));
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
