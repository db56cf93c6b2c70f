#include "wizard/page1.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QTemporaryDir>

#include "controls/play_wav.h"
#include "controls/sortable_list.h"
#include "controls/sortable_list_compare.h"
#include "controls/wav_test_files.h"
#include "platform/encoding.h"
#include "platform/paths.h"
#include "wizard/kor_property_sheet.h"
#include "wizard/fake_user_dialogs.h"

namespace {

using zor::gui::Box;
using zor::gui::BoxIcon;

const QString kPageTitle = QStringLiteral("ZOR");

Box warning(const char* text) { return {BoxIcon::warning, kPageTitle, QString::fromUtf8(text)}; }

class Page1Test : public testing::Test {
 protected:
  // The page's boxes carry the title of the window the page is in.
  Page1Test() : page(nullptr) { page.setWindowTitle(kPageTitle); }

  // A file in the scratch folder, holding a mono 16-bit recording of 22050 Hz.
  QString wav(const QString& relative, std::uint32_t sample_bytes = 88200) {
    QString path = dir.filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    zor::test::WavLayout w;
    w.channels = 1;
    w.sample_rate = 22050;
    w.sample_bytes = sample_bytes;
    zor::test::write_file(path.toStdString(), zor::test::wav_bytes(w));
    return path;
  }
  std::string folder(const QString& relative = {}) const {
    QString path = relative.isEmpty() ? dir.path() : dir.filePath(relative);
    return zor::with_trailing_separator(zor::to_cp1250(QDir::toNativeSeparators(path).toStdString()));
  }
  std::string names() const {
    std::string joined;
    for (const zor::Recording& r : page.recordings()) joined += r.file_name + " ";
    return joined;
  }
  QPushButton* button(const char* name) { return page.findChild<QPushButton*>(QLatin1String(name)); }
  QTreeWidgetItem* row(int index) const { return page.wav_list()->topLevelItem(index); }
  void select_only(std::initializer_list<int> rows) {
    page.wav_list()->clearSelection();
    for (int index : rows) row(index)->setSelected(true);
  }

  zor::test::FakeUserDialogs dialogs;
  QTemporaryDir dir;
  CPage1 page;
};

TEST_F(Page1Test, FolderTreeAddsOwnLowerCaseWavsBeforeSubfolders) {
  wav("x/c.wav");
  wav("a.wav");
  wav("B.WAV");
  wav("d.Wav");
  QDir().mkpath(dir.filePath("empty"));
  dialogs.directory = dir.path();
  button("add_directory")->click();

  std::vector<zor::Recording> recordings = page.recordings();
  ASSERT_EQ(recordings.size(), 2u);
  EXPECT_EQ(recordings[0].file_name, "a.wav");
  EXPECT_EQ(recordings[0].directory, folder());
  EXPECT_EQ(recordings[1].file_name, "c.wav");
  EXPECT_EQ(recordings[1].directory, folder("x"));
}

TEST_F(Page1Test, CancelledChoosersAddNothing) {
  wav("a.wav");
  button("add_directory")->click();
  button("add_files")->click();
  EXPECT_EQ(page.wav_list()->topLevelItemCount(), 0);
  EXPECT_EQ(dialogs.directory_starts, std::vector<QString>{QString()});
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Page1Test, SameFileTwiceGivesTwoEntriesWithTheirCounters) {
  dialogs.wav_files = {wav("a.wav"), wav("a.wav")};
  button("add_files")->click();
  page.add_recording_paths({wav("a.wav")});
  ASSERT_EQ(page.wav_list()->topLevelItemCount(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(row(i)->text(CPage1::kNameColumn), "a.wav");
    EXPECT_EQ(row(i)->data(0, Qt::UserRole).toInt(), i);
  }
}

TEST_F(Page1Test, FirstEntryIsSelectedAndShowsItsFormat) {
  page.add_recording_paths({wav("a.wav"), wav("b.wav")});
  EXPECT_TRUE(row(0)->isSelected());
  EXPECT_FALSE(row(1)->isSelected());
  EXPECT_EQ(page.information_line(),
            "a.wav :  2.000 sec    44100 minta    22050 Hz    16 bit    1 csatorna  ");
  select_only({1});
  EXPECT_EQ(page.information_line().left(8), "b.wav : ");
}

TEST_F(Page1Test, UnreadableRecordingsShowABlankLine) {
  zor::test::write_file(dir.filePath("bad.wav").toStdString(), "not a wave");
  page.add_recording_paths({dir.filePath("bad.wav"), dir.filePath("gone.wav")});
  EXPECT_EQ(page.information_line(), " ");
  select_only({1});
  EXPECT_EQ(page.information_line(), " ");
  // The vanished file is listed all the same, without size and date.
  EXPECT_EQ(row(1)->text(CPage1::kSizeColumn), "");
  EXPECT_EQ(row(1)->text(CPage1::kDateColumn), "");
  EXPECT_EQ(row(0)->text(CPage1::kSizeColumn), "10");
}

TEST_F(Page1Test, SizeAndDateColumns) {
  page.add_recording_paths({wav("a.wav", 956)});  // 1000 bytes with the header
  QString size = row(0)->text(CPage1::kSizeColumn);
  ASSERT_EQ(size.size(), 5);
  EXPECT_EQ(size.left(1), "1");
  EXPECT_EQ(size.mid(2), "000");
  long long minutes;
  EXPECT_TRUE(zor::parse_list_date(zor::to_cp1250(row(0)->text(CPage1::kDateColumn).toStdString()), minutes))
      << row(0)->text(CPage1::kDateColumn).toStdString();
}

TEST_F(Page1Test, SortingByNameTwiceReversesAndTheConversionFollows) {
  page.add_recording_paths({wav("b.wav"), wav("c.wav"), wav("a.wav")});
  QHeaderView* header = page.wav_list()->header();
  emit header->sectionClicked(CPage1::kNameColumn);
  EXPECT_EQ(names(), "a.wav b.wav c.wav ");
  emit header->sectionClicked(CPage1::kNameColumn);
  EXPECT_EQ(names(), "c.wav b.wav a.wav ");
  // New entries go to the end, unsorted.
  page.add_recording_paths({wav("0.wav")});
  EXPECT_EQ(names(), "c.wav b.wav a.wav 0.wav ");
  EXPECT_EQ(row(3)->data(0, Qt::UserRole).toInt(), 3);
}

TEST_F(Page1Test, DeletingSelectedEntries) {
  page.add_recording_paths({wav("a.wav"), wav("b.wav"), wav("c.wav")});
  select_only({0, 2});
  button("delete_selected")->click();
  EXPECT_EQ(names(), "b.wav ");
  EXPECT_EQ(page.information_line(), " ");
  button("delete_selected")->click();  // nothing selected: nothing happens
  EXPECT_EQ(names(), "b.wav ");
  page.add_recording_paths({wav("d.wav")});
  EXPECT_EQ(row(1)->data(0, Qt::UserRole).toInt(), 1);  // the counter went down
}

TEST_F(Page1Test, DeletingAllEmptiesTheInformationLine) {
  page.add_recording_paths({wav("a.wav"), wav("b.wav")});
  ASSERT_NE(page.information_line(), " ");
  button("delete_all")->click();
  EXPECT_EQ(page.wav_list()->topLevelItemCount(), 0);
  EXPECT_EQ(page.information_line(), "");
  page.add_recording_paths({wav("c.wav")});
  EXPECT_EQ(row(0)->data(0, Qt::UserRole).toInt(), 0);
  EXPECT_TRUE(row(0)->isSelected());
}

TEST_F(Page1Test, TooManyFilesAddsNothing) {
  for (int i = 0; i < 200; ++i) dialogs.wav_files << dir.filePath(QStringLiteral("file%1.wav").arg(i));
  button("add_files")->click();
  EXPECT_EQ(page.wav_list()->topLevelItemCount(), 0);
  EXPECT_EQ(dialogs.messages, std::vector<Box>{warning("Too many files to select")});
}

TEST_F(Page1Test, PlaysTheFirstSelectedEntryFromTheTop) {
  button("play")->click();
  EXPECT_TRUE(dialogs.played.empty());  // nothing selected
  page.add_recording_paths({wav("a.wav"), wav("b.wav"), wav("c.wav")});
  select_only({2, 1});
  button("play")->click();
  ASSERT_EQ(dialogs.played.size(), 1u);
  EXPECT_EQ(dialogs.played[0], folder() + "b.wav");
  EXPECT_TRUE(dialogs.messages.empty());
  dialogs.play_result = kPlayWavNoDevice;  // failing to open stays silent
  button("play")->click();
  EXPECT_TRUE(dialogs.messages.empty());
  dialogs.play_result = kPlayWavPlayFailed;
  button("play")->click();
  EXPECT_EQ(dialogs.messages, std::vector<Box>{warning("most")});
}

TEST(Page1Sheet, NextPageButtonOpensTheLabelPage) {
  CKorPropertySheet sheet;
  auto* page = qobject_cast<CPage1*>(sheet.created_page(CKorPropertySheet::kInputPage));
  ASSERT_NE(page, nullptr);
  ASSERT_EQ(sheet.created_page(CKorPropertySheet::kLabelPage), nullptr);
  page->findChild<QPushButton*>(QStringLiteral("next_page"))->click();
  EXPECT_NE(sheet.created_page(CKorPropertySheet::kLabelPage), nullptr);
}

}  // namespace
