#include "tables/text_key_index.h"

#include <cstring>

#include "tables/text_utils.h"

namespace zor {
namespace {

constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;

std::uint64_t mix(std::uint64_t value) {
  value ^= value >> 32;
  value *= 0xD6E8FEB86659FD93ull;
  value ^= value >> 32;
  return value;
}

// The bytes of a text of one to eight bytes, each of them in the result: two
// loads that overlap, or three bytes, instead of a copy of unknown length.
std::uint64_t short_chunk(const char* at, size_t left) {
  if (left >= 4) {
    std::uint32_t low, high;
    std::memcpy(&low, at, 4);
    std::memcpy(&high, at + left - 4, 4);
    return low | std::uint64_t{high} << 32;
  }
  const auto byte = [at](size_t i) { return std::uint64_t{static_cast<unsigned char>(at[i])}; };
  return byte(0) | byte(left / 2) << 8 | byte(left - 1) << 16;
}

}  // namespace

std::uint64_t TextKeyIndex::hash(std::string_view text) {
  std::uint64_t h = text.size() * kMultiplier;
  const char* at = text.data();
  size_t left = text.size();
  for (; left >= 8; left -= 8, at += 8) {
    std::uint64_t chunk;
    std::memcpy(&chunk, at, 8);
    h = (h ^ chunk) * kMultiplier;
    h ^= h >> 29;
  }
  if (left > 0) h = (h ^ short_chunk(at, left)) * kMultiplier;
  return mix(h);
}

size_t TextKeyIndex::slot_of(std::string_view text, std::uint64_t hash) const {
  const size_t mask = slots_.size() - 1;
  const std::uint64_t tag = hash >> 32 << 32;
  for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    std::uint64_t entry = slots_[slot];
    if (entry == 0) return slot;
    if ((entry & ~0xFFFFFFFFull) != tag) continue;
    const std::string_view key = keys_[(entry & 0xFFFFFFFFull) - 1];
    if (same_text(key, text)) return slot;
  }
}

std::pair<std::uint32_t, bool> TextKeyIndex::insert(std::string_view text) {
  if ((keys_.size() + 1) * 2 > slots_.size()) grow();
  const std::uint64_t h = hash(text);
  const size_t slot = slot_of(text, h);
  if (slots_[slot] != 0) return {static_cast<std::uint32_t>((slots_[slot] & 0xFFFFFFFFull) - 1), false};
  auto id = static_cast<std::uint32_t>(keys_.size());
  keys_.push_back(text);
  slots_[slot] = (h >> 32 << 32) | (std::uint64_t{id} + 1);
  return {id, true};
}

std::uint32_t TextKeyIndex::find(std::string_view text) const {
  if (slots_.empty()) return kNone;
  const std::uint64_t entry = slots_[slot_of(text, hash(text))];
  return entry == 0 ? kNone : static_cast<std::uint32_t>((entry & 0xFFFFFFFFull) - 1);
}

void TextKeyIndex::grow() {
  std::vector<std::uint64_t> old;
  old.swap(slots_);
  slots_.assign(old.empty() ? 16 : old.size() * 2, 0);
  for (std::uint32_t id = 0; id < keys_.size(); ++id) {
    const std::uint64_t h = hash(keys_[id]);
    const size_t mask = slots_.size() - 1;
    size_t slot = h & mask;
    while (slots_[slot] != 0) slot = (slot + 1) & mask;
    slots_[slot] = (h >> 32 << 32) | (std::uint64_t{id} + 1);
  }
}

}  // namespace zor
