// The three runs started from page 5 of a real sheet, on a generated corpus
// with the default label tree and a loaded specification file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QCheckBox>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "controls/icon_button.h"
#include "platform/encoding.h"
#include "support/test_files.h"
#include "wizard/kor_property_sheet.h"
#include "wizard/page1.h"
#include "wizard/page3.h"
#include "wizard/page5.h"
#include "wizard/progress_window.h"
#include "wizard/result_view_dialog.h"
#include "wizard/scripted_dialogs.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRecordings = 6;

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

class WizardRuns : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    corpus_ = new zor::test::ScratchDir;
    QProcess generator;
    generator.start(QStringLiteral(ZOR_GENERATOR_PATH),
                    {QStringLiteral("--out"), QString::fromStdString(corpus_->path().string()),
                     QStringLiteral("--recordings"), QString::number(kRecordings),
                     QStringLiteral("--seed"), QStringLiteral("7")});
    ASSERT_TRUE(generator.waitForFinished(60000));
    ASSERT_EQ(generator.exitCode(), 0);
  }
  static void TearDownTestSuite() {
    delete corpus_;
    corpus_ = nullptr;
  }

  void SetUp() override {
    QStringList wavs;
    for (const auto& entry : fs::recursive_directory_iterator(corpus_->path()))
      if (entry.path().extension() == ".wav") wavs << QString::fromStdString(entry.path().string());
    wavs.sort();
    ASSERT_EQ(wavs.size(), kRecordings);
    sheet.show();
    qobject_cast<CPage1*>(sheet.created_page(CKorPropertySheet::kInputPage))->add_recording_paths(wavs);
    sheet.show_page(CKorPropertySheet::kLabelPage);  // builds the default tree
    sheet.show_page(CKorPropertySheet::kSpecificationPage);
    zor::test::write_bytes(output.path() / "specifikaciok.txt",
                           zor::to_cp1250(
                               "magánhangzók\tH\t<V>\t<BARMI>;<BARMI>;<BARMI>\t<BARMI>;<BARMI>;<BARMI>\t"
                               "BARMI\t> 0\t\t\tBARMENNYI\tBARMENNYI\tBARMENNYI\r\n"
                               "szavak\tSZ\t\t\t\t\t> 0\tBELSO\tIGEN\tBARMENNYI\tBARMENNYI\tBARMENNYI\r\n"));
    ASSERT_TRUE(qobject_cast<CPage3*>(sheet.created_page(CKorPropertySheet::kSpecificationPage))
                    ->load_specification_file(output.file("specifikaciok.txt")));
    sheet.show_page(CKorPropertySheet::kOutputPage);
    page = qobject_cast<CPage5*>(sheet.created_page(CKorPropertySheet::kOutputPage));
    page->set_directory(QString::fromStdString(output.path().string()));
  }

  static zor::test::ScratchDir* corpus_;
  zor::test::ScriptedDialogs dialogs;
  zor::test::ScratchDir output;
  CKorPropertySheet sheet;
  CPage5* page = nullptr;
};

zor::test::ScratchDir* WizardRuns::corpus_ = nullptr;

TEST_F(WizardRuns, ConversionQueryAndReportFromPageFive) {
  QTest::mouseClick(page->conversion_button(), Qt::LeftButton);
  EXPECT_EQ(dialogs.questions.size(), 1u);
  EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().toStdString();
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
  QTest::mouseClick(page->conversion_button(), Qt::LeftButton);
  QTest::mouseClick(page->query_button(), Qt::LeftButton);
  CResultViewDialog viewer(page->directory(), page->base_name());
  viewer.details_box()->setChecked(true);
  viewer.distribution_box()->setChecked(true);
  QTest::mouseClick(viewer.show_button(), Qt::LeftButton);

  zor::test::ScratchDir batch;
  std::string list;
  for (const zor::Recording& recording :
       qobject_cast<CPage1*>(sheet.created_page(CKorPropertySheet::kInputPage))->recordings())
    list += zor::from_cp1250(recording.directory + recording.file_name) + "\n";
  zor::test::write_bytes(batch.path() / "list.txt", list);
  QProcess cli;
  cli.start(QStringLiteral(ZOR_CLI_PATH),
            {QStringLiteral("run"), QStringLiteral("--quiet"), QStringLiteral("--out-dir"),
             QString::fromStdString(batch.path().string()), QStringLiteral("--list"),
             QString::fromStdString((batch.path() / "list.txt").string()), QStringLiteral("--specs"),
             QString::fromStdString((output.path() / "specifikaciok.txt").string()),
             QStringLiteral("--details"), QStringLiteral("--distribution")});
  ASSERT_TRUE(cli.waitForFinished(60000));
  ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();

  for (const char* file : {"output_sentences.txt", "output_words.txt", "output_sounds.txt",
                           "output_result.txt", "output_result_dev.txt", "output.txt"}) {
    SCOPED_TRACE(file);
    std::string wizard_bytes = zor::test::read_bytes(output.path() / file);
    EXPECT_FALSE(wizard_bytes.empty());
    EXPECT_EQ(wizard_bytes, zor::test::read_bytes(batch.path() / file));
  }
}

TEST_F(WizardRuns, CancelInTheProgressWindowStopsTheConversion) {
  cancel_at_first_step();
  QTest::mouseClick(page->conversion_button(), Qt::LeftButton);
  EXPECT_EQ(dialogs.messages, std::vector<QString>{QString::fromUtf8("A konverzió megszakítva!")});
  EXPECT_EQ(line_count(output.path() / "output_sentences.txt"), 2);
  EXPECT_TRUE(sheet.isEnabled());
}

TEST_F(WizardRuns, DecliningTheConversionWritesNothing) {
  dialogs.answers = {false};
  QTest::mouseClick(page->conversion_button(), Qt::LeftButton);
  EXPECT_FALSE(fs::exists(output.path() / "output_sentences.txt"));
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
