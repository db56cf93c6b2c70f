#pragma once
// HANG_SORSZ, SZO_SORSZ and MONDAT_SORSZ of every sound row, as its hits are
// written with them. A field that reads as a number is written (digits, no
// leading zero, nine at most) is kept as that number: the three take 12
// bytes a row instead of their texts and a place for them. Any other field
// is kept as it stands.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tables/prefetch.h"
#include "tables/text_table.h"
#include "tables/text_utils.h"

namespace zor {

struct HitNumbers {
  std::string_view sound, word, sentence;
};

class HitNumberStore {
 public:
  // Where the texts of numbers kept as numbers are made.
  struct Scratch {
    std::array<std::array<char, 12>, 3> digits;
  };

  // The next row's fields; a missing field reads as "".
  void add(const FieldText& sound, const FieldText& word, const FieldText& sentence);
  void reserve(size_t rows) { numbers_.reserve(rows); }
  // The other store's rows after these.
  void append(HitNumberStore&& other);
  void prefetch(size_t row) const { zor::prefetch(&numbers_[row]); }
  // The texts of a 0-based row, valid until `scratch` is used again.
  HitNumbers get(size_t row, Scratch& scratch) const;
  // Writes field k (0 sound, 1 word, 2 sentence) of a 0-based row at `at`,
  // each LF as CR LF, and returns where it ends: the hit lines are written
  // from the numbers, not from texts made of them first. The room is the
  // caller's, room_for(row) for all three.
  char* put(char* at, size_t row, size_t k) const {
    const std::uint32_t number = numbers_[row][k];
    if (number < kEmpty) return put_decimal(at, number);
    return number == kEmpty ? at : put_text(at, row, k);
  }
  size_t room_for(size_t row) const {
    const std::array<std::uint32_t, 3>& numbers = numbers_[row];
    return numbers[0] != kText && numbers[1] != kText && numbers[2] != kText ? 3 * kNumberRoom
                                                                            : text_room_for(row);
  }

 private:
  static constexpr std::uint32_t kEmpty = UINT32_MAX - 1;
  static constexpr std::uint32_t kText = UINT32_MAX;  // in texts_
  static constexpr size_t kMostKeptDigits = 9;
  static constexpr size_t kNumberRoom = 20;  // as put_decimal asks
  static std::uint32_t number_of(std::string_view text);
  char* put_text(char* at, size_t row, size_t k) const;
  size_t text_room_for(size_t row) const;

  std::vector<std::array<std::uint32_t, 3>> numbers_;
  std::unordered_map<size_t, std::array<std::string, 3>> texts_;  // by row
};

}  // namespace zor
