#include "wizard/result_view_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "support/test_files.h"
#include "wizard/fake_user_dialogs.h"

namespace {

namespace fs = std::filesystem;
using zor::test::read_bytes;
using zor::test::write_bytes;

constexpr const char* kHeader =
    "EREDMENY_SPECNEV\tEREDMENY_SPECTIPUS\tEREDMENY_DB\tEREDMENY_ATLAG\tEREDMENY_MIN\t"
    "EREDMENY_MAX\r\n";

class ResultViewTest : public testing::Test {
 protected:
  QString directory() const {
    return QString::fromStdString(scratch.path().string()) + QDir::separator();
  }
  std::vector<QString> listed(const CResultViewDialog& dialog) const {
    std::vector<QString> names;
    for (int row = 0; row < dialog.list()->count(); ++row)
      names.push_back(dialog.list()->item(row)->text());
    return names;
  }
  static std::vector<bool> ticks(const CResultViewDialog& dialog) {
    std::vector<bool> ticked;
    for (const zor::ReportEntry& entry : dialog.entries()) ticked.push_back(entry.ticked);
    return ticked;
  }
  // The corpus and result tables of the worked report example.
  void copy_report_tables() {
    for (const char* name : {"output_result.txt", "output_result_dev.txt", "output_sentences.txt",
                             "output_words.txt", "output_sounds.txt"}) {
      fs::copy_file(zor::test::data_file(std::string("report/") + name), scratch.path() / name);
    }
  }
  zor::test::FakeUserDialogs dialogs;
  zor::test::ScratchDir scratch;
};

TEST_F(ResultViewTest, ListsEveryResultLineTickedInFileOrder) {
  write_bytes(scratch.path() / "adat_result.csv",
              std::string(kHeader) + "b2\tH\t1\t1\t1;1;1;1\t1;1;1;1\r\n" +
                  "a1\tSZ\t1\t1\t1;1;1;1\t1;1;1;1\r\n" + "b2\tH\t1\t1\t1;1;1;1\t1;1;1;1\r\n");
  CResultViewDialog dialog(directory(), QStringLiteral("adat.csv"));
  EXPECT_EQ(listed(dialog), (std::vector<QString>{"b2", "a1", "b2"}));
  EXPECT_EQ(ticks(dialog), (std::vector<bool>{true, true, true}));
  EXPECT_FALSE(dialog.details_box()->isChecked());
  EXPECT_FALSE(dialog.distribution_box()->isChecked());
  EXPECT_EQ(dialog.names().report, (scratch.path() / "adat.csv").string());
}

TEST_F(ResultViewTest, HeaderOnlyOrMissingTableGivesAnEmptyList) {
  CResultViewDialog missing(directory(), QStringLiteral("output.txt"));
  EXPECT_EQ(missing.list()->count(), 0);
  write_bytes(scratch.path() / "output_result.txt", kHeader);
  CResultViewDialog header_only(directory(), QStringLiteral("output.txt"));
  EXPECT_EQ(header_only.list()->count(), 0);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ResultViewTest, TickButtonsTickAndUntickEveryEntry) {
  write_bytes(scratch.path() / "output_result.txt",
              std::string(kHeader) + "x\tH\t1\t1\t\t\r\n" + "y\tH\t1\t1\t\t\r\n");
  CResultViewDialog dialog(directory(), QStringLiteral("output.txt"));
  QTest::mouseClick(dialog.untick_all_button(), Qt::LeftButton);
  EXPECT_EQ(ticks(dialog), (std::vector<bool>{false, false}));
  dialog.list()->item(1)->setCheckState(Qt::Checked);
  EXPECT_EQ(ticks(dialog), (std::vector<bool>{false, true}));
  QTest::mouseClick(dialog.tick_all_button(), Qt::LeftButton);
  EXPECT_EQ(ticks(dialog), (std::vector<bool>{true, true}));
}

TEST_F(ResultViewTest, ShowWritesTheTickedReportAndOpensItEveryTime) {
  copy_report_tables();
  CResultViewDialog dialog(directory(), QStringLiteral("output.txt"));
  dialog.show();
  ASSERT_GE(dialog.list()->count(), 1);
  QTest::mouseClick(dialog.untick_all_button(), Qt::LeftButton);
  for (int row = 0; row < dialog.list()->count(); ++row)
    if (dialog.list()->item(row)->text() == "V1") dialog.list()->item(row)->setCheckState(Qt::Checked);
  dialog.details_box()->setChecked(true);
  dialog.distribution_box()->setChecked(true);
  QTest::mouseClick(dialog.show_button(), Qt::LeftButton);
  fs::path report = scratch.path() / "output.txt";
  EXPECT_EQ(read_bytes(report), read_bytes(zor::test::data_file("report/expected_report.txt")));
  ASSERT_EQ(dialogs.opened.size(), 1u);
  EXPECT_EQ(dialogs.opened[0], QString::fromStdString(report.string()));

  QTest::mouseClick(dialog.untick_all_button(), Qt::LeftButton);
  QTest::mouseClick(dialog.show_button(), Qt::LeftButton);
  EXPECT_EQ(read_bytes(report), "");
  EXPECT_EQ(dialogs.opened.size(), 2u);
  EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
