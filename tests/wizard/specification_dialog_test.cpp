#include "wizard/specification_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

using Mode = SpecificationDialog::Mode;

class SpecificationDialogTest : public testing::Test {
 protected:
  zor::SpecificationChoices choices{{"_", "A:", "a"}, {"Hang", "V"}, {"<BARMI>;V;<SEMMI>"}};

  SpecificationDialog make(Mode mode = Mode::kNew) {
    return SpecificationDialog(mode, choices, zor::default_specification_form(choices));
  }

  template <class Widget>
  static Widget& child(SpecificationDialog& dialog, const char* name) {
    Widget* found = dialog.findChild<Widget*>(name);
    EXPECT_NE(found, nullptr) << name;
    return *found;
  }
};

TEST_F(SpecificationDialogTest, OpensWithTheDefaultsAndTheSoundControlsEnabled) {
  SpecificationDialog dialog(Mode::kNew, choices, zor::default_specification_form(choices));
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Új specifikáció meghatározása"));
  EXPECT_TRUE(child<QRadioButton>(dialog, "type_h").isChecked());
  EXPECT_EQ(child<QComboBox>(dialog, "sound").currentText(), QStringLiteral("A:"));
  EXPECT_EQ(child<QComboBox>(dialog, "sound").count(), 6);
  EXPECT_EQ(child<QComboBox>(dialog, "before").currentText(), QStringLiteral("<BARMI>;V;<SEMMI>"));
  EXPECT_EQ(child<QComboBox>(dialog, "syllable_operator").currentText(), QStringLiteral(">"));
  EXPECT_EQ(dialog.number_edit().text(), QStringLiteral("0"));
  EXPECT_EQ(child<QComboBox>(dialog, "other_long_count").itemText(2), QStringLiteral("1 v. TOBB"));
  EXPECT_TRUE(child<QCheckBox>(dialog, "text_word").isChecked());
  EXPECT_TRUE(dialog.sound_only_group().isEnabled());
  EXPECT_FALSE(dialog.word_only_group().isEnabled());
}

TEST_F(SpecificationDialogTest, CaptionsFollowTheMode) {
  zor::SpecificationForm form = zor::default_specification_form(choices);
  EXPECT_EQ(SpecificationDialog(Mode::kCopy, choices, form).windowTitle(),
            QString::fromUtf8("Másolat készítése a specifikációról"));
  EXPECT_EQ(SpecificationDialog(Mode::kModify, choices, form).windowTitle(),
            QString::fromUtf8("Specifikáció módosítása"));
}

TEST_F(SpecificationDialogTest, TheTypeButtonsSwapTheEnablingAndKeepTheValues) {
  SpecificationDialog dialog(Mode::kNew, choices, zor::default_specification_form(choices));
  child<QComboBox>(dialog, "sound").setCurrentIndex(4);
  child<QRadioButton>(dialog, "type_sz").click();
  EXPECT_FALSE(dialog.sound_only_group().isEnabled());
  EXPECT_TRUE(dialog.word_only_group().isEnabled());
  EXPECT_TRUE(child<QComboBox>(dialog, "syllable_operator").isEnabled());
  dialog.name_edit().setText("w");
  EXPECT_EQ(dialog.record()[zor::kSpecSound], "");
  child<QRadioButton>(dialog, "type_h").click();
  EXPECT_TRUE(dialog.sound_only_group().isEnabled());
  EXPECT_EQ(dialog.record()[zor::kSpecSound], "<V>");
}

TEST_F(SpecificationDialogTest, OkRefusesABlankNameThenABlankNumberByFocusOnly) {
  SpecificationDialog dialog(Mode::kNew, choices, zor::default_specification_form(choices));
  dialog.show();
  dialog.name_edit().setText("   ");
  dialog.number_edit().setText("  ");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(dialog.focusWidget(), &dialog.name_edit());
  dialog.name_edit().setText(" x ");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(dialog.focusWidget(), &dialog.number_edit());
  dialog.number_edit().setText(" 2");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  // Trimming is for the test only: the texts are stored as typed.
  EXPECT_EQ(dialog.record()[zor::kSpecName], " x ");
  EXPECT_EQ(dialog.record()[zor::kSpecSyllableCount], ">  2");
}

TEST_F(SpecificationDialogTest, LineBreaksInTheEditsBecomeBlanks) {
  SpecificationDialog dialog(Mode::kNew, choices, zor::default_specification_form(choices));
  dialog.name_edit().setText(QStringLiteral("a\tb\r\nc"));
  dialog.number_edit().setText(QStringLiteral("1\t2"));
  zor::Specification record = dialog.record();
  EXPECT_EQ(record[zor::kSpecName], "a b  c");
  EXPECT_EQ(record[zor::kSpecSyllableCount], "> 1 2");
}

TEST_F(SpecificationDialogTest, ShowsADecodedRowAndGivesItBack) {
  zor::Specification stored;
  stored.fields = {"\xe9v", "SZ", "", "", "", "", "< 3", "VESSZO ELOTT", "NEM", "2", "4", "0"};
  SpecificationDialog dialog(Mode::kModify, choices, zor::decode_specification(stored, choices));
  EXPECT_TRUE(child<QRadioButton>(dialog, "type_sz").isChecked());
  EXPECT_EQ(dialog.name_edit().text(), QString::fromUtf8("év"));
  EXPECT_EQ(child<QComboBox>(dialog, "sound").currentIndex(), -1);
  EXPECT_FALSE(child<QCheckBox>(dialog, "text_word").isChecked());
  EXPECT_EQ(dialog.record(), stored);
}

}  // namespace
