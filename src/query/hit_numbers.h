#pragma once
// HANG_SORSZ, SZO_SORSZ and MONDAT_SORSZ of every sound row, as its hits are
// written with them: ";sound;word;sentence", made once per row. Nearly every
// row's three fit in a slot of 24 bytes, so that a hit line takes them with
// one copy of fixed size instead of three conversions; a row whose numbers
// do not fit, or hold a ";" or an LF, keeps them elsewhere.
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "query/fact_file.h"
#include "tables/prefetch.h"
#include "tables/text_table.h"

namespace zor {

struct HitNumbers {
  std::string_view sound, word, sentence;
};

class HitNumberStore {
 public:
  HitNumberStore() = default;
  // Moved, never copied: a copy's view would read the original's slots.
  HitNumberStore(HitNumberStore&&) = default;
  HitNumberStore& operator=(HitNumberStore&&) = default;
  HitNumberStore(const HitNumberStore&) = delete;
  HitNumberStore& operator=(const HitNumberStore&) = delete;

  // The next row's fields; a missing field reads as "".
  void add(const FieldText& sound, const FieldText& word, const FieldText& sentence);
  void reserve(size_t rows) { own_.reserve(rows); }
  // The other store's rows after these.
  void append(HitNumberStore&& other);
  size_t size() const { return slots_.size(); }
  // As sections that read() takes back, the slots viewed in place.
  void write(FactFileWriter& file) const;
  static std::optional<HitNumberStore> read(FactFileReader& file);
  void prefetch(size_t row) const { zor::prefetch(&slots_[row]); }
  // The texts of a 0-based row, valid while the store is.
  HitNumbers get(size_t row) const;
  // Writes ";sound;word;sentence" of a 0-based row at `at`, each LF as
  // CR LF, and returns where it ends. The room, room_for(row), is the
  // caller's.
  char* put(char* at, size_t row) const {
    const Slot& slot = slots_[row];
    if (slot.length == kElsewhere) return put_elsewhere(at, row);
    std::memcpy(at, slot.text, sizeof slot.text);
    return at + slot.length;
  }
  size_t room_for(size_t row) const {
    return slots_[row].length == kElsewhere ? elsewhere_.at(row).line.size() : sizeof(Slot::text);
  }

 private:
  struct Slot {
    std::uint8_t length;
    char text[23];
  };
  static constexpr std::uint8_t kElsewhere = UINT8_MAX;
  struct Elsewhere {
    std::array<std::string, 3> fields;
    std::string line;  // as put() writes it
  };
  char* put_elsewhere(char* at, size_t row) const;

  // The slots are read through a view: of the store's own, or of those of a
  // corpus kept from an earlier run.
  std::vector<Slot> own_;
  std::span<const Slot> slots_;
  std::unordered_map<size_t, Elsewhere> elsewhere_;  // by row
};

}  // namespace zor
