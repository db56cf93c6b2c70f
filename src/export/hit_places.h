#pragma once
// Where a hit lies in its recording: from the hit's sound, word and sentence
// numbers, the corpus tables and the recording's annotation, the first and
// last sample of the sound, the sequence of two or three sounds, or the word.
// The samples come from the annotation itself, so no rounding of the
// tables' whole milliseconds adds up. A recording whose annotation no longer
// gives the tables' sounds (changed or gone since the conversion) gives no
// place and one warning, never a wrong place.
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "conversion/file_set_reader.h"
#include "conversion/recorded_sounds.h"
#include "query/query_hit.h"
#include "tables/text_table.h"

namespace zor {

// The rows of the corpus tables behind a hit (1-based).
struct HitRows {
  int sentence_row = 0;
  int word_row = 0;         // 0 when no word row has the number
  int first_sound_row = 0;  // a word hit: its first sound
  int sound_count = 0;      // 1 to 3 for a sound hit, the word's sounds for a word hit
};

struct HitPlace {
  std::string wav_path;  // Windows-1250, as the sentence table gives it
  std::uint32_t start = 0;  // first sample
  std::uint32_t end = 0;    // one past the last
};

class HitPlaces {
 public:
  // The tables must stay loaded and unchanged while this is in use.
  // `annotation` reads the TextGrid sets as the conversion read them.
  HitPlaces(const TextTable& sentences, const TextTable& words, const TextTable& sounds,
            AnnotationOptions annotation = {});

  // The rows of a hit; nullopt when the tables do not hold it. A sound hit
  // spans as many sounds (one to three) as its duration sums up.
  std::optional<HitRows> rows(const Hit& hit) const;
  std::optional<HitPlace> place(const Hit& hit);
  // The same for a hit whose rows are known.
  std::optional<HitPlace> place(const HitRows& rows);
  // A warning per recording that gave no place (Windows-1250), in the order met.
  const std::vector<std::string>& warnings() const { return warnings_; }

 private:
  struct Recording {
    bool usable = false;
    std::vector<RecordedSound> sounds;
  };
  const Recording& recording(int sentence_row);
  std::optional<int> first_row(const ExactIndex& index, std::string_view number) const;

  const TextTable& sentences_;
  const TextTable& sounds_;
  ExactIndex sentence_numbers_, word_numbers_, sound_numbers_;
  ExactIndex sound_words_, sound_sentences_;  // sounds by word and by sentence number
  FileSetReader reader_;
  std::unordered_map<int, Recording> recordings_;  // by sentence row
  std::vector<std::string> warnings_;
};

}  // namespace zor
