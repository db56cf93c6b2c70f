#include "wizard/user_dialogs.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>

#include "wizard/fake_user_dialogs.h"

namespace {

using zor::gui::Box;
using zor::gui::BoxIcon;
using zor::gui::YesNoButtons;

const Box kQuestion{BoxIcon::question, QString::fromUtf8("Kérdés"), QStringLiteral("Biztos?")};

TEST(QuestionBox, HungarianButtonsWithYesAsTheDefault) {
  std::unique_ptr<QMessageBox> box =
      zor::gui::make_question_box(nullptr, kQuestion, YesNoButtons::hungarian);
  EXPECT_EQ(box->icon(), QMessageBox::Question);
  EXPECT_EQ(box->windowTitle(), kQuestion.caption);
  EXPECT_EQ(box->text(), kQuestion.text);
  EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QStringLiteral("Igen"));
  EXPECT_EQ(box->button(QMessageBox::No)->text(), QStringLiteral("Nem"));
  EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
  EXPECT_EQ(box->buttons().size(), 2);
}

TEST(QuestionBox, StandardButtonsKeepQtsTextsAndNoDefault) {
  std::unique_ptr<QMessageBox> box = zor::gui::make_question_box(
      nullptr, {BoxIcon::warning, QString::fromUtf8("Törlés"), QStringLiteral("?")},
      YesNoButtons::standard);
  EXPECT_EQ(box->icon(), QMessageBox::Warning);
  EXPECT_NE(box->button(QMessageBox::Yes)->text(), QStringLiteral("Igen"));
  EXPECT_EQ(box->defaultButton(), nullptr);
}

TEST(ScopedUserDialogs, InnerInstallationGivesWayToTheOuterOne) {
  zor::gui::UserDialogs& real = zor::gui::user_dialogs();
  {
    zor::test::FakeUserDialogs outer;
    EXPECT_EQ(&zor::gui::user_dialogs(), &outer);
    {
      zor::test::FakeUserDialogs inner;
      EXPECT_EQ(&zor::gui::user_dialogs(), &inner);
    }
    EXPECT_EQ(&zor::gui::user_dialogs(), &outer);
  }
  EXPECT_EQ(&zor::gui::user_dialogs(), &real);
}

}  // namespace
