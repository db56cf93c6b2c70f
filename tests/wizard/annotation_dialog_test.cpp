// Page 1's TextGrid settings: what the dialog shows and keeps, and a symbol
// table that cannot be read is refused before it is kept.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include "platform/encoding.h"
#include "support/test_files.h"
#include "wizard/annotation_dialog.h"
#include "wizard/fake_user_dialogs.h"
#include "wizard/kor_property_sheet.h"
#include "wizard/page1.h"

namespace {

using zor::gui::AnnotationSettings;

template <typename Widget>
Widget* child(QDialog& dialog, const char* name) {
  auto* widget = dialog.findChild<Widget*>(QLatin1String(name));
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

class AnnotationDialogTest : public testing::Test {
 protected:
  void TearDown() override {
    QSettings settings;
    AnnotationSettings{}.save(settings);
  }
  // Presses page 1's "Beállítások" with `fill` playing the user in the dialog.
  void edit_on_page_one(std::function<bool(QDialog&)> fill) {
    CKorPropertySheet sheet;
    sheet.show_page(CKorPropertySheet::kInputPage);
    auto* page = sheet.created<CPage1>(CKorPropertySheet::kInputPage);
    dialogs.on_dialog = std::move(fill);
    QTest::mouseClick(page->findChild<QPushButton*>(QStringLiteral("textgrid_settings")), Qt::LeftButton);
  }

  zor::test::FakeUserDialogs dialogs;
  zor::test::ScratchDir dir;
};

TEST_F(AnnotationDialogTest, OkKeepsTheTiersAndTheSymbolsForTheNextSession) {
  edit_on_page_one([](QDialog& dialog) {
    child<QLineEdit>(dialog, "sound_tier")->setText(QStringLiteral(" hangok "));
    child<QLineEdit>(dialog, "word_tier")->setText(QString::fromUtf8("szavak ő"));
    child<QComboBox>(dialog, "symbols")->setCurrentIndex(1);
    EXPECT_FALSE(child<QLineEdit>(dialog, "symbol_table")->isEnabled());
    return zor::test::press_ok(dialog);
  });
  AnnotationSettings kept = AnnotationSettings::load(QSettings());
  EXPECT_EQ(kept.sound_tier, "hangok");
  EXPECT_EQ(kept.word_tier, "szavak ő");
  EXPECT_EQ(kept.symbols, "mfa");
  std::string reason;
  EXPECT_TRUE(kept.options(reason)) << reason;

  // The dialog opens with what was kept; Mégsem changes nothing.
  edit_on_page_one([](QDialog& dialog) {
    EXPECT_EQ(child<QLineEdit>(dialog, "sound_tier")->text(), QStringLiteral("hangok"));
    EXPECT_EQ(child<QComboBox>(dialog, "symbols")->currentIndex(), 1);
    child<QComboBox>(dialog, "symbols")->setCurrentIndex(2);
    return false;
  });
  EXPECT_EQ(AnnotationSettings::load(QSettings()).symbols, "mfa");
}

TEST_F(AnnotationDialogTest, AnUnreadableSymbolTableIsRefusedAndAReadableOneKept) {
  const std::string table = dir.file("jelek.tsv");
  edit_on_page_one([&](QDialog& dialog) {
    child<QComboBox>(dialog, "symbols")->setCurrentIndex(3);
    child<QLineEdit>(dialog, "symbol_table")->setText(QString::fromStdString(table));
    EXPECT_FALSE(zor::test::press_ok(dialog)) << "no such file";
    EXPECT_EQ(dialogs.messages.size(), 1u);
    zor::test::write_bytes(table, "aa\tA:\nkk\tk:\n");
    return zor::test::press_ok(dialog);
  });
  EXPECT_EQ(AnnotationSettings::load(QSettings()).symbols, zor::to_cp1250(table));
}

}  // namespace
