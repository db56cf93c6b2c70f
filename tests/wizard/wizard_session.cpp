#include "wizard/wizard_session.h"

#include <QCheckBox>
#include <QProcess>
#include <QTest>
#include <filesystem>

#include "controls/icon_button.h"
#include "platform/encoding.h"
#include "wizard/page1.h"
#include "wizard/page5.h"
#include "wizard/result_view_dialog.h"

namespace zor::test {

namespace fs = std::filesystem;

void WizardSession::SetUpTestSuite() {
  corpus_ = new ScratchDir;
  QProcess generator;
  generator.start(QStringLiteral(ZOR_GENERATOR_PATH),
                  {QStringLiteral("--out"), QString::fromStdString(corpus_->path().string()),
                   QStringLiteral("--recordings"), QString::number(kRecordings),
                   QStringLiteral("--seed"), QStringLiteral("7")});
  ASSERT_TRUE(generator.waitForFinished(60000));
  ASSERT_EQ(generator.exitCode(), 0);
}

void WizardSession::TearDownTestSuite() {
  delete corpus_;
  corpus_ = nullptr;
}

void WizardSession::SetUp() {
  QStringList wavs;
  for (const auto& entry : fs::recursive_directory_iterator(corpus_->path()))
    if (entry.path().extension() == ".wav") wavs << QString::fromStdString(entry.path().string());
  wavs.sort();
  ASSERT_EQ(wavs.size(), kRecordings);
  sheet.show();
  qobject_cast<CPage1*>(sheet.created_page(CKorPropertySheet::kInputPage))->add_recording_paths(wavs);
  sheet.show_page(CKorPropertySheet::kLabelPage);  // builds the default tree
}

void WizardSession::show_output_page() {
  sheet.show_page(CKorPropertySheet::kOutputPage);
  page = qobject_cast<CPage5*>(sheet.created_page(CKorPropertySheet::kOutputPage));
  page->set_directory(QString::fromStdString(output.path().string()));
}

void WizardSession::run_from_page_five() {
  QTest::mouseClick(page->conversion_button(), Qt::LeftButton);
  QTest::mouseClick(page->query_button(), Qt::LeftButton);
  CResultViewDialog viewer(page->directory(), page->base_name());
  viewer.details_box()->setChecked(true);
  viewer.distribution_box()->setChecked(true);
  QTest::mouseClick(viewer.show_button(), Qt::LeftButton);
}

void WizardSession::run_batch(const QStringList& inputs) {
  std::string list;
  for (const Recording& recording :
       qobject_cast<CPage1*>(sheet.created_page(CKorPropertySheet::kInputPage))->recordings())
    list += from_cp1250(recording.directory + recording.file_name) + "\n";
  write_bytes(batch.path() / "list.txt", list);
  QProcess cli;
  cli.start(QStringLiteral(ZOR_CLI_PATH),
            QStringList{QStringLiteral("run"), QStringLiteral("--quiet"),
                        QStringLiteral("--out-dir"), QString::fromStdString(batch.path().string()),
                        QStringLiteral("--list"),
                        QString::fromStdString((batch.path() / "list.txt").string())}
                << inputs << QStringLiteral("--details") << QStringLiteral("--distribution"));
  ASSERT_TRUE(cli.waitForFinished(60000));
  ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
}

void WizardSession::expect_the_batch_run_wrote_the_same() {
  for (const char* file : {"output_sentences.txt", "output_words.txt", "output_sounds.txt",
                           "output_result.txt", "output_result_dev.txt", "output.txt"}) {
    SCOPED_TRACE(file);
    std::string wizard_bytes = read_bytes(output.path() / file);
    EXPECT_FALSE(wizard_bytes.empty());
    EXPECT_EQ(wizard_bytes, read_bytes(batch.path() / file));
  }
}

}  // namespace zor::test
