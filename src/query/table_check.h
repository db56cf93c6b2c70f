#pragma once
// A table is used only when its header names, at their places, the columns a
// run reads: a hand-edited table without its duration column would otherwise
// measure every duration as 0. Tables of every earlier version of the
// program have these headers.
#include <string>
#include <vector>

#include "corpus/table_layout.h"
#include "tables/text_table.h"

namespace zor {

// Empty when the header of `table`, loaded from `path`, names each of
// `columns` (1-based) as `layout` does; otherwise the message (Windows-1250)
// naming the file and the first column that is not there.
std::string missing_column_message(const TextTable& table, const TableLayout& layout,
                                   const std::vector<int>& columns, const std::string& path);
// The same for a table known by its header's names alone.
std::string missing_column_message(const std::vector<std::string>& header, const TableLayout& layout,
                                   const std::vector<int>& columns, const std::string& path);

// The columns first to last.
std::vector<int> column_range(int first, int last);

}  // namespace zor
