#pragma once
// Where the sounds and words of a spoken sentence begin, from espeak-ng's word
// and phoneme events, and the sentence as the label files hold it.
#include <cstdint>
#include <string>
#include <vector>

#include "gen/sentence.h"
#include "speak/speech.h"

namespace zor::speak {

struct SpokenSound {
  std::string label;
  bool is_long = false;
  std::uint32_t start = 0;  // sample
};

// A pause word holds the one pause label.
struct SpokenWord {
  std::vector<SpokenSound> sounds;
  bool is_pause() const;
};

struct SpokenSentence {
  std::vector<SpokenWord> words;  // a pause word only between two words
  std::uint32_t speech_end = 0;   // where the closing pause begins
};

// Labels every phoneme by the table. A word begins at its word event, so the
// silence before its first sound (a stop's closure, the break espeak-ng makes
// before a vowel) belongs to that sound; after a pause, or first in the
// sentence, where that silence cannot be told from the pause, it begins at its
// first sound. A pause between words becomes a pause word; inside a word it
// adds its time to the sound before it. Two like consonants in a row within a
// word are one long consonant, as Hungarian speaks them. False with a message
// for a phoneme the table does not know.
bool segment_speech(const Speech& speech, SpokenSentence& sentence, std::string& error);

// The sentence in a recording whose speech starts `lead` samples in and which
// lasts `length` samples: an opening pause word, the words, and the closing
// pause from the end of the speech to the end of the recording. The closing
// pause begins no word, so the word before it is the last of the sentence.
gen::Sentence labelled_sentence(const SpokenSentence& spoken, std::uint32_t lead,
                                std::uint32_t length, std::string text);

}  // namespace zor::speak
