#include "wizard/page234_row_view.h"

#include <QHeaderView>
#include <algorithm>
#include <numeric>

#include "platform/encoding.h"

CRowListView::CRowListView(const std::vector<Column>& columns, bool several_selectable,
                           QWidget* parent)
    : QTreeWidget(parent) {
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(several_selectable ? QAbstractItemView::ExtendedSelection
                                      : QAbstractItemView::SingleSelection);
  setColumnCount(static_cast<int>(columns.size()));
  QStringList headers;
  for (const Column& column : columns) headers << QString::fromUtf8(column.utf8_header);
  setHeaderLabels(headers);
  header()->setStretchLastSection(false);
  header()->setSectionsMovable(false);
  header()->setSectionsClickable(true);
  header()->setSortIndicatorShown(false);
  for (size_t index = 0; index < columns.size(); ++index)
    setColumnWidth(static_cast<int>(index), columns[index].width);
  connect(header(), &QHeaderView::sectionClicked, this, &CRowListView::click_header);
}

void CRowListView::show_rows(const std::vector<std::vector<std::string>>& rows,
                             const std::vector<size_t>& selected) {
  setUpdatesEnabled(false);
  clear();
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(rows.size()));
  for (const std::vector<std::string>& row : rows) {
    auto* item = new QTreeWidgetItem;
    for (size_t column = 0; column < row.size(); ++column)
      item->setText(static_cast<int>(column), QString::fromStdString(zor::from_cp1250(row[column])));
    items.append(item);
  }
  addTopLevelItems(items);
  for (size_t index : selected) {
    if (index >= rows.size()) continue;
    QTreeWidgetItem* item = topLevelItem(static_cast<int>(index));
    if (!currentItem() || index == selected.front()) setCurrentItem(item);
    item->setSelected(true);
  }
  setUpdatesEnabled(true);
}

std::vector<size_t> CRowListView::selected_rows() const {
  std::vector<size_t> rows;
  for (QTreeWidgetItem* item : selectedItems())
    rows.push_back(static_cast<size_t>(indexOfTopLevelItem(item)));
  std::sort(rows.begin(), rows.end());
  return rows;
}

void CRowListView::click_header(int column) {
  sort_ascending_ = column != sort_column_ || !sort_ascending_;
  sort_column_ = column;
  emit sortRequested(column, sort_ascending_);
}

std::vector<size_t> sorted_row_order(const std::vector<std::string>& texts, bool ascending) {
  std::vector<size_t> order(texts.size());
  std::iota(order.begin(), order.end(), size_t{0});
  // std::string compares as unsigned bytes, which is the byte-wise order.
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return ascending ? texts[a] < texts[b] : texts[b] < texts[a];
  });
  return order;
}

std::vector<size_t> positions_after(const std::vector<size_t>& order,
                                    const std::vector<size_t>& selected) {
  std::vector<size_t> new_position(order.size());
  for (size_t position = 0; position < order.size(); ++position) new_position[order[position]] = position;
  std::vector<size_t> positions;
  for (size_t index : selected)
    if (index < order.size()) positions.push_back(new_position[index]);
  std::sort(positions.begin(), positions.end());
  return positions;
}
