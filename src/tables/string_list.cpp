#include "tables/string_list.h"

#include "tables/text_utils.h"

namespace zor {
namespace {

std::optional<std::string> owned(StringList::Text text) {
  if (!text) return std::nullopt;
  return std::string(up_to_zero(*text));
}

}  // namespace

void StringList::append(Text text) { append_item(owned(text)); }

StringList::Text StringList::get(int n) {
  const std::optional<std::string>* item = seek(n);
  if (!item || !*item) return std::nullopt;
  return std::string_view(**item);
}

bool StringList::set(int n, Text text) {
  std::optional<std::string>* item = seek(n);
  if (!item) return false;
  *item = owned(text);
  return true;
}

int StringList::find(std::string_view text) {
  text = up_to_zero(text);
  for (int n = 1; n <= count(); ++n)
    if (get(n).value_or(std::string_view()) == text) return n;
  return 0;
}

}  // namespace zor
