#include "query/hit_numbers.h"

#include <charconv>

#include "tables/text_utils.h"

namespace zor {

std::uint32_t HitNumberStore::number_of(std::string_view text) {
  if (text.empty()) return kEmpty;
  if (text.size() > kMostKeptDigits || (text.size() > 1 && text[0] == '0')) return kText;
  std::uint32_t number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return kText;
    number = number * 10 + static_cast<std::uint32_t>(c - '0');
  }
  return number;
}

void HitNumberStore::add(const FieldText& sound, const FieldText& word, const FieldText& sentence) {
  const std::array<std::string_view, 3> fields{sound.value_or(""), word.value_or(""), sentence.value_or("")};
  std::array<std::uint32_t, 3>& numbers = numbers_.emplace_back();
  for (size_t k = 0; k < 3; ++k) {
    numbers[k] = number_of(fields[k]);
    if (numbers[k] != kText) continue;
    std::array<std::string, 3>& texts = texts_[numbers_.size() - 1];
    texts[k].assign(fields[k]);
  }
}

void HitNumberStore::append(HitNumberStore&& other) {
  const size_t first_row = numbers_.size();
  numbers_.insert(numbers_.end(), other.numbers_.begin(), other.numbers_.end());
  for (auto& [row, texts] : other.texts_) texts_.emplace(first_row + row, std::move(texts));
  other = HitNumberStore();
}

HitNumbers HitNumberStore::get(size_t row, Scratch& scratch) const {
  const std::array<std::uint32_t, 3>& numbers = numbers_[row];
  std::array<std::string_view, 3> texts;
  for (size_t k = 0; k < 3; ++k) {
    if (numbers[k] == kEmpty) continue;
    if (numbers[k] == kText) {
      texts[k] = texts_.at(row)[k];
      continue;
    }
    std::array<char, 12>& digits = scratch.digits[k];
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), numbers[k]).ptr;
    texts[k] = std::string_view(digits.data(), static_cast<size_t>(end - digits.data()));
  }
  return {texts[0], texts[1], texts[2]};
}

char* HitNumberStore::put_text(char* at, size_t row, size_t k) const {
  return put_crlf(at, texts_.at(row)[k]);
}

size_t HitNumberStore::text_room_for(size_t row) const {
  size_t room = 0;
  for (size_t k = 0; k < 3; ++k)
    room += numbers_[row][k] == kText ? 2 * texts_.at(row)[k].size() : kNumberRoom;
  return room;
}

}  // namespace zor
