#pragma once
// The ordered rows behind a page's list view (connections, specifications).
// The rows stand in the order the view shows them; indexes are 0-based.
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

namespace zor {

template <class Row>
class RowList {
 public:
  size_t count() const { return rows_.size(); }
  bool is_empty() const { return rows_.empty(); }
  const std::vector<Row>& rows() const { return rows_; }
  const Row& row(size_t index) const { return rows_[index]; }  // index below count()

  // Adds a row at the end. True when the list was empty before: the view
  // then selects the new row.
  bool append(Row row) {
    rows_.push_back(std::move(row));
    return rows_.size() == 1;
  }

  // Overwrites a row in place. False, and nothing changed, when there is no
  // such row.
  bool replace(size_t index, Row row) {
    if (index >= rows_.size()) return false;
    rows_[index] = std::move(row);
    return true;
  }

  // Removes the rows at the given indexes (any order; repeated indexes and
  // indexes past the end are ignored). Returns how many rows went.
  size_t remove(std::span<const size_t> indexes) {
    std::vector<bool> doomed(rows_.size(), false);
    for (size_t index : indexes)
      if (index < rows_.size()) doomed[index] = true;
    size_t kept = 0;
    for (size_t index = 0; index < rows_.size(); ++index) {
      if (doomed[index]) continue;
      if (kept != index) rows_[kept] = std::move(rows_[index]);
      ++kept;
    }
    size_t removed = rows_.size() - kept;
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(kept), rows_.end());
    return removed;
  }

  // Takes the order of a sorted view: row i becomes the former row order[i].
  // False, and nothing changed, unless order is a permutation of the rows.
  bool reorder(std::span<const size_t> order) {
    if (order.size() != rows_.size()) return false;
    std::vector<bool> used(rows_.size(), false);
    for (size_t index : order) {
      if (index >= rows_.size() || used[index]) return false;
      used[index] = true;
    }
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    for (size_t index : order) sorted.push_back(std::move(rows_[index]));
    rows_ = std::move(sorted);
    return true;
  }

  void clear() { rows_.clear(); }

  // Replaces every row, as loading a file does.
  void assign(std::vector<Row> rows) { rows_ = std::move(rows); }

 private:
  std::vector<Row> rows_;
};

}  // namespace zor
