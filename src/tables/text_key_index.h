#pragma once
// Dense ids for texts, in the order they were first added: an open-addressing
// hash table over views. Corpus tables repeat a few thousand texts millions of
// times, so a look-up must cost a hash of the bytes and, almost always, one
// probe and one comparison — no node, no division.
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace zor {

class TextKeyIndex {
 public:
  static constexpr std::uint32_t kNone = UINT32_MAX;

  // The id of the text, and whether it was added now. Only the view is kept:
  // the bytes must outlive the index.
  std::pair<std::uint32_t, bool> insert(std::string_view text);
  std::uint32_t find(std::string_view text) const;
  size_t size() const { return keys_.size(); }
  std::string_view key(std::uint32_t id) const { return keys_[id]; }

 private:
  static std::uint64_t hash(std::string_view text);
  // The slot where the text is, or the empty slot where it would go.
  size_t slot_of(std::string_view text, std::uint64_t hash) const;
  void grow();

  std::vector<std::string_view> keys_;
  // Each slot: the upper half of the key's hash and its id + 1; 0 is empty.
  std::vector<std::uint64_t> slots_;
};

}  // namespace zor
