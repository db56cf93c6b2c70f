#include "export/hit_places.h"

#include "corpus/table_layout.h"
#include "platform/encoding.h"
#include "query/query_corpus.h"

namespace zor {

HitPlaces::HitPlaces(const TextTable& sentences, const TextTable& words, const TextTable& sounds,
                     AnnotationOptions annotation)
    : sentences_(sentences),
      sounds_(sounds),
      sentence_numbers_(sentences, sentence_column::kNumber),
      word_numbers_(words, word_column::kNumber),
      sound_numbers_(sounds, sound_column::kNumber),
      sound_words_(sounds, sound_column::kWord),
      sound_sentences_(sounds, sound_column::kSentence) {
  reader_.set_annotation(std::move(annotation));
}

std::optional<int> HitPlaces::first_row(const ExactIndex& index, std::string_view number) const {
  if (number.empty()) return std::nullopt;
  std::span<const int> rows = index.rows(number);
  if (rows.empty()) return std::nullopt;
  return rows.front();
}

std::optional<HitRows> HitPlaces::rows(const Hit& hit) const {
  HitRows rows;
  std::optional<int> sentence = first_row(sentence_numbers_, hit.sentence_number);
  if (!sentence) return std::nullopt;
  rows.sentence_row = *sentence;
  rows.word_row = first_row(word_numbers_, hit.word_number).value_or(0);
  if (hit.sound_number.empty()) {
    std::span<const int> word_sounds = sound_words_.rows(hit.word_number);
    if (hit.word_number.empty() || word_sounds.empty()) return std::nullopt;
    rows.first_sound_row = word_sounds.front();
    rows.sound_count = word_sounds.back() - word_sounds.front() + 1;
    return rows;
  }
  std::optional<int> sound = first_row(sound_numbers_, hit.sound_number);
  if (!sound) return std::nullopt;
  rows.first_sound_row = *sound;
  // A sequence lasts as long as its sounds together, as the query sums them.
  std::int64_t sum = 0;
  for (int count = 1; count <= 3 && *sound + count - 1 <= sounds_.row_count(); ++count) {
    sum += duration_of(sounds_.cell(*sound + count - 1, sound_column::kDuration));
    if (sum == hit.duration) {
      rows.sound_count = count;
      return rows;
    }
  }
  return std::nullopt;
}

const HitPlaces::Recording& HitPlaces::recording(int sentence_row) {
  auto [found, made] = recordings_.try_emplace(sentence_row);
  Recording& recording = found->second;
  if (!made) return recording;
  const std::string wav_path(sentences_.cell(sentence_row, sentence_column::kPath).value_or(""));
  const std::string_view number = sentences_.cell(sentence_row, sentence_column::kNumber).value_or("");
  std::string problem;
  if (!read_recorded_sounds(reader_, wav_path, recording.sounds, problem)) {
    warnings_.push_back(wav_path + ": " + problem);
    return recording;
  }
  // The tables' sounds of the sentence must be the annotation's, one for one.
  std::span<const int> rows = sound_sentences_.rows(number);
  bool same = rows.size() == recording.sounds.size();
  for (size_t i = 0; same && i < rows.size(); ++i) {
    const RecordedSound& sound = recording.sounds[i];
    same = rows[i] == rows.front() + static_cast<int>(i) &&
           sounds_.cell(rows[i], sound_column::kSymbol).value_or("") == sound.label &&
           sounds_.cell(rows[i], sound_column::kDuration).value_or("") == sound.duration;
  }
  if (!same) {
    warnings_.push_back(wav_path +
                        to_cp1250(": a címkézés megváltozott a konvertálás óta, az idők üresek"));
    recording.sounds.clear();
    return recording;
  }
  recording.usable = true;
  return recording;
}

std::optional<HitPlace> HitPlaces::place(const Hit& hit) {
  std::optional<HitRows> found = rows(hit);
  return found ? place(*found) : std::nullopt;
}

std::optional<HitPlace> HitPlaces::place(const HitRows& hit_rows) {
  const HitRows* found = &hit_rows;
  const Recording& sounds = recording(found->sentence_row);
  if (!sounds.usable) return std::nullopt;
  const std::string_view number = sentences_.cell(found->sentence_row, sentence_column::kNumber).value_or("");
  std::span<const int> sentence_rows = sound_sentences_.rows(number);
  if (sentence_rows.empty()) return std::nullopt;
  const int first = found->first_sound_row - sentence_rows.front();
  const int last = first + found->sound_count - 1;
  if (first < 0 || static_cast<size_t>(last) >= sounds.sounds.size()) return std::nullopt;
  return HitPlace{std::string(sentences_.cell(found->sentence_row, sentence_column::kPath).value_or("")),
                  sounds.sounds[static_cast<size_t>(first)].start,
                  sounds.sounds[static_cast<size_t>(last)].end};
}

}  // namespace zor
