#include "query/report_tables.h"

#include <algorithm>
#include <future>

#include "corpus/table_layout.h"
#include "query/table_check.h"

namespace zor {

bool KeyedTable::load(std::string_view path, std::string_view key, int detail_column,
                      int stored_columns) {
  table_.set_separator('\t');
  table_.set_stored_columns(stored_columns);
  if (!table_.load(path)) return false;
  int column = table_.column_index(key);
  if (column > 0) index_.emplace(table_, column);
  if (detail_column > 0) gather_details(detail_column);
  return true;
}

void KeyedTable::gather_details(int column) {
  detail_ids_.resize(static_cast<size_t>(table_.row_count()));
  for (int row = 1; row <= table_.row_count(); ++row) {
    detail_ids_[static_cast<size_t>(row - 1)] =
        detail_texts_.insert(table_.cell(row, column).value_or(std::string_view{})).first;
  }
}

std::span<const int> KeyedTable::rows(std::string_view value) const {
  if (!index_) return {};
  return index_->rows(value);
}

std::optional<std::string_view> KeyedTable::detail(std::string_view value) const {
  std::span<const int> found = rows(value);
  if (found.empty() || detail_ids_.empty()) return std::nullopt;
  return detail_texts_.key(detail_ids_[static_cast<size_t>(found.front() - 1)]);
}

bool ReportTables::load(const OutputNames& names) {
  // A detail line shows the sentence's or word's sounds, the sound's symbol.
  // The report refuses tables whose number and detail columns are not in
  // their places, so the columns after those are never read: not keeping
  // them spares most of the sound table.
  constexpr int kSentenceColumns = std::max(sentence_column::kNumber, sentence_column::kSounds);
  constexpr int kWordColumns = std::max(word_column::kNumber, word_column::kSounds);
  constexpr int kSoundColumns = std::max(sound_column::kNumber, sound_column::kSymbol);
  // The distribution is the largest table by far: it is read through on a
  // second core while the others load on this one.
  std::future<bool> distribution = std::async(std::launch::async, [&] {
    return result_dev.open(names.result_dev, kDistributionTable.name(distribution_column::kName));
  });
  bool loaded = sentences.load(names.sentences, kSentenceTable.name(sentence_column::kNumber),
                               sentence_column::kSounds, kSentenceColumns);
  loaded = words.load(names.words, kWordTable.name(word_column::kNumber), word_column::kSounds,
                      kWordColumns) && loaded;
  loaded = sounds.load(names.sounds, kSoundTable.name(sound_column::kNumber), sound_column::kSymbol,
                       kSoundColumns) && loaded;
  loaded = result.load(names.result, kResultTable.name(result_column::kName)) && loaded;
  loaded = distribution.get() && loaded;
  return loaded;
}

std::string ReportTables::missing_columns(const OutputNames& names) const {
  std::string message =
      missing_column_message(sentences.table(), kSentenceTable,
                             {sentence_column::kNumber, sentence_column::kSounds}, names.sentences);
  if (message.empty())
    message = missing_column_message(words.table(), kWordTable,
                                     {word_column::kNumber, word_column::kSounds}, names.words);
  if (message.empty())
    message = missing_column_message(sounds.table(), kSoundTable,
                                     {sound_column::kNumber, sound_column::kSymbol}, names.sounds);
  if (message.empty())
    message = missing_column_message(result.table(), kResultTable,
                                     column_range(1, kResultTable.column_count()), names.result);
  if (message.empty())
    message = missing_column_message(
        result_dev.column_names(), kDistributionTable,
        {distribution_column::kName, distribution_column::kInterval,
         distribution_column::kOccurrence},
        names.result_dev);
  return message;
}

}  // namespace zor
