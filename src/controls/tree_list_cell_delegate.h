#pragma once
// Draws the tree-list control's cells; a text too wide for its cell is cut
// and ends in "...".
#include <QFontMetrics>
#include <QString>
#include <QStyledItemDelegate>

// The text as a cell `cell_width` pixels wide shows it: unchanged when it
// fits into cell_width - 8; otherwise characters are removed from its end
// until it fits, one more goes, and "..." is appended.
QString elide_cell_text(const QString& text, int cell_width, const QFontMetrics& metrics);

class TreeListCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};
