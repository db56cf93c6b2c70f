#pragma once
// The order in which the tree-list control sorts the items of one level:
// texts with the same prefix before their first digits compare by the number
// that follows (a9 before a10), all others alphabetically ignoring ASCII case.
#include <string_view>

namespace zor {

// Negative, zero or positive (always -1, 0 or 1) when a sorts before, level
// with or after b in ascending order.
int compare_tree_list_texts(std::string_view a, std::string_view b);

// Byte-wise comparison with ASCII letters folded to lower case; -1, 0 or 1.
int compare_ignoring_ascii_case(std::string_view a, std::string_view b);

}  // namespace zor
