#include "query/hit_numbers.h"

#include <algorithm>

#include "tables/text_utils.h"

namespace zor {

void HitNumberStore::add(const FieldText& sound, const FieldText& word, const FieldText& sentence) {
  const std::array<std::string_view, 3> fields{sound.value_or(""), word.value_or(""), sentence.value_or("")};
  Slot& slot = own_.emplace_back();
  slots_ = own_;
  const size_t length = 3 + fields[0].size() + fields[1].size() + fields[2].size();
  bool fits = length <= sizeof slot.text;
  // A byte loop: find_first_of looks each byte up in its set with a call.
  for (std::string_view field : fields)
    for (char c : field) fits = fits && c != ';' && c != '\n';
  if (fits) {
    slot.length = static_cast<std::uint8_t>(length);
    char* at = slot.text;
    for (std::string_view field : fields) {
      *at++ = ';';
      at = zor::put(at, field);
    }
    return;
  }
  slot.length = kElsewhere;
  Elsewhere& elsewhere = elsewhere_[own_.size() - 1];
  for (size_t k = 0; k < fields.size(); ++k) {
    elsewhere.fields[k].assign(fields[k]);
    elsewhere.line += ';';
    for (char c : fields[k]) c == '\n' ? elsewhere.line.append("\r\n") : elsewhere.line.append(1, c);
  }
}

void HitNumberStore::append(HitNumberStore&& other) {
  const size_t first_row = own_.size();
  own_.insert(own_.end(), other.slots_.begin(), other.slots_.end());
  slots_ = own_;
  for (auto& [row, elsewhere] : other.elsewhere_) elsewhere_.emplace(first_row + row, std::move(elsewhere));
  other = HitNumberStore();
}

HitNumbers HitNumberStore::get(size_t row) const {
  const Slot& slot = slots_[row];
  if (slot.length == kElsewhere) {
    const Elsewhere& elsewhere = elsewhere_.at(row);
    return {elsewhere.fields[0], elsewhere.fields[1], elsewhere.fields[2]};
  }
  // ";sound;word;sentence", none of them holding a ";".
  const std::string_view text(slot.text + 1, slot.length - 1u);
  const size_t word = text.find(';');
  const size_t sentence = text.find(';', word + 1);
  return {text.substr(0, word), text.substr(word + 1, sentence - word - 1), text.substr(sentence + 1)};
}

void HitNumberStore::write(FactFileWriter& file) const {
  file.put(slots_);
  std::vector<std::uint64_t> rows;
  for (const auto& [row, elsewhere] : elsewhere_) rows.push_back(row);
  std::sort(rows.begin(), rows.end());
  std::vector<std::string_view> fields;
  for (std::uint64_t row : rows)
    for (const std::string& field : elsewhere_.at(row).fields) fields.push_back(field);
  file.put(std::span<const std::uint64_t>(rows));
  file.put_texts(fields);
}

std::optional<HitNumberStore> HitNumberStore::read(FactFileReader& file) {
  HitNumberStore store;
  store.slots_ = file.column<Slot>().span();
  const FactColumn<std::uint64_t> rows = file.column<std::uint64_t>();
  const std::vector<std::string_view> fields = file.texts();
  if (!file.intact() || fields.size() != 3 * rows.size()) return std::nullopt;
  for (size_t k = 0; k < rows.size(); ++k) {
    if (rows[k] >= store.slots_.size() || store.slots_[rows[k]].length != kElsewhere) return std::nullopt;
    HitNumberStore rebuilt;
    rebuilt.add(fields[3 * k], fields[3 * k + 1], fields[3 * k + 2]);
    if (rebuilt.elsewhere_.empty()) return std::nullopt;
    store.elsewhere_.emplace(rows[k], std::move(rebuilt.elsewhere_.begin()->second));
  }
  return store;
}

char* HitNumberStore::put_elsewhere(char* at, size_t row) const { return zor::put(at, elsewhere_.at(row).line); }

}  // namespace zor
