#pragma once
// A report-style list whose rows sort by a click on a column header, each
// column compared by its own kind. Rows stay in the order they were added
// until the user sorts; the order on screen is the order callers read.
#include <QTreeWidget>
#include <vector>

#include "controls/sortable_list_compare.h"

class CSortableList : public QTreeWidget {
  Q_OBJECT

 public:
  // 0: only column 0 shows the selection, 1: the same, 2: the whole row
  // to the right edge of the list.
  enum HighlightMode { kHighlightLabel = 0, kHighlightFirstColumn = 1, kHighlightRow = 2 };

  explicit CSortableList(QWidget* parent = nullptr);

  // Replaces the comparison kinds, one per column. A code outside 0..6
  // drops them all and returns false. Columns without a kind sort as text.
  bool SetColumnKinds(const std::vector<int>& kinds);
  // Returns the previous value.
  bool EnableSorting(bool on);
  // Modes above 2 are ignored. Returns the previous mode.
  int SetHighlightMode(int mode);
  // Column reordering by dragging the headers. Returns the previous value.
  bool SetHeaderDragReorder(bool on);

  // What a click on the header of `column` does: ascending, or descending
  // when the last sort was ascending on the same column. Does nothing while
  // sorting is off.
  void sort_by_column(int column);
  int sort_column() const { return sort_column_; }
  bool sort_ascending() const { return sort_ascending_; }

  // The first selected row from the top, or null.
  QTreeWidgetItem* first_selected_item() const;

 private:
  zor::ColumnKind kind_of(int column) const;

  int highlight_mode_ = kHighlightLabel;
  bool sorting_enabled_ = false;
  std::vector<zor::ColumnKind> column_kinds_;
  int sort_column_ = -1;
  bool sort_ascending_ = true;
};
