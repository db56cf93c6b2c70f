#include "wizard/progress_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include "platform/encoding.h"

namespace {

class ProgressWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    QSettings().remove(QStringLiteral("Settings"));
    main_window.resize(600, 400);
    main_window.show();
  }
  QWidget main_window;
};

TEST_F(ProgressWindowTest, TitleShowsTheShareOfFinishedItemsAndNeverPassesHundred) {
  CProgressWindow progress(&main_window, zor::to_cp1250("Konverzió"));
  progress.BeginModal("Progress");
  progress.SetRange(1, 4, 1);
  EXPECT_EQ(progress.windowTitle(), QString::fromUtf8("Konverzió"));
  std::vector<QString> titles;
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(progress.StepIt(), i);
    titles.push_back(progress.windowTitle());
  }
  EXPECT_EQ(titles, (std::vector<QString>{QString::fromUtf8("Konverzió [25%]"),
                                          QString::fromUtf8("Konverzió [50%]"),
                                          QString::fromUtf8("Konverzió [75%]"),
                                          QString::fromUtf8("Konverzió [100%]")}));
  EXPECT_EQ(progress.bar()->value(), progress.bar()->maximum());
  progress.StepIt();
  EXPECT_EQ(progress.windowTitle(), QString::fromUtf8("Konverzió [100%]"));
}

TEST_F(ProgressWindowTest, SingleItemRunGoesStraightToHundred) {
  CProgressWindow progress(&main_window, "Lekerdezes");
  progress.SetRange(1, 1, 1);
  EXPECT_EQ(progress.windowTitle(), QStringLiteral("Lekerdezes"));
  progress.StepIt();
  EXPECT_EQ(progress.windowTitle(), QStringLiteral("Lekerdezes [100%]"));
}

TEST_F(ProgressWindowTest, ModalDisablesTheMainWindowUntilClosed) {
  CProgressWindow progress(&main_window, "Run");
  EXPECT_TRUE(main_window.isEnabled());
  EXPECT_TRUE(progress.BeginModal("Progress"));
  EXPECT_FALSE(main_window.isEnabled());
  EXPECT_TRUE(progress.isEnabled());
  EXPECT_TRUE(progress.cancel_button()->isEnabled());
  EXPECT_EQ(progress.windowTitle(), QStringLiteral("Run"));
  progress.Close();
  EXPECT_TRUE(main_window.isEnabled());
  EXPECT_FALSE(progress.exists());
  // A closed window ignores the run's calls.
  EXPECT_EQ(progress.StepIt(), 0);
  progress.SetText("late");
  EXPECT_EQ(progress.text(), QString());
}

TEST_F(ProgressWindowTest, TextKeepsLinesAndAmpersandsAndIsCut) {
  CProgressWindow progress(&main_window, "Run");
  progress.SetText(zor::to_cp1250("Kis türelmet kérek...\n\nA & B.wav"));
  EXPECT_EQ(progress.text(), QString::fromUtf8("Kis türelmet kérek...\n\nA & B.wav"));
  progress.SetText(std::string(600, 'x'));
  EXPECT_EQ(progress.text().size(), 511);
}

TEST_F(ProgressWindowTest, EscapeWhilePumpingCancels) {
  CProgressWindow progress(&main_window, "Run");
  progress.BeginModal("Progress");
  QCoreApplication::postEvent(&main_window,
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  progress.PumpMessages(true);
  EXPECT_TRUE(progress.IsCancelled());
  EXPECT_FALSE(progress.isVisible());
  EXPECT_TRUE(main_window.isEnabled());
  progress.Close();
  EXPECT_TRUE(main_window.isEnabled());
}

TEST_F(ProgressWindowTest, EscapeIsIgnoredWhenTheRunDoesNotAskForIt) {
  CProgressWindow progress(&main_window, "Run");
  progress.BeginModal("Progress");
  QCoreApplication::postEvent(&progress,
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  progress.PumpMessages(false);
  EXPECT_FALSE(progress.IsCancelled());
}

TEST_F(ProgressWindowTest, CancelButtonCancelsAndStaysCancelled) {
  CProgressWindow progress(&main_window, "Run");
  progress.BeginModal("Progress");
  QTest::mouseClick(progress.cancel_button(), Qt::LeftButton);
  EXPECT_TRUE(progress.IsCancelled());
  EXPECT_FALSE(progress.exists());
  progress.PumpMessages(true);
  EXPECT_TRUE(progress.IsCancelled());
}

TEST_F(ProgressWindowTest, LayoutFitsFourLinesAboveTheBarAndButton) {
  CProgressWindow progress(&main_window, "Run");
  QFontMetrics metrics(progress.font());
  QRect bar = progress.bar()->geometry();
  QRect button = progress.cancel_button()->geometry();
  EXPECT_EQ(progress.width(), CProgressWindow::kWidth + 20);
  EXPECT_GE(bar.top(), 10 + 4 * metrics.lineSpacing());
  EXPECT_LT(bar.right(), button.left());
  EXPECT_EQ(button.right(), progress.width() - 11);
  EXPECT_LE(button.bottom(), progress.height() - 10);
}

TEST_F(ProgressWindowTest, PositionIsKeptBetweenRunsAndOffScreenPositionsAreCentred) {
  QRect screen = QGuiApplication::primaryScreen()->geometry();
  QPoint kept = screen.topLeft() + QPoint(40, 30);
  {
    CProgressWindow first(&main_window, "Run");
    first.move(kept);
    first.Close();
  }
  QSettings settings;
  EXPECT_EQ(settings.value(QStringLiteral("Settings/X")).toInt(), kept.x());
  EXPECT_EQ(settings.value(QStringLiteral("Settings/Y")).toInt(), kept.y());
  {
    CProgressWindow second(&main_window, "Run");
    EXPECT_EQ(second.frameGeometry().topLeft(), kept);
  }
  settings.setValue(QStringLiteral("Settings/X"), screen.right() + 500);
  settings.sync();
  CProgressWindow third(&main_window, "Run");
  // Centred up to rounding and the frames the platform adds or leaves out.
  QPoint offset = third.frameGeometry().center() - main_window.frameGeometry().center();
  EXPECT_LE(offset.manhattanLength(), 8);
  EXPECT_TRUE(screen.contains(third.frameGeometry().topLeft()));
}

}  // namespace
