#pragma once
// A flat push button that shows an icon (beside its text, or centred when it
// has none), a "hot" icon while hovered or pressed, and a tooltip.
#include <QColor>
#include <QPixmap>
#include <QPushButton>
#include <array>

class CIconButton : public QPushButton {
  Q_OBJECT

 public:
  // Colour indexes of ShiftColour / colour.
  enum ColourIndex {
    kBackgroundHot = 0,
    kTextHot,
    kBackgroundNormal,
    kTextNormal,
    kBackgroundFocus,
    kTextFocus,
    kColourCount
  };
  enum ShiftResult { kShifted = 0, kBadColourIndex = 3, kBadShade = 5 };

  explicit CIconButton(QWidget* parent = nullptr);
  explicit CIconButton(const QString& text, QWidget* parent = nullptr);

  // Icons by resource path, each drawn at its own size (shrunk only when the
  // button is smaller). An empty normal icon means the hot one is shown
  // always. A path that cannot be loaded leaves the button without icons.
  void SetIcons(const QString& hot_path, const QString& normal_path = {});
  void SetBorderShown(bool on, bool repaint = true);
  // "\r\n" in the text breaks the line.
  void SetHintText(const QString& text, bool activate = true);
  // Adds shade to red, green and blue alike, reduced so that no channel
  // leaves 0..255.
  int ShiftColour(int index, int shade, bool repaint = true);

  QColor colour(int index) const { return colours_.at(static_cast<size_t>(index)); }
  bool border_shown() const { return border_shown_; }
  bool is_hovering() const { return hovering_; }
  // The icon the button shows in its current state (null when it has none).
  QPixmap current_icon() const;
  // Where the icon is drawn, pressed offset included.
  QRect icon_rect() const;

  QSize sizeHint() const override;

  static constexpr int kMargin = 3;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool shows_hot() const;
  QSize icon_size() const;
  void end_hovering();

  QPixmap icon_hot_;
  QPixmap icon_normal_;
  std::array<QColor, kColourCount> colours_;
  bool border_shown_ = true;
  bool hovering_ = false;
  QString hint_;
};
