#include "wizard/element_dialog_lists.h"

#include <algorithm>

#include "corpus/label_tree.h"
#include "wizard/page234_field_text.h"

namespace zor {

namespace {
std::vector<std::string> split(std::string_view content) {
  std::vector<std::string> symbols;
  for (std::string_view element : comma_list_elements(content)) symbols.emplace_back(element);
  return symbols;
}
}  // namespace

ElementLists element_dialog_lists(std::string_view element_content,
                                  std::string_view parent_content) {
  ElementLists lists{split(element_content), split(parent_content)};
  for (const std::string& symbol : lists.element) {
    auto held = std::find(lists.parent.begin(), lists.parent.end(), symbol);
    if (held != lists.parent.end()) lists.parent.erase(held);
  }
  return lists;
}

std::string element_content(const std::vector<std::string>& entries) {
  std::string content;
  for (const std::string& entry : entries) {
    std::string symbol = trimmed_blanks(without_line_breaks(entry));
    if (symbol.empty()) continue;
    if (!content.empty()) content += ',';
    content += symbol;
  }
  return content;
}

}  // namespace zor
