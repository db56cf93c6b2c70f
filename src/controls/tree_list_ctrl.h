#pragma once
// A tree whose items carry several text columns under a column header. A
// click on a header sorts every level of the tree by that column (ascending
// first, then alternating), with the digit-aware order of
// compare_tree_list_texts; only the last sorted column shows a marker.
// Texts too wide for their cell end in "...". Header and rows scroll
// horizontally together, six pixels per line step. Only column 0 expands and
// collapses items. Texts are Windows-1250 byte strings.
#include <QTreeWidget>
#include <string>

class CTreeListCtrl : public QTreeWidget {
  Q_OBJECT

 public:
  enum Alignment { kAlignLeft = 0, kAlignRight = 1, kAlignCenter = 2 };

  explicit CTreeListCtrl(QWidget* parent = nullptr);

  // Inserts a header column before `index` (at the end when past it); a
  // width of -1 leaves the default. Returns the column's index.
  int InsertColumn(int index, const std::string& header, int alignment = kAlignLeft,
                   int width = -1);
  int GetColumnWidth(int column) const;
  int GetColumnAlign(int column) const;

  // Adds an item with `text` in column 0 as the last child of `parent`, or
  // as the last top-level item when `parent` is null.
  QTreeWidgetItem* InsertItem(const std::string& text, QTreeWidgetItem* parent = nullptr);
  // Setting a column past the item's last one leaves the columns between empty.
  void SetItemText(QTreeWidgetItem* item, int column, const std::string& text);
  // "" for a column the item has no text in, or for a null item.
  std::string GetItemText(const QTreeWidgetItem* item, int column) const;
  bool SetItemBold(QTreeWidgetItem* item, bool bold);
  bool IsItemBold(const QTreeWidgetItem* item) const;
  // Deletes the item with its whole subtree; false for a null item.
  bool DeleteItem(QTreeWidgetItem* item);
  void DeleteAllItems();

  // Sorts the direct children of `parent` (the top level when null).
  void SortChildren(int column, bool ascending, QTreeWidgetItem* parent = nullptr);
  // Sorts every level, as a click on the column's header does after the
  // marker has been set.
  void SortAllLevels(int column, bool ascending);

  // The column that the items currently compare by.
  int comparison_column() const { return comparison_column_; }

 signals:
  // The order of the items changed by a header click.
  void itemsSorted();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void sort_by_header_marker();

  int comparison_column_ = 0;
};
