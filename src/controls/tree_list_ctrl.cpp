#include "controls/tree_list_ctrl.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <vector>

#include "controls/tree_list_cell_delegate.h"
#include "controls/tree_list_compare.h"
#include "platform/encoding.h"

namespace {

// The item keeps each column's bytes as given, so a text survives the
// round trip through the display unchanged, and sorts by those bytes.
constexpr int kBytesRole = Qt::UserRole + 1;

class TreeListItem : public QTreeWidgetItem {
 public:
  bool bold = false;

  QVariant data(int column, int role) const override {
    if (role == Qt::FontRole && bold && treeWidget()) {
      QFont font = treeWidget()->font();
      font.setWeight(QFont::Bold);
      return font;
    }
    return QTreeWidgetItem::data(column, role);
  }

  std::string bytes(int column) const {
    QByteArray stored = QTreeWidgetItem::data(column, kBytesRole).toByteArray();
    return std::string(stored.constData(), static_cast<size_t>(stored.size()));
  }

  bool operator<(const QTreeWidgetItem& other) const override {
    auto* tree = static_cast<const CTreeListCtrl*>(treeWidget());
    int column = tree ? tree->comparison_column() : 0;
    return zor::compare_tree_list_texts(bytes(column),
                                        static_cast<const TreeListItem&>(other).bytes(column)) < 0;
  }
};

TreeListItem* as_list_item(QTreeWidgetItem* item) { return static_cast<TreeListItem*>(item); }
const TreeListItem* as_list_item(const QTreeWidgetItem* item) {
  return static_cast<const TreeListItem*>(item);
}

Qt::Alignment qt_alignment(int alignment) {
  switch (alignment) {
    case CTreeListCtrl::kAlignRight: return Qt::AlignRight | Qt::AlignVCenter;
    case CTreeListCtrl::kAlignCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

int alignment_code(Qt::Alignment alignment) {
  if (alignment & Qt::AlignRight) return CTreeListCtrl::kAlignRight;
  if (alignment & Qt::AlignHCenter) return CTreeListCtrl::kAlignCenter;
  return CTreeListCtrl::kAlignLeft;
}

constexpr int kLineStep = 6;

}  // namespace

CTreeListCtrl::CTreeListCtrl(QWidget* parent) : QTreeWidget(parent) {
  setColumnCount(0);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setRootIsDecorated(true);
  setUniformRowHeights(true);
  setItemDelegate(new TreeListCellDelegate(this));
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  horizontalScrollBar()->setSingleStep(kLineStep);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  QHeaderView* head = header();
  head->setStretchLastSection(false);
  head->setSectionsMovable(false);
  head->setSectionsClickable(true);
  head->setSortIndicatorShown(true);
  head->setSortIndicator(0, Qt::AscendingOrder);
  // The header flips its own marker on a click (a new column starts
  // ascending, the same column alternates); the sort follows the marker.
  connect(head, &QHeaderView::sectionClicked, this, &CTreeListCtrl::sort_by_header_marker);
}

int CTreeListCtrl::InsertColumn(int index, const std::string& header_text, int alignment,
                                int width) {
  QTreeWidgetItem* head = headerItem();
  int count = columnCount();
  if (index < 0 || index > count) index = count;
  std::vector<std::pair<QString, QVariant>> columns;
  for (int column = 0; column < count; ++column)
    columns.emplace_back(head->text(column), head->data(column, Qt::TextAlignmentRole));
  columns.insert(columns.begin() + index,
                 {QString::fromStdString(zor::from_cp1250(header_text)),
                  QVariant(static_cast<int>(qt_alignment(alignment)))});
  std::vector<int> widths;
  for (int column = 0; column < count; ++column) widths.push_back(columnWidth(column));
  widths.insert(widths.begin() + index, width);
  setColumnCount(count + 1);
  for (int column = 0; column <= count; ++column) {
    head->setText(column, columns[static_cast<size_t>(column)].first);
    head->setData(column, Qt::TextAlignmentRole, columns[static_cast<size_t>(column)].second);
    if (widths[static_cast<size_t>(column)] >= 0)
      setColumnWidth(column, widths[static_cast<size_t>(column)]);
  }
  if (count == 0) header()->setSortIndicator(0, Qt::AscendingOrder);
  return index;
}

int CTreeListCtrl::GetColumnWidth(int column) const {
  return column >= 0 && column < columnCount() ? columnWidth(column) : 0;
}

int CTreeListCtrl::GetColumnAlign(int column) const {
  if (column < 0 || column >= columnCount()) return kAlignLeft;
  return alignment_code(
      Qt::Alignment(headerItem()->data(column, Qt::TextAlignmentRole).toInt()));
}

QTreeWidgetItem* CTreeListCtrl::InsertItem(const std::string& text, QTreeWidgetItem* parent) {
  auto* item = new TreeListItem;
  if (parent)
    parent->addChild(item);
  else
    addTopLevelItem(item);
  SetItemText(item, 0, text);
  return item;
}

void CTreeListCtrl::SetItemText(QTreeWidgetItem* item, int column, const std::string& text) {
  if (!item || column < 0) return;
  item->setData(column, kBytesRole, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
  item->setText(column, QString::fromStdString(zor::from_cp1250(text)));
  QVariant alignment = headerItem()->data(column, Qt::TextAlignmentRole);
  if (alignment.isValid()) item->setTextAlignment(column, Qt::Alignment(alignment.toInt()));
}

std::string CTreeListCtrl::GetItemText(const QTreeWidgetItem* item, int column) const {
  return item ? as_list_item(item)->bytes(column) : std::string();
}

bool CTreeListCtrl::SetItemBold(QTreeWidgetItem* item, bool bold) {
  if (!item) return false;
  as_list_item(item)->bold = bold;
  viewport()->update();
  return true;
}

bool CTreeListCtrl::IsItemBold(const QTreeWidgetItem* item) const {
  return item && as_list_item(item)->bold;
}

bool CTreeListCtrl::DeleteItem(QTreeWidgetItem* item) {
  if (!item) return false;
  delete item;
  return true;
}

void CTreeListCtrl::DeleteAllItems() {
  setUpdatesEnabled(false);
  clear();
  setUpdatesEnabled(true);
}

void CTreeListCtrl::SortChildren(int column, bool ascending, QTreeWidgetItem* parent) {
  comparison_column_ = column;
  QTreeWidgetItem* level = parent ? parent : invisibleRootItem();
  level->sortChildren(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void CTreeListCtrl::SortAllLevels(int column, bool ascending) {
  // An explicit work list instead of recursion: a loaded tree may be deep.
  std::vector<QTreeWidgetItem*> pending{invisibleRootItem()};
  while (!pending.empty()) {
    QTreeWidgetItem* level = pending.back();
    pending.pop_back();
    SortChildren(column, ascending, level == invisibleRootItem() ? nullptr : level);
    for (int child = 0; child < level->childCount(); ++child)
      if (level->child(child)->childCount() > 0) pending.push_back(level->child(child));
  }
  viewport()->update();
}

void CTreeListCtrl::sort_by_header_marker() {
  QHeaderView* head = header();
  SortAllLevels(head->sortIndicatorSection(), head->sortIndicatorOrder() == Qt::AscendingOrder);
  emit itemsSorted();
}

void CTreeListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
  // Outside column 0 a double click only selects, it never expands.
  QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid() && index.column() != 0) {
    setCurrentIndex(index);
    setFocus();
    return;
  }
  QTreeWidget::mouseDoubleClickEvent(event);
}
