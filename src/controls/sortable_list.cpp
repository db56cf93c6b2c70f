#include "controls/sortable_list.h"

#include <QHeaderView>
#include <QStyledItemDelegate>

#include "platform/encoding.h"

namespace {

// Paints the selection only in column 0 for the narrow highlight modes.
class FirstColumnHighlight : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem cell(option);
    if (index.column() > 0) cell.state &= ~QStyle::State_Selected;
    QStyledItemDelegate::paint(painter, cell, index);
  }
};

}  // namespace

CSortableList::CSortableList(QWidget* parent) : QTreeWidget(parent) {
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  // The selection stays as visible when the list loses the focus.
  QPalette colours = palette();
  for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
    colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
  setPalette(colours);
  header()->setSectionsMovable(false);
  header()->setSectionsClickable(true);
  connect(header(), &QHeaderView::sectionClicked, this, &CSortableList::sort_by_column);
  SetHighlightMode(kHighlightLabel);
}

bool CSortableList::SetColumnKinds(const std::vector<int>& kinds) {
  column_kinds_.clear();
  for (int kind : kinds) {
    if (kind < 0 || kind > zor::kHighestColumnKind) {
      column_kinds_.clear();
      return false;
    }
    column_kinds_.push_back(static_cast<zor::ColumnKind>(kind));
  }
  return true;
}

bool CSortableList::EnableSorting(bool on) {
  bool previous = sorting_enabled_;
  sorting_enabled_ = on;
  return previous;
}

int CSortableList::SetHighlightMode(int mode) {
  int previous = highlight_mode_;
  if (mode < kHighlightLabel || mode > kHighlightRow) return previous;
  highlight_mode_ = mode;
  bool whole_row = mode == kHighlightRow;
  setAllColumnsShowFocus(whole_row);
  // The last column reaches the right edge, so a whole-row highlight has no
  // unpainted strip beyond it.
  header()->setStretchLastSection(whole_row);
  QAbstractItemDelegate* old = itemDelegate();
  setItemDelegate(whole_row ? new QStyledItemDelegate(this) : new FirstColumnHighlight(this));
  if (old && old->parent() == this) old->deleteLater();
  viewport()->update();
  return previous;
}

bool CSortableList::SetHeaderDragReorder(bool on) {
  bool previous = header()->sectionsMovable();
  header()->setSectionsMovable(on);
  return previous;
}

zor::ColumnKind CSortableList::kind_of(int column) const {
  return column >= 0 && static_cast<size_t>(column) < column_kinds_.size()
             ? column_kinds_[static_cast<size_t>(column)]
             : zor::kKindText;
}

void CSortableList::sort_by_column(int column) {
  if (!sorting_enabled_ || column < 0 || column >= columnCount()) return;
  sort_ascending_ = column != sort_column_ || !sort_ascending_;
  sort_column_ = column;

  std::vector<std::string> cells;
  cells.reserve(static_cast<size_t>(topLevelItemCount()));
  for (int row = 0; row < topLevelItemCount(); ++row)
    cells.push_back(zor::to_cp1250(topLevelItem(row)->text(column).toStdString()));
  std::vector<size_t> order = zor::sorted_row_order(cells, kind_of(column), sort_ascending_);

  // Taking all rows out and putting them back keeps this linear; the rows
  // keep their data, and the selection and the current row are restored.
  QTreeWidgetItem* current = currentItem();
  QList<QTreeWidgetItem*> selected = selectedItems();
  QList<QTreeWidgetItem*> rows = invisibleRootItem()->takeChildren();
  QList<QTreeWidgetItem*> sorted;
  sorted.reserve(rows.size());
  for (size_t index : order) sorted.append(rows[static_cast<qsizetype>(index)]);
  addTopLevelItems(sorted);
  if (current) setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
  for (QTreeWidgetItem* item : selected) item->setSelected(true);
}

QTreeWidgetItem* CSortableList::first_selected_item() const {
  for (int row = 0; row < topLevelItemCount(); ++row) {
    if (topLevelItem(row)->isSelected()) return topLevelItem(row);
  }
  return nullptr;
}
