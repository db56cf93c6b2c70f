#include "query/query_corpus.h"

#include <climits>
#include <cmath>

namespace zor {

std::uint32_t TextIds::add(FieldText text) {
  if (!text) return kMissing;
  return texts_.insert(*text).first + 1;
}

std::uint32_t TextIds::find(std::string_view text) const {
  std::uint32_t index = texts_.find(text);
  return index == TextKeyIndex::kNone ? kUnknownText : index + 1;
}

std::int32_t duration_of(FieldText field) {
  double value = field ? read_number(*field) : 0.0;
  if (!std::isfinite(value)) return INT32_MIN;
  double whole = std::trunc(value);
  if (whole < static_cast<double>(INT32_MIN) || whole > static_cast<double>(INT32_MAX))
    return INT32_MIN;
  return static_cast<std::int32_t>(whole);
}

QueryCorpus::QueryCorpus(const TextTable& words, const TextTable& sounds)
    : words_(words), sounds_(sounds) {
  read_words();
  read_sounds();
  index_label_lists();
  symbol_column_ = sounds_.column_index(kSoundTable.name(sound_column::kSymbol));
  if (symbol_column_ > 0) symbol_index_ = std::make_unique<ExactIndex>(sounds_, symbol_column_);
}

void QueryCorpus::read_words() {
  const int syllable_column = words_.column_index(kWordTable.name(word_column::kSyllables));
  const int position_column = words_.column_index(kWordTable.name(word_column::kPosition));
  const int text_word_column = words_.column_index(kWordTable.name(word_column::kTextWord));
  word_facts_.resize(static_cast<size_t>(words_.row_count()));
  for (int row = 1; row <= words_.row_count(); ++row) {
    WordFacts& facts = word_facts_[static_cast<size_t>(row - 1)];
    FieldText syllables = syllable_column > 0 ? words_.cell(row, syllable_column) : std::nullopt;
    facts.has_syllables = syllables.has_value();
    if (syllables) facts.syllables = read_number(*syllables);
    facts.long_vowels = LongVowelCounts::of(words_.cell(row, word_column::kSounds).value_or(""));
    if (position_column > 0) facts.position = word_positions_.add(words_.cell(row, position_column));
    if (text_word_column > 0)
      facts.text_word = text_words_.add(words_.cell(row, text_word_column));
    facts.duration = duration_of(words_.cell(row, word_column::kDuration));
  }
}

void QueryCorpus::read_sounds() {
  const int position_column = sounds_.column_index(kSoundTable.name(sound_column::kPosition));
  const ExactIndex word_numbers(words_, word_column::kNumber);
  sound_facts_.resize(static_cast<size_t>(sounds_.row_count()));
  std::string_view previous_word;
  for (int row = 1; row <= sounds_.row_count(); ++row) {
    SoundFacts& facts = sound_facts_[static_cast<size_t>(row - 1)];
    // The sounds of a word stand together: most rows repeat the word of the row before.
    const std::string_view word = sounds_.cell(row, sound_column::kWord).value_or("");
    if (row > 1 && word == previous_word) {
      facts.word_key = sound_facts_[static_cast<size_t>(row - 2)].word_key;
      facts.word_row = sound_facts_[static_cast<size_t>(row - 2)].word_row;
    } else {
      std::span<const int> word_rows = word_numbers.rows(word);
      facts.word_row = word_rows.empty() ? -1 : word_rows.front();
      facts.word_key = word_rows.empty() ? kUnmatchedWord | unmatched_words_.add(word)
                                         : static_cast<std::uint32_t>(facts.word_row);
    }
    previous_word = word;
    if (word.empty()) empty_word_key_ = facts.word_key;
    facts.duration = duration_of(sounds_.cell(row, sound_column::kDuration));
    if (position_column > 0) facts.position = sound_positions_.add(sounds_.cell(row, position_column));
    facts.labels = label_lists_.add(sounds_.cell(row, sound_column::kLabels));
    for (int k = 0; k < kNeighbourCount; ++k) {
      FieldText symbol = sounds_.cell(row, sound_column::kNeighbourSymbol[k]);
      if (symbol && !symbol->empty()) facts.neighbour_present |= static_cast<std::uint8_t>(1u << k);
      facts.neighbour_labels[k] = label_lists_.add(sounds_.cell(row, sound_column::kNeighbourLabels[k]));
    }
  }
}

// A counting sort of the rows by their own label list.
void QueryCorpus::index_label_lists() {
  label_list_begins_.assign(label_lists_.size() + 1, 0);
  for (const SoundFacts& facts : sound_facts_) ++label_list_begins_[facts.labels + 1];
  for (size_t id = 1; id < label_list_begins_.size(); ++id)
    label_list_begins_[id] += label_list_begins_[id - 1];
  label_list_rows_.resize(sound_facts_.size());
  std::vector<std::uint32_t> next(label_list_begins_.begin(), label_list_begins_.end() - 1);
  for (size_t row = 0; row < sound_facts_.size(); ++row)
    label_list_rows_[next[sound_facts_[row].labels]++] = static_cast<std::uint32_t>(row);
}

std::span<const std::uint32_t> QueryCorpus::rows_of_label_list(std::uint32_t id) const {
  if (id + 1 >= label_list_begins_.size()) return {};
  return std::span(label_list_rows_).subspan(label_list_begins_[id],
                                             label_list_begins_[id + 1] - label_list_begins_[id]);
}

std::span<const int> QueryCorpus::rows_of_symbol(std::string_view symbol) const {
  if (!symbol_index_) return {};
  return symbol_index_->rows(symbol);
}

}  // namespace zor
