#include "export/hits_export.h"

#include <algorithm>

#include "corpus/table_layout.h"
#include "export/csv_line.h"
#include "query/report.h"

namespace zor {
namespace {

constexpr int kTimeDecimals = 6;  // a sample is 45 microseconds

std::string_view text_of(FieldText field) { return field.value_or(std::string_view{}); }

}  // namespace

void write_hits_csv(const TextTable& distribution, const TextTable& sentences,
                    const TextTable& words, const TextTable& sounds,
                    const std::vector<std::string>& names, HitPlaces& places, CsvOutput& out) {
  CsvLine line;
  for (const char* column :
       {"spec", "type", "duration_ms", "interval", "sound_no", "word_no", "sentence_no", "wav",
        "start_s", "end_s", "sound", "sound_labels", "word", "word_position", "word_syllables",
        "text_word", "sentence", "sentence_text", "before_3", "before_2", "before_1", "after_1",
        "after_2", "after_3"})
    line.text(column);
  out.write(line.finish());

  std::string sequence;
  for (int row = 1; row <= distribution.row_count(); ++row) {
    const std::string_view name = text_of(distribution.cell(row, distribution_column::kName));
    if (!names.empty() && std::find(names.begin(), names.end(), name) == names.end()) continue;
    const Occurrence occurrence = split_occurrence(text_of(distribution.cell(row, distribution_column::kOccurrence)));
    const Hit hit{static_cast<std::int64_t>(read_number(occurrence.value)), occurrence.sound,
                  occurrence.word, occurrence.sentence};
    line.text(name).text(text_of(distribution.cell(row, distribution_column::kType)));
    line.text(occurrence.value).text(text_of(distribution.cell(row, distribution_column::kInterval)));
    line.text(occurrence.sound).text(occurrence.word).text(occurrence.sentence);

    const std::optional<HitRows> rows = places.rows(hit);
    const std::optional<HitPlace> place = rows ? places.place(*rows) : std::nullopt;
    line.text(rows ? text_of(sentences.cell(rows->sentence_row, sentence_column::kPath)) : "");
    if (place) {
      line.number(place->start / double{kSamplesPerSecond}, kTimeDecimals);
      line.number(place->end / double{kSamplesPerSecond}, kTimeDecimals);
    } else {
      line.empty().empty();
    }
    const bool sound_hit = !occurrence.sound.empty();
    sequence.clear();
    if (rows && sound_hit) {
      for (int k = 0; k < rows->sound_count; ++k)
        sequence.append(text_of(sounds.cell(rows->first_sound_row + k, sound_column::kSymbol)));
    }
    line.text(sequence);
    line.text(rows && sound_hit ? text_of(sounds.cell(rows->first_sound_row, sound_column::kLabels)) : "");
    const int word = rows ? rows->word_row : 0;
    for (int column : {word_column::kSounds, word_column::kPosition, word_column::kSyllables,
                       word_column::kTextWord})
      line.text(word ? text_of(words.cell(word, column)) : "");
    for (int column : {sentence_column::kSounds, sentence_column::kText})
      line.text(rows ? text_of(sentences.cell(rows->sentence_row, column)) : "");
    // The sounds before the hit's first sound and after its last.
    const int first = rows ? rows->first_sound_row : 0;
    const int last = rows ? rows->first_sound_row + rows->sound_count - 1 : 0;
    for (int k = 0; k < 3; ++k)
      line.text(rows ? text_of(sounds.cell(first, sound_column::kNeighbourSymbol[k])) : "");
    for (int k = 3; k < 6; ++k)
      line.text(rows ? text_of(sounds.cell(last, sound_column::kNeighbourSymbol[k])) : "");
    out.write(line.finish());
  }
}

}  // namespace zor
