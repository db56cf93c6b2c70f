#include <type_traits>

#include "query/query_corpus.h"

// A corpus kept between runs, section by section; the order here is the
// file's layout.
namespace zor {
namespace {

void write_ids(FactFileWriter& file, const TextIds& ids) {
  const std::vector<std::string_view> texts = ids.texts();
  file.put_texts(texts);
}

void read_ids(FactFileReader& file, TextIds& ids, bool& fits) {
  const std::vector<std::string_view> texts = file.texts();
  std::optional<TextIds> read = TextIds::of(texts);
  fits = fits && read.has_value();
  if (read) ids = std::move(*read);
}

void write_lists(FactFileWriter& file, const PostingLists& lists) {
  file.put(lists.begins().span());
  file.put(lists.all_rows().span());
}

void read_lists(FactFileReader& file, PostingLists& lists, size_t row_count, bool& fits) {
  FactColumn<std::uint32_t> begins = file.column<std::uint32_t>();
  FactColumn<std::uint32_t> rows = file.column<std::uint32_t>();
  fits = fits && rows.size() == row_count;
  std::optional<PostingLists> read = PostingLists::of(std::move(begins), std::move(rows));
  fits = fits && read.has_value();
  if (read) lists = std::move(*read);
}

}  // namespace

void QueryCorpus::write(FactFileWriter& file) const {
  file.put(word_facts_.span());
  file.put(word_class_of_row_.span());
  file.put(std::span<const WordFacts>(word_classes_));
  word_hit_numbers_.write(file);
  each_sound_column([&file](const auto& column) { file.put(column.span()); }, sounds_);
  hit_numbers_.write(file);
  for (const TextIds* ids : {&word_positions_, &text_words_, &sound_positions_, &label_lists_, &symbols_})
    write_ids(file, *ids);
  file.put_value(empty_word_key_);
  write_lists(file, symbol_rows_);
  write_lists(file, label_list_rows_);
}

std::optional<QueryCorpus> QueryCorpus::read(FactFileReader& file, std::shared_ptr<const void> bytes_owner) {
  QueryCorpus corpus;
  corpus.word_facts_ = file.column<WordFacts>();
  corpus.word_class_of_row_ = file.column<std::uint32_t>();
  const FactColumn<WordFacts> word_classes = file.column<WordFacts>();
  corpus.word_classes_.assign(word_classes.begin(), word_classes.end());
  std::optional<HitNumberStore> word_numbers = HitNumberStore::read(file);
  each_sound_column([&file](auto& column) { column = file.column<typename std::remove_cvref_t<decltype(column[0])>>(); },
                    corpus.sounds_);
  std::optional<HitNumberStore> sound_numbers = HitNumberStore::read(file);
  bool fits = word_numbers && sound_numbers;
  for (TextIds* ids : {&corpus.word_positions_, &corpus.text_words_, &corpus.sound_positions_, &corpus.label_lists_,
                       &corpus.symbols_})
    read_ids(file, *ids, fits);
  corpus.empty_word_key_ = file.value<std::uint32_t>();
  const size_t sound_count = corpus.sounds_.size();
  read_lists(file, corpus.symbol_rows_, sound_count, fits);
  read_lists(file, corpus.label_list_rows_, sound_count, fits);
  if (!fits || !file.intact() || !file.at_end()) return std::nullopt;
  corpus.word_hit_numbers_ = std::move(*word_numbers);
  corpus.hit_numbers_ = std::move(*sound_numbers);
  const size_t word_count = corpus.word_facts_.size();
  bool same_counts = corpus.word_class_of_row_.size() == word_count && corpus.word_hit_numbers_.size() == word_count &&
                     corpus.hit_numbers_.size() == sound_count;
  each_sound_column([&](const auto& column) { same_counts = same_counts && column.size() == sound_count; },
                    corpus.sounds_);
  if (!same_counts) return std::nullopt;
  corpus.bytes_owner_ = std::move(bytes_owner);
  return corpus;
}

}  // namespace zor
