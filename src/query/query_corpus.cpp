#include "query/query_corpus.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cmath>
#include <future>
#include <type_traits>
#include <unordered_map>

#include "tables/text_utils.h"

namespace zor {

std::int32_t duration_of(FieldText field) {
  double value = field ? read_number(*field) : 0.0;
  if (!std::isfinite(value)) return INT32_MIN;
  double whole = std::trunc(value);
  if (whole < static_cast<double>(INT32_MIN) || whole > static_cast<double>(INT32_MAX))
    return INT32_MIN;
  return static_cast<std::int32_t>(whole);
}

PostingLists::PostingLists(std::span<const std::uint32_t> row_ids, size_t id_count) {
  std::vector<std::uint32_t> begins(id_count + 1, 0), rows(row_ids.size());
  for (std::uint32_t id : row_ids) ++begins[id + 1];
  for (size_t id = 1; id < begins.size(); ++id) begins[id] += begins[id - 1];
  std::vector<std::uint32_t> next(begins.begin(), begins.end() - 1);
  for (size_t row = 0; row < row_ids.size(); ++row) rows[next[row_ids[row]]++] = static_cast<std::uint32_t>(row);
  begins_ = FactColumn<std::uint32_t>(std::move(begins));
  rows_ = FactColumn<std::uint32_t>(std::move(rows));
}

std::optional<PostingLists> PostingLists::of(FactColumn<std::uint32_t> begins, FactColumn<std::uint32_t> rows) {
  if (begins.empty() || begins[0] != 0 || begins[begins.size() - 1] != rows.size()) return std::nullopt;
  for (size_t id = 1; id < begins.size(); ++id)
    if (begins[id] < begins[id - 1]) return std::nullopt;
  PostingLists lists;
  lists.begins_ = std::move(begins);
  lists.rows_ = std::move(rows);
  return lists;
}

std::span<const std::uint32_t> PostingLists::rows(std::uint32_t id) const {
  if (static_cast<size_t>(id) + 1 >= begins_.size()) return {};
  return std::span(rows_).subspan(begins_[id], begins_[id + 1] - begins_[id]);
}

// The first word row of each SZO_SORSZ text, as an exact search of the
// column finds it: while the rows are numbered 1, 2, 3, ..., by the number
// alone; a missing number equals no text.
class QueryCorpus::WordRowIndex {
 public:
  void add(const FieldText& number) {
    ++rows_;
    if (numbered_ && number && static_cast<size_t>(canonical_number(*number)) == rows_) return;
    if (numbered_) {
      numbered_ = false;
      for (size_t before = 1; before < rows_; ++before) first_rows_.emplace(std::to_string(before), before);
    }
    if (number) first_rows_.emplace(*number, rows_);
  }
  std::uint32_t row_of_number(std::uint32_t number) const {
    if (numbered_) return number <= rows_ ? number : 0;
    return row_of(std::to_string(number));
  }
  // 0 when no row has the number.
  std::uint32_t row_of(std::string_view number) const {
    number = up_to_zero(number);
    if (numbered_) {
      const auto row = static_cast<size_t>(canonical_number(number));
      return row <= rows_ ? static_cast<std::uint32_t>(row) : 0;
    }
    const auto found = first_rows_.find(std::string(number));
    return found == first_rows_.end() ? 0 : static_cast<std::uint32_t>(found->second);
  }

 private:
  size_t rows_ = 0;
  bool numbered_ = true;
  std::unordered_map<std::string, size_t> first_rows_;
};

namespace {

// What every word condition reads of a word; a count above five counts as
// five, as no condition tells them apart.
struct WordClassKey {
  std::uint64_t syllable_bits = 0;
  std::uint32_t counts = 0;  // has_syllables and the three clamped counts

  explicit WordClassKey(const WordFacts& word)
      : syllable_bits(word.has_syllables ? std::bit_cast<std::uint64_t>(word.syllables) : 0),
        counts(static_cast<std::uint32_t>(word.has_syllables) << 12 | clamped(word.long_vowels.a) << 8 |
               clamped(word.long_vowels.e) << 4 | clamped(word.long_vowels.other)) {}
  bool operator==(const WordClassKey&) const = default;

  static std::uint32_t clamped(int count) { return static_cast<std::uint32_t>(std::clamp(count, 0, 5)); }
};

struct WordClassHash {
  size_t operator()(const WordClassKey& key) const {
    return std::hash<std::uint64_t>()(key.syllable_bits * 0x9E3779B97F4A7C15ull ^ key.counts);
  }
};

}  // namespace

void QueryCorpus::read_words(TableRows& words, WordRowIndex& word_rows) {
  const int syllable_column = words.column_index(kWordTable.name(word_column::kSyllables));
  const int position_column = words.column_index(kWordTable.name(word_column::kPosition));
  const int text_word_column = words.column_index(kWordTable.name(word_column::kTextWord));
  std::vector<WordFacts> word_facts;
  std::vector<std::uint32_t> word_class_of_row;
  std::unordered_map<WordClassKey, std::uint32_t, WordClassHash> classes;
  while (words.next()) {
    if (word_facts.empty()) {
      word_facts.reserve(words.estimated_rows());
      word_class_of_row.reserve(words.estimated_rows());
      word_hit_numbers_.reserve(words.estimated_rows());
    }
    WordFacts& facts = word_facts.emplace_back();
    FieldText syllables = syllable_column > 0 ? words.cell(syllable_column) : std::nullopt;
    facts.has_syllables = syllables.has_value();
    if (syllables) facts.syllables = read_number(*syllables);
    facts.long_vowels = LongVowelCounts::of(words.cell(word_column::kSounds).value_or(""));
    if (position_column > 0) facts.position = word_positions_.add(words.cell(position_column));
    if (text_word_column > 0) facts.text_word = text_words_.add(words.cell(text_word_column));
    facts.duration = duration_of(words.cell(word_column::kDuration));
    auto [known, added] = classes.try_emplace(WordClassKey(facts), static_cast<std::uint32_t>(word_classes_.size()));
    if (added) word_classes_.push_back(facts);
    word_class_of_row.push_back(known->second);
    word_hit_numbers_.add(std::nullopt, words.cell(word_column::kNumber), words.cell(word_column::kSentence));
    word_rows.add(words.cell(word_column::kNumber));
  }
  word_facts_ = FactColumn<WordFacts>(std::move(word_facts));
  word_class_of_row_ = FactColumn<std::uint32_t>(std::move(word_class_of_row));
}

namespace {

// The label lists of a row's seven sounds, third before to third after. The
// row before holds most of them one place further on, so a list is compared
// with that one first and looked up only when it differs.
class LabelWindow {
 public:
  static constexpr size_t kPlaces = 7;
  static constexpr size_t kOwnPlace = 3;

  explicit LabelWindow(TextIds& ids) : ids_(ids) {}

  std::uint32_t id(size_t place, const FieldText& text) {
    Known& now = rows_[now_][place];
    now.present = text.has_value();
    const Known* before = place + 1 < kPlaces ? &rows_[now_ ^ 1][place + 1] : nullptr;
    now.id = text && before && before->present && same_text(ids_.text(before->id), *text) ? before->id : ids_.add(text);
    return now.id;
  }
  void next_row() { now_ ^= 1; }

 private:
  struct Known {
    bool present = false;
    std::uint32_t id = TextIds::kMissing;
  };
  TextIds& ids_;
  std::array<std::array<Known, kPlaces>, 2> rows_;  // this row's and the row before's, by turns
  size_t now_ = 0;
};

// The place in the window of neighbour k.
constexpr size_t window_place(int k) {
  return static_cast<size_t>(k) < LabelWindow::kOwnPlace ? static_cast<size_t>(k) : static_cast<size_t>(k) + 1;
}

}  // namespace

// The facts of one part of the sound rows, with ids of its own.
struct QueryCorpus::SoundPart {
  SoundFacts<FactVector> columns;
  std::vector<std::uint32_t> symbol_ids;
  TextIds positions, label_lists, symbols;
  // Until the words are in, a word key is the SZO_SORSZ number when the
  // text is one, otherwise kUnmatchedWord plus an id of the text.
  TextIds word_texts;
  bool has_empty_word = false;
  HitNumberStore hit_numbers;

  void reserve(size_t rows) {
    // Room that the rows never reach costs address space, not memory.
    columns.word_keys.reserve(rows);
    columns.durations.reserve(rows);
    columns.positions.reserve(rows);
    columns.labels.reserve(rows);
    for (std::vector<std::uint32_t>& column : columns.neighbour_labels) column.reserve(rows);
    columns.neighbour_present.reserve(rows);
    symbol_ids.reserve(rows);
    hit_numbers.reserve(rows);
  }
};

QueryCorpus::QueryCorpus(TableRows& words, TableRows& first_half, TableRows& second_half) {
  WordRowIndex word_rows;
  std::future<void> words_reading = std::async(std::launch::async, [&] { read_words(words, word_rows); });
  SoundPart first, second;
  {
    // The first half's columns take the second's after it: room for both,
    // so that nothing is copied twice.
    std::future<void> second_reading =
        std::async(std::launch::async, [&] { read_sound_part(second_half, 1, second); });
    read_sound_part(first_half, 2, first);
    second_reading.get();
  }
  words_reading.get();
  find_words(first, word_rows);
  find_words(second, word_rows);
  join_sound_parts(first, second);
  std::future<void> symbol_rows = std::async(std::launch::async, [&] {
    symbol_rows_ = PostingLists(first.symbol_ids, symbols_.size());
  });
  label_list_rows_ = PostingLists(sounds_.labels, label_lists_.size());
  std::vector<std::uint32_t> word_classes(sounds_.size());
  for (size_t row = 0; row < sounds_.size(); ++row) {
    const std::uint32_t key = sounds_.word_keys[row];
    word_classes[row] = key & kUnmatchedWord ? kNoWordClass : word_class_of_row_[key - 1];
  }
  sounds_.word_classes = FactColumn<std::uint32_t>(std::move(word_classes));
  symbol_rows.get();
}

void QueryCorpus::read_sound_part(TableRows& sounds, size_t room_scale, SoundPart& part) const {
  const int position_column = sounds.column_index(kSoundTable.name(sound_column::kPosition));
  const int symbol_column = sounds.column_index(kSoundTable.name(sound_column::kSymbol));
  SoundFacts<FactVector>& columns = part.columns;
  std::string previous_word;
  std::uint32_t word_key = 0;
  LabelWindow labels(part.label_lists);
  while (sounds.next()) {
    if (part.symbol_ids.empty()) part.reserve(room_scale * sounds.estimated_rows());
    // The sounds of a word stand together: most rows repeat the word of the row before.
    const std::string_view word = sounds.cell(sound_column::kWord).value_or("");
    if (part.symbol_ids.empty() || !same_text(word, previous_word)) {
      const int number = canonical_number(word);
      word_key = number > 0 ? static_cast<std::uint32_t>(number) : kUnmatchedWord | part.word_texts.add(word);
      previous_word.assign(word);
    }
    if (word.empty()) part.has_empty_word = true;
    columns.word_keys.push_back(word_key);
    columns.durations.push_back(duration_of(sounds.cell(sound_column::kDuration)));
    columns.positions.push_back(position_column > 0 ? part.positions.add(sounds.cell(position_column))
                                                    : TextIds::kMissing);
    columns.labels.push_back(labels.id(LabelWindow::kOwnPlace, sounds.cell(sound_column::kLabels)));
    std::uint8_t present = 0;
    for (int k = 0; k < kNeighbourCount; ++k) {
      const FieldText& symbol = sounds.cell(sound_column::kNeighbourSymbol[k]);
      if (symbol && !symbol->empty()) present |= static_cast<std::uint8_t>(1u << k);
      columns.neighbour_labels[static_cast<size_t>(k)].push_back(
          labels.id(window_place(k), sounds.cell(sound_column::kNeighbourLabels[k])));
    }
    columns.neighbour_present.push_back(present);
    labels.next_row();
    part.symbol_ids.push_back(symbol_column > 0 ? part.symbols.add(sounds.cell(symbol_column)) : TextIds::kMissing);
    part.hit_numbers.add(sounds.cell(sound_column::kNumber), sounds.cell(sound_column::kWord),
                         sounds.cell(sound_column::kSentence));
  }
}

namespace {

// The id in `into` of each id of `from`; the missing field stays missing.
std::vector<std::uint32_t> ids_in(TextIds& into, const TextIds& from) {
  std::vector<std::uint32_t> ids(from.size(), TextIds::kMissing);
  for (std::uint32_t id = 1; id < from.size(); ++id) ids[id] = into.add(from.text(id));
  return ids;
}

// Each column of the second part is let go once appended: the parts never
// hold more than one column twice.
template <class T>
void append_mapped(std::vector<T>& into, std::vector<T>& from, const std::vector<std::uint32_t>& ids) {
  into.reserve(into.size() + from.size());
  for (T id : from) into.push_back(ids[id]);
  std::vector<T>().swap(from);
}

template <class T>
void append(std::vector<T>& into, std::vector<T>& from) {
  into.insert(into.end(), from.begin(), from.end());
  std::vector<T>().swap(from);
}

}  // namespace

void QueryCorpus::find_words(SoundPart& part, const WordRowIndex& word_rows) {
  // A word found in no row takes the next id of those texts, in the order
  // the rows first hold them.
  auto key_of = [&](std::string_view text) {
    const std::uint32_t row = word_rows.row_of(text);
    return row > 0 ? row : kUnmatchedWord | unmatched_words_.add(text);
  };
  std::vector<std::uint32_t> text_keys(part.word_texts.size(), TextIds::kUnknownText);
  std::uint32_t before = 0, before_key = 0;  // the sounds of a word stand together
  for (std::uint32_t& key : part.columns.word_keys) {
    if (key == before) {
      key = before_key;
      continue;
    }
    before = key;
    if (!(key & kUnmatchedWord)) {
      const std::uint32_t row = word_rows.row_of_number(key);
      key = row > 0 ? row : key_of(std::to_string(key));
    } else {
      std::uint32_t& known = text_keys[key & ~kUnmatchedWord];
      if (known == TextIds::kUnknownText) known = key_of(part.word_texts.text(key & ~kUnmatchedWord));
      key = known;
    }
    before_key = key;
  }
  if (part.has_empty_word) empty_word_key_ = key_of("");
}

// The first part's ids stay; the second's are looked up in them.
void QueryCorpus::join_sound_parts(SoundPart& first, SoundPart& second) {
  const std::vector<std::uint32_t> positions = ids_in(first.positions, second.positions);
  const std::vector<std::uint32_t> label_lists = ids_in(first.label_lists, second.label_lists);
  const std::vector<std::uint32_t> symbols = ids_in(first.symbols, second.symbols);
  SoundFacts<FactVector>& into = first.columns;
  SoundFacts<FactVector>& from = second.columns;
  // The columns are appended on both cores, about half of the bytes each.
  std::future<void> other_half = std::async(std::launch::async, [&] {
    for (size_t k = 0; k < 3; ++k) append_mapped(into.neighbour_labels[k], from.neighbour_labels[k], label_lists);
    append(into.durations, from.durations);
    first.hit_numbers.append(std::move(second.hit_numbers));
  });
  append(into.word_keys, from.word_keys);
  append_mapped(into.positions, from.positions, positions);
  append_mapped(into.labels, from.labels, label_lists);
  for (size_t k = 3; k < into.neighbour_labels.size(); ++k)
    append_mapped(into.neighbour_labels[k], from.neighbour_labels[k], label_lists);
  append(into.neighbour_present, from.neighbour_present);
  append_mapped(first.symbol_ids, second.symbol_ids, symbols);
  other_half.get();

  each_sound_column([](auto& column, auto& built) { column = std::remove_reference_t<decltype(column)>(std::move(built)); },
                    sounds_, first.columns);
  sound_positions_ = std::move(first.positions);
  label_lists_ = std::move(first.label_lists);
  symbols_ = std::move(first.symbols);
  hit_numbers_ = std::move(first.hit_numbers);
}

std::span<const std::uint32_t> QueryCorpus::rows_of_symbol(std::string_view symbol) const {
  // A missing HANG equals no symbol, as no text finds id 0.
  const std::uint32_t id = symbols_.find(up_to_zero(symbol));
  return id == TextIds::kUnknownText ? std::span<const std::uint32_t>() : symbol_rows_.rows(id);
}

}  // namespace zor
