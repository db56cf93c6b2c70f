#include "controls/tree_list_cell_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace {
// Room kept free at the cell's right end, as the header leaves it too.
constexpr int kCellMargin = 8;
}  // namespace

QString elide_cell_text(const QString& text, int cell_width, const QFontMetrics& metrics) {
  int room = cell_width - kCellMargin;
  if (metrics.horizontalAdvance(text) <= room) return text;
  QString cut = text;
  while (!cut.isEmpty() && metrics.horizontalAdvance(cut) > room) cut.chop(1);
  cut.chop(1);
  return cut + QStringLiteral("...");
}

void TreeListCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  QStyleOptionViewItem cell(option);
  initStyleOption(&cell, index);
  cell.textElideMode = Qt::ElideNone;
  cell.text = elide_cell_text(cell.text, cell.rect.width(), QFontMetrics(cell.font));
  const QWidget* widget = cell.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
}
