#include "controls/icon_button.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include "controls/icon_paths.h"

namespace {

struct ShiftCase {
  QColor start;
  int shade;
  QColor expected;
};

class IconButtonShift : public testing::TestWithParam<ShiftCase> {};

TEST_P(IconButtonShift, AddsTheSameAmountToEveryChannelWithinRange) {
  const ShiftCase& c = GetParam();
  QPalette palette;
  palette.setColor(QPalette::Button, c.start);
  // The colours are taken from the palette at construction.
  QApplication::setPalette(palette);
  CIconButton fresh;
  QApplication::setPalette(QPalette());
  ASSERT_EQ(fresh.colour(CIconButton::kBackgroundHot).rgb(), c.start.rgb());
  EXPECT_EQ(fresh.ShiftColour(CIconButton::kBackgroundHot, c.shade), CIconButton::kShifted);
  EXPECT_EQ(fresh.colour(CIconButton::kBackgroundHot).rgb(), c.expected.rgb());
  EXPECT_EQ(fresh.colour(CIconButton::kBackgroundNormal).rgb(), c.start.rgb());
}

INSTANTIATE_TEST_SUITE_P(
    Shades, IconButtonShift,
    testing::Values(ShiftCase{QColor(192, 192, 192), 30, QColor(222, 222, 222)},
                    ShiftCase{QColor(250, 100, 100), 30, QColor(255, 105, 105)},
                    ShiftCase{QColor(20, 100, 200), -50, QColor(0, 80, 180)},
                    ShiftCase{QColor(0, 0, 0), 255, QColor(255, 255, 255)},
                    ShiftCase{QColor(255, 255, 255), 30, QColor(255, 255, 255)}));

TEST(IconButton, ShiftColourRejectsBadArguments) {
  CIconButton button;
  QColor before = button.colour(0);
  EXPECT_EQ(button.ShiftColour(6, 10), CIconButton::kBadColourIndex);
  EXPECT_EQ(button.ShiftColour(-1, 10), CIconButton::kBadColourIndex);
  EXPECT_EQ(button.ShiftColour(0, 256), CIconButton::kBadShade);
  EXPECT_EQ(button.ShiftColour(0, -256), CIconButton::kBadShade);
  EXPECT_EQ(button.colour(0), before);
}

class IconButtonStates : public testing::Test {
 protected:
  void SetUp() override {
    button.resize(34, 30);
    button.SetIcons(zor::icons::kNextPageHot, zor::icons::kNextPage);
    button.SetBorderShown(false);
    button.SetHintText(QString::fromUtf8("Következő lap"));
    button.show();
  }
  void hover() {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);
  }
  CIconButton button;
};

TEST_F(IconButtonStates, ShowsTheHotIconOnlyWhileHoveredOrPressed) {
  QPixmap normal = button.current_icon();
  ASSERT_FALSE(normal.isNull());
  EXPECT_EQ(normal.size(), QSize(32, 32));
  hover();
  EXPECT_TRUE(button.is_hovering());
  EXPECT_NE(button.current_icon().toImage(), normal.toImage());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&button, &leave);
  EXPECT_FALSE(button.is_hovering());
  EXPECT_EQ(button.current_icon().toImage(), normal.toImage());
  button.setDown(true);
  EXPECT_NE(button.current_icon().toImage(), normal.toImage());
}

TEST_F(IconButtonStates, PressedIconMovesOnePixelRightAndDown) {
  QRect resting = button.icon_rect();
  EXPECT_EQ(resting.center(), button.rect().center());
  button.setDown(true);
  EXPECT_EQ(button.icon_rect(), resting.translated(1, 1));
}

TEST_F(IconButtonStates, TooltipBreaksLinesAndDisablingEndsHover) {
  button.SetHintText(QStringLiteral("egy\r\nketto"));
  EXPECT_EQ(button.toolTip(), QStringLiteral("egy\nketto"));
  hover();
  button.setEnabled(false);
  EXPECT_FALSE(button.is_hovering());
  EXPECT_FALSE(button.border_shown());
}

TEST_F(IconButtonStates, UnloadableIconLeavesNoIcons) {
  button.SetIcons(QStringLiteral(":/icons/missing.svg"), zor::icons::kNextPage);
  EXPECT_TRUE(button.current_icon().isNull());
  EXPECT_TRUE(button.icon_rect().isNull());
}

TEST_F(IconButtonStates, SingleIconIsShownInEveryState) {
  button.SetIcons(zor::icons::kRun);
  QImage shown = button.current_icon().toImage();
  hover();
  EXPECT_EQ(button.current_icon().toImage(), shown);
}

TEST_F(IconButtonStates, ClickReachesTheDialog) {
  QSignalSpy clicks(&button, &QPushButton::clicked);
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicks.count(), 1);
}

}  // namespace
