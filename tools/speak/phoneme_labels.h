#pragma once
// How the phonemes of espeak-ng's Hungarian voice are written in the label
// files. Names are espeak-ng's own (as "espeak-ng -v hu -x" prints them and
// its phoneme events carry them, without the long mark ":" that its
// transcription puts after a lengthened consonant).
#include <string_view>
#include <vector>

namespace zor::speak {

enum class PhonemeRole {
  sound,  // has a label
  pause,  // "_": a pause word between words, nothing inside a word
  mark,   // a boundary espeak-ng reports that is no sound of its own
};

struct PhonemeLabel {
  std::string_view phoneme;
  PhonemeRole role;
  std::string_view label;  // for a sound: the short or long label as written
  bool is_long;            // a long vowel; consonants are long by gemination
};

const std::vector<PhonemeLabel>& phoneme_labels();
// Nullptr for a phoneme the table does not know.
const PhonemeLabel* find_phoneme_label(std::string_view phoneme);

}  // namespace zor::speak
