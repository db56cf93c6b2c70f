#pragma once
// The table of pages 3 and 4: one line per row of the page's list, which
// stays the store. A click on a column header asks the page to sort its rows
// by that column, ascending unless the same column was last sorted
// ascending; the page then shows the rows again in their new order.
#include <QTreeWidget>
#include <string>
#include <vector>

#include "query/row_list.h"

class CRowListView : public QTreeWidget {
  Q_OBJECT

 public:
  struct Column {
    const char* utf8_header;
    int width;
  };

  CRowListView(const std::vector<Column>& columns, bool several_selectable,
               QWidget* parent = nullptr);

  // Shows the rows (Windows-1250 texts, one per column) and selects the
  // given rows (0-based); the first selected one becomes the current row.
  void show_rows(const std::vector<std::vector<std::string>>& rows,
                 const std::vector<size_t>& selected);
  // The selected rows, in ascending order.
  std::vector<size_t> selected_rows() const;

  // What a click on the header of `column` does.
  void click_header(int column);

 signals:
  void sortRequested(int column, bool ascending);

 private:
  int sort_column_ = -1;
  bool sort_ascending_ = true;
};

// The order of rows that sorts their texts byte-wise and case-sensitively;
// rows with equal texts keep their order. Row i of the sorted list is the
// former row order[i].
std::vector<size_t> sorted_row_order(const std::vector<std::string>& texts, bool ascending);

// Where the rows `selected` (former positions) stand after `order`.
std::vector<size_t> positions_after(const std::vector<size_t>& order,
                                    const std::vector<size_t>& selected);

// The lists of pages 3 and 4 keep each record's column texts in one array
// member, `fields`.

// Shows the records of a page's list and selects the given rows.
template <class Row, class Fields>
void show_list_rows(CRowListView& view, const zor::RowList<Row>& list, Fields Row::*fields,
                    const std::vector<size_t>& selected) {
  std::vector<std::vector<std::string>> rows;
  rows.reserve(list.count());
  for (const Row& row : list.rows()) rows.emplace_back((row.*fields).begin(), (row.*fields).end());
  view.show_rows(rows, selected);
}

// Sorts the records of a page's list by `column`, as a header click asks.
// Returns where the `selected` rows stand afterwards.
template <class Row, class Fields>
std::vector<size_t> sort_list_rows(zor::RowList<Row>& list, Fields Row::*fields, int column,
                                   bool ascending, const std::vector<size_t>& selected) {
  std::vector<std::string> texts;
  texts.reserve(list.count());
  for (const Row& row : list.rows()) texts.push_back((row.*fields).at(static_cast<size_t>(column)));
  std::vector<size_t> order = sorted_row_order(texts, ascending);
  list.reorder(order);
  return positions_after(order, selected);
}

// Removes the selected records from a page's list; false when none is
// selected.
template <class Row>
bool remove_selected_rows(const CRowListView& view, zor::RowList<Row>& list) {
  std::vector<size_t> selected = view.selected_rows();
  if (selected.empty()) return false;
  list.remove(selected);
  return true;
}
