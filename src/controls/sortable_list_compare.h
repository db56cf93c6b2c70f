#pragma once
// How the sortable list orders its rows: one comparison per column kind,
// applied to the cells' Windows-1250 texts. Kept free of any window code so
// the orderings can be checked directly.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zor {

enum ColumnKind : unsigned char {
  kKindText = 0,          // byte-wise, case-sensitive
  kKindTextNoCase = 1,    // ASCII letters folded, other bytes by value
  kKindInteger = 2,       // leading integer, 0 if none
  kKindDate = 3,          // the date text of the recording list
  kKindNone = 4,          // every pair is equal
  kKindReal = 5,          // leading decimal number, 0 if none
  kKindDateVariant = 6,   // the same as kKindDate
};
inline constexpr int kHighestColumnKind = 6;

// Negative, zero or positive when `a` belongs before, level with or after
// `b` in ascending order. Texts that are not dates count as equal to every
// other text under the date kinds.
int compare_cells(std::string_view a, std::string_view b, ColumnKind kind);

// The row order after sorting: position i of the result holds the index in
// `cells` of the row shown at i. Equal rows keep their relative order.
std::vector<size_t> sorted_row_order(const std::vector<std::string>& cells, ColumnKind kind,
                                     bool ascending);

// A point in time read from the recording list's date text
// "M/D/YY hh:mm AM" (or PM), as minutes since year 0; false when the text
// has another form.
bool parse_list_date(std::string_view text, long long& minutes);

}  // namespace zor
