#include "query/report_tables.h"

#include <algorithm>
#include <future>

#include "corpus/table_layout.h"
#include "query/table_check.h"
#include "tables/table_rows.h"
#include "tables/text_utils.h"

namespace zor {

bool KeyedTable::load(std::string_view path, std::string_view key) {
  table_.set_separator('\t');
  if (!table_.load(path)) return false;
  int column = table_.column_index(key);
  if (column > 0) index_.emplace(table_, column);
  return true;
}

std::span<const int> KeyedTable::rows(std::string_view value) const {
  if (!index_) return {};
  return index_->rows(value);
}

bool DetailIndex::load(const std::string& path, std::string_view key, int detail_column) {
  TableFileRows rows('\t');
  const bool opened = rows.open(path, [&](const std::vector<std::string>& names) {
    return static_cast<size_t>(std::max(column_number(names, key), detail_column));
  });
  if (!opened) return false;
  names_ = rows.column_names();
  const int key_column = rows.column_index(key);
  std::string written;
  while (rows.next()) {
    if (detail_of_row_.empty()) detail_of_row_.reserve(rows.estimated_rows());
    std::string_view text = rows.cell(detail_column).value_or(std::string_view{});
    if (find_byte(text, '\n') != std::string_view::npos) {
      written.clear();
      append_crlf(written, text);
      text = written;
    }
    const std::uint32_t detail = details_.add(text);
    detail_of_row_.push_back(detail);
    // A missing key equals no value.
    const FieldText field = key_column > 0 ? rows.cell(key_column) : std::nullopt;
    const size_t row = detail_of_row_.size();
    if (row_numbered_ && field && static_cast<size_t>(canonical_number(*field)) == row) continue;
    if (row_numbered_) {
      // The rows before were numbered 1, 2, 3, ...: their keys are those numbers.
      row_numbered_ = false;
      for (size_t before = 1; before < row; ++before)
        detail_of_key_.emplace(std::to_string(before), detail_of_row_[before - 1]);
    }
    if (field) detail_of_key_.emplace(*field, detail);
  }
  // No row, no numbering: every look-up finds nothing.
  if (detail_of_row_.empty()) row_numbered_ = false;
  return !rows.failed();
}

std::optional<std::string_view> DetailIndex::detail(std::string_view value) const {
  value = up_to_zero(value);
  if (row_numbered_) {
    const int row = canonical_number(value);
    if (row == 0 || static_cast<size_t>(row) > detail_of_row_.size()) return std::nullopt;
    return details_.text(detail_of_row_[static_cast<size_t>(row - 1)]);
  }
  auto found = detail_of_key_.find(std::string(value));
  if (found == detail_of_key_.end()) return std::nullopt;
  return details_.text(found->second);
}

bool ReportTables::load(const OutputNames& names) {
  // A detail line shows the sentence's or word's sounds, the sound's symbol.
  // The distribution is the largest table by far: it is read through on a
  // second core while the others load on this one.
  std::future<bool> distribution = std::async(std::launch::async, [&] {
    return result_dev.open(names.result_dev, kDistributionTable.name(distribution_column::kName));
  });
  bool loaded = sentences.load(names.sentences, kSentenceTable.name(sentence_column::kNumber),
                               sentence_column::kSounds);
  loaded = words.load(names.words, kWordTable.name(word_column::kNumber), word_column::kSounds) && loaded;
  loaded = sounds.load(names.sounds, kSoundTable.name(sound_column::kNumber), sound_column::kSymbol) && loaded;
  loaded = result.load(names.result, kResultTable.name(result_column::kName)) && loaded;
  loaded = distribution.get() && loaded;
  return loaded;
}

std::string ReportTables::missing_columns(const OutputNames& names) const {
  std::string message =
      missing_column_message(sentences.column_names(), kSentenceTable,
                             {sentence_column::kNumber, sentence_column::kSounds}, names.sentences);
  if (message.empty())
    message = missing_column_message(words.column_names(), kWordTable,
                                     {word_column::kNumber, word_column::kSounds}, names.words);
  if (message.empty())
    message = missing_column_message(sounds.column_names(), kSoundTable,
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
