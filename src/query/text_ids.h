#pragma once
// Small integer ids for the few texts a column repeats.
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>
#include <string>
#include <string_view>

#include "tables/text_key_index.h"
#include "tables/text_table.h"

namespace zor {

// Small integer ids for the texts of one column family. Id 0 is the missing
// field; find() gives kUnknownText for a text no row holds. The ids keep a
// copy of each text.
class TextIds {
 public:
  static constexpr std::uint32_t kMissing = 0;
  static constexpr std::uint32_t kUnknownText = UINT32_MAX;

  TextIds() = default;
  // Moved, never copied: the index views the texts' copies.
  TextIds(TextIds&&) = default;
  TextIds& operator=(TextIds&&) = default;
  TextIds(const TextIds&) = delete;
  TextIds& operator=(const TextIds&) = delete;
  // The ids of texts() of another, each text once; nullopt when a text
  // repeats.
  static std::optional<TextIds> of(std::span<const std::string_view> texts);

  std::uint32_t add(const FieldText& text);
  std::uint32_t find(std::string_view text) const;
  size_t size() const { return texts_.size() + 1; }
  // The text of an id; the missing field reads as "".
  std::string_view text(std::uint32_t id) const { return id == kMissing ? std::string_view() : texts_.key(id - 1); }
  // The texts of ids 1 and on, in order.
  std::vector<std::string_view> texts() const;

 private:
  TextKeyIndex texts_;  // id - 1
  std::deque<std::string> copies_;  // what the keys view; a deque never moves them
};

}  // namespace zor
