#pragma once
// The word and sound tables as the query reads them: the facts every
// specification tests, taken once per run, so that a specification costs its
// candidates in compact arrays instead of field look-ups and table searches.
// The sound table, the largest by far, is read row by row into its facts
// and not kept.
#include <array>
#include <optional>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "corpus/table_layout.h"
#include "query/fact_column.h"
#include "query/fact_file.h"
#include "query/hit_numbers.h"
#include "query/query_texts.h"
#include "query/text_ids.h"
#include "tables/table_rows.h"
#include "tables/text_table.h"

namespace zor {

// The rows of each id, in increasing order: a search for one id costs its
// rows, not the table.
class PostingLists {
 public:
  PostingLists() = default;
  // One id per 0-based row, each below id_count.
  PostingLists(std::span<const std::uint32_t> row_ids, size_t id_count);
  // As made before: begins by id, one more at the end, and the rows of each
  // id, id after id; nullopt when they do not fit together.
  static std::optional<PostingLists> of(FactColumn<std::uint32_t> begins, FactColumn<std::uint32_t> rows);
  std::span<const std::uint32_t> rows(std::uint32_t id) const;
  const FactColumn<std::uint32_t>& begins() const { return begins_; }
  const FactColumn<std::uint32_t>& all_rows() const { return rows_; }

 private:
  FactColumn<std::uint32_t> begins_;  // by id, one more at the end
  FactColumn<std::uint32_t> rows_;    // the rows of each id, id after id
};

// A duration as the query counts it: the field's number truncated toward
// zero; outside the 32-bit range or not finite it is the lowest 32-bit value.
std::int32_t duration_of(FieldText field);

struct WordFacts {
  bool has_syllables = false;  // a missing syllable field meets no condition
  double syllables = 0.0;
  LongVowelCounts long_vowels;
  std::uint32_t position = TextIds::kMissing;   // SZO_POZ
  std::uint32_t text_word = TextIds::kMissing;  // SZO_SZOVEGSZO
  std::int32_t duration = 0;                    // SZO_HOSSZ
};

// The facts of the sound rows, a column each: a search reads only the columns
// its tests use, which for a class of half the table is a tenth of the rows'
// bytes. Built in vectors, searched in fact columns.
template <template <class> class Array>
struct SoundFacts {
  // Equal keys for equal SZO_SORSZ texts (missing reads as ""): the word's row
  // when one has the number, otherwise kUnmatchedWord plus an id of the text.
  Array<std::uint32_t> word_keys;
  // The word class (QueryCorpus::word_classes()) of the sound's word;
  // kNoWordClass when no word has its number.
  Array<std::uint32_t> word_classes;
  Array<std::int32_t> durations;   // HANG_HOSSZ
  Array<std::uint32_t> positions;  // HANG_POZ
  Array<std::uint32_t> labels;     // HANG_CIMKE, an id of label_lists()
  std::array<Array<std::uint32_t>, kNeighbourCount> neighbour_labels;
  Array<std::uint8_t> neighbour_present;  // bit k: neighbour k is not empty

  size_t size() const { return durations.size(); }
};

template <class T>
using FactVector = std::vector<T>;
using SoundColumns = SoundFacts<FactColumn>;

// Calls f with each column of the facts given, the same column of each at
// once, for what is done to every column alike.
template <class F, class... Facts>
void each_sound_column(F f, Facts&... facts) {
  f(facts.word_keys...);
  f(facts.word_classes...);
  f(facts.durations...);
  f(facts.positions...);
  f(facts.labels...);
  for (size_t k = 0; k < static_cast<size_t>(kNeighbourCount); ++k) f(facts.neighbour_labels[k]...);
  f(facts.neighbour_present...);
}

class QueryCorpus {
 public:
  // The word and sound rows are read to their end here, the words and the
  // two halves of the sound table at once: the first half's rows come first.
  // A sound finds its word once every word is in, so the rows may come
  // while they are written, the words after their sounds. No table is
  // needed after.
  QueryCorpus(TableRows& words, TableRows& first_half, TableRows& second_half);

  // The corpus as sections that read() takes back.
  void write(FactFileWriter& file) const;
  // A corpus that write() wrote, its facts viewed in place in the file's
  // bytes, which `bytes_owner` keeps; nullopt when its sections do not fit
  // together.
  static std::optional<QueryCorpus> read(FactFileReader& file, std::shared_ptr<const void> bytes_owner);

  const FactColumn<WordFacts>& word_facts() const { return word_facts_; }  // row - 1
  const SoundColumns& sounds() const { return sounds_; }
  // The words that every word condition treats alike fall into one class:
  // the facts of one word of each class, by class. A sound's word is tested
  // by its class, once per specification, not by its row.
  const std::vector<WordFacts>& word_classes() const { return word_classes_; }
  static constexpr std::uint32_t kNoWordClass = UINT32_MAX;
  const FactColumn<std::uint32_t>& word_class_of_row() const { return word_class_of_row_; }  // row - 1
  const TextIds& word_positions() const { return word_positions_; }
  const TextIds& text_words() const { return text_words_; }
  const TextIds& sound_positions() const { return sound_positions_; }
  // Every label list of the sound table (own and neighbours'), by id.
  const TextIds& label_lists() const { return label_lists_; }
  // The word key of the empty word number; kUnknownText when no sound has it.
  std::uint32_t empty_word_key() const { return empty_word_key_; }
  static constexpr std::uint32_t kUnmatchedWord = 0x80000000u;
  // The 0-based rows whose HANG equals the symbol, in increasing order.
  std::span<const std::uint32_t> rows_of_symbol(std::string_view symbol) const;
  // The 0-based rows whose own label list (HANG_CIMKE) has the id, in
  // increasing order.
  std::span<const std::uint32_t> rows_of_label_list(std::uint32_t id) const { return label_list_rows_.rows(id); }
  // HANG_SORSZ, SZO_SORSZ and MONDAT_SORSZ of each sound row.
  const HitNumberStore& hit_numbers() const { return hit_numbers_; }
  // An empty sound number, SZO_SORSZ and MONDAT_SORSZ of each word row.
  const HitNumberStore& word_hit_numbers() const { return word_hit_numbers_; }

 private:
  QueryCorpus() = default;
  struct SoundPart;
  class WordRowIndex;
  void read_words(TableRows& words, WordRowIndex& word_rows);
  // Reads the rows into the part, with room for room_scale times the rows
  // they seem to hold.
  void read_sound_part(TableRows& sounds, size_t room_scale, SoundPart& part) const;
  // Turns the part's word numbers into word keys; the first part first.
  void find_words(SoundPart& part, const WordRowIndex& word_rows);
  void join_sound_parts(SoundPart& first, SoundPart& second);

  FactColumn<WordFacts> word_facts_;
  FactColumn<std::uint32_t> word_class_of_row_;  // row - 1
  std::vector<WordFacts> word_classes_;
  SoundColumns sounds_;
  TextIds word_positions_, text_words_, sound_positions_, label_lists_, unmatched_words_, symbols_;
  std::uint32_t empty_word_key_ = TextIds::kUnknownText;
  PostingLists symbol_rows_, label_list_rows_;
  HitNumberStore hit_numbers_, word_hit_numbers_;
  std::shared_ptr<const void> bytes_owner_;  // of a corpus that was read
};

}  // namespace zor
