#include "query/text_ids.h"

namespace zor {

std::uint32_t TextIds::add(const FieldText& text) {
  if (!text) return kMissing;
  // Corpus columns repeat a few texts: nearly every call finds its text.
  const std::uint32_t known = texts_.find(*text);
  if (known != TextKeyIndex::kNone) return known + 1;
  return texts_.insert(copies_.emplace_back(*text)).first + 1;
}

std::optional<TextIds> TextIds::of(std::span<const std::string_view> texts) {
  TextIds ids;
  for (std::string_view text : texts)
    if (ids.add(text) != ids.size() - 1) return std::nullopt;
  return ids;
}

std::vector<std::string_view> TextIds::texts() const {
  std::vector<std::string_view> texts;
  for (std::uint32_t id = 1; id < size(); ++id) texts.push_back(text(id));
  return texts;
}

std::uint32_t TextIds::find(std::string_view text) const {
  std::uint32_t index = texts_.find(text);
  return index == TextKeyIndex::kNone ? kUnknownText : index + 1;
}

}  // namespace zor
