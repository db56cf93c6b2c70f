#include "controls/icon_button.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <algorithm>

#include "controls/icon_paths.h"

namespace {

constexpr QPoint kPressedOffset{1, 1};

QPixmap load_icon(const QString& path) {
  zor::icons::ensure_loaded();
  QSvgRenderer renderer(path);
  if (!renderer.isValid()) return {};
  QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  return QPixmap::fromImage(image);
}

}  // namespace

CIconButton::CIconButton(QWidget* parent) : CIconButton(QString(), parent) {}

CIconButton::CIconButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
  setFlat(true);
  // Enter presses it only when the page makes it the default button.
  setAutoDefault(false);
  setAttribute(Qt::WA_Hover);
  const QPalette& colours = palette();
  for (int state = 0; state < kColourCount; state += 2) {
    colours_[static_cast<size_t>(state)] = colours.color(QPalette::Button);
    colours_[static_cast<size_t>(state + 1)] = colours.color(QPalette::ButtonText);
  }
}

void CIconButton::SetIcons(const QString& hot_path, const QString& normal_path) {
  icon_hot_ = load_icon(hot_path);
  icon_normal_ = normal_path.isEmpty() ? QPixmap() : load_icon(normal_path);
  if (icon_hot_.isNull() || (!normal_path.isEmpty() && icon_normal_.isNull())) {
    icon_hot_ = QPixmap();
    icon_normal_ = QPixmap();
  }
  updateGeometry();
  update();
}

void CIconButton::SetBorderShown(bool on, bool repaint) {
  border_shown_ = on;
  if (repaint) update();
}

void CIconButton::SetHintText(const QString& text, bool activate) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  hint_ = shown;
  // An inactive tip keeps its text until it is activated.
  if (activate) setToolTip(hint_);
}

int CIconButton::ShiftColour(int index, int shade, bool repaint) {
  if (index < 0 || index >= kColourCount) return kBadColourIndex;
  if (shade < -255 || shade > 255) return kBadShade;
  QColor& colour = colours_[static_cast<size_t>(index)];
  int highest = std::max({colour.red(), colour.green(), colour.blue()});
  int lowest = std::min({colour.red(), colour.green(), colour.blue()});
  int amount = shade >= 0 ? std::min(shade, 255 - highest) : std::max(shade, -lowest);
  colour.setRgb(colour.red() + amount, colour.green() + amount, colour.blue() + amount);
  if (repaint) update();
  return kShifted;
}

bool CIconButton::shows_hot() const {
  if (isCheckable()) return isChecked();
  return isDown() || hovering_;
}

QPixmap CIconButton::current_icon() const {
  if (shows_hot() || icon_normal_.isNull()) return icon_hot_;
  return icon_normal_;
}

QSize CIconButton::icon_size() const {
  QSize natural = icon_hot_.size();
  QSize room = size() - QSize(2 * kMargin, 2 * kMargin);
  if (natural.width() <= room.width() && natural.height() <= room.height()) return natural;
  return natural.scaled(room.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio);
}

QRect CIconButton::icon_rect() const {
  if (icon_hot_.isNull()) return {};
  QSize shown = icon_size();
  int top = (height() - shown.height()) / 2;
  int left = text().isEmpty() ? (width() - shown.width()) / 2 : kMargin;
  QRect place(QPoint(left, top), shown);
  if (isDown() && !isCheckable()) place.translate(kPressedOffset);
  return place;
}

QSize CIconButton::sizeHint() const {
  QSize text_size = text().isEmpty() ? QSize() : fontMetrics().size(0, text());
  QSize icon = icon_hot_.size();
  int width = icon.width() + text_size.width() + 4 * kMargin + (text().isEmpty() ? 0 : 8);
  int height = std::max(icon.height(), text_size.height()) + 2 * kMargin;
  return {width, height};
}

void CIconButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  bool pressed = isDown() || (isCheckable() && isChecked());
  bool hot = pressed || hovering_;
  int state = hot ? kBackgroundHot : hasFocus() ? kBackgroundFocus : kBackgroundNormal;
  painter.fillRect(rect(), colours_[static_cast<size_t>(state)]);

  if (border_shown_ && hot) {
    const QPalette& colours = palette();
    QColor top_left = pressed ? colours.color(QPalette::Dark) : colours.color(QPalette::Light);
    QColor bottom_right = pressed ? colours.color(QPalette::Light) : colours.color(QPalette::Dark);
    QRect edge = rect().adjusted(0, 0, -1, -1);
    painter.setPen(top_left);
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(bottom_right);
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
  }

  QRect icon_place = icon_rect();
  QPixmap icon = current_icon();
  if (!icon.isNull()) {
    if (!isEnabled()) {
      QStyleOption option;
      option.initFrom(this);
      icon = style()->generatedIconPixmap(QIcon::Disabled, icon, &option);
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(icon_place, icon);
  }

  if (!text().isEmpty()) {
    // The text is centred in the room the icon leaves, broken into lines
    // when one line does not fit.
    QRect text_room = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    if (!icon_place.isNull()) text_room.setLeft(icon_place.right() + kMargin);
    int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (isEnabled()) {
      painter.setPen(colours_[static_cast<size_t>(state + 1)]);
      painter.drawText(text_room, flags, text());
    } else {
      style()->drawItemText(&painter, text_room, flags, palette(), false, text(),
                            QPalette::ButtonText);
    }
  }
}

void CIconButton::enterEvent(QEnterEvent* event) {
  // A drag that started elsewhere does not light the button up.
  if (!(QApplication::mouseButtons() & Qt::LeftButton) || isDown()) {
    hovering_ = true;
    update();
  }
  QPushButton::enterEvent(event);
}

void CIconButton::leaveEvent(QEvent* event) {
  end_hovering();
  QPushButton::leaveEvent(event);
}

void CIconButton::focusOutEvent(QFocusEvent* event) {
  end_hovering();
  QPushButton::focusOutEvent(event);
}

void CIconButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled()) end_hovering();
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) end_hovering();
  QPushButton::changeEvent(event);
}

void CIconButton::end_hovering() {
  if (!hovering_) return;
  hovering_ = false;
  update();
}
