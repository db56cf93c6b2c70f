#pragma once
// The fixed phonetic rules of the corpus: consonants, vowels and the pause,
// long sounds, text words and the position class of a word in its sentence.
// They do not follow the user's label tree; labels are Windows-1250 bytes and
// compared exactly unless a rule says otherwise.
#include <string>
#include <string_view>

namespace zor {

inline constexpr std::string_view kPauseLabel = "_";
// Field 4 of a label-file line holds this code for a long sound.
inline constexpr std::string_view kLongLengthCode = "200";
// The code of a short sound, as the lab's label files write it.
inline constexpr std::string_view kShortLengthCode = "100";
// The mark a long consonant gets after its letter.
inline constexpr char kLongMark = ':';

bool is_consonant(std::string_view label);
// Everything that is neither a consonant nor the pause counts as a vowel,
// unknown labels and the empty text included.
bool is_vowel(std::string_view label);

// A sound is short when its length code is not "200" and its label is at most
// one byte long. A long consonant gets the long mark appended (even when it
// already ends in one).
struct MarkedLabel {
  std::string label;
  bool is_short;
};
MarkedLabel mark_length(std::string_view length_code, std::string_view label);

// The articles "a" and "az", in any letter case, are no text words.
bool is_text_word(std::string_view word_labels);

// The position class of the words of one sentence. A word's place comes from
// the reader (0 first, 3 last, 1 otherwise); an article in front does not use
// up the first place, so the first text word after it is still "ELSO".
class WordPositionRule {
 public:
  std::string_view classify(int place, bool text_word);

 private:
  bool text_word_seen_ = false;
};

}  // namespace zor
