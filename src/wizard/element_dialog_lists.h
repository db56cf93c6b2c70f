#pragma once
// What the element dialog lists and what it makes of them, without widgets.
#include <string>
#include <string_view>
#include <vector>

namespace zor {

struct ElementLists {
  std::vector<std::string> element;  // the element's own symbols ("Elem")
  std::vector<std::string> parent;   // the parent's symbols the element lacks ("Szülő")
};

// Both contents split by the comma list rule; for each element symbol in
// order, the first equal parent symbol is left out. A new element has an
// empty content and is offered all of its parent's symbols.
ElementLists element_dialog_lists(std::string_view element_content,
                                  std::string_view parent_content);

// The node content of the "Elem" entries: each trimmed of blanks at both
// ends, the empty ones left out, joined by ",". TAB, CR and LF become blanks
// first, so the content cannot break the label-tree file.
std::string element_content(const std::vector<std::string>& entries);

}  // namespace zor
