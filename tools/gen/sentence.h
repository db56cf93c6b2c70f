#pragma once
// A synthetic spoken sentence of Hungarian shape: an opening pause, words of
// 1 to 12 sounds (articles "a" and "az" among them, now and then a pause
// between words), a closing pause.
#include <cstdint>
#include <string>
#include <vector>

#include "gen/random.h"

namespace zor::gen {

struct Sound {
  std::string label;        // as written in the label file
  std::string length_code;  // "200" for a long sound
  std::uint32_t samples;    // duration at 22050 samples per second
  bool voiced;              // carries pitch marks
};

struct Word {
  std::vector<Sound> sounds;
  std::string spelling;  // Windows-1250; empty for a pause
  // Whether its first boundary is a word boundary. A closing pause without
  // one leaves the word before it the last of the sentence.
  bool starts_word = true;
};

struct Sentence {
  std::vector<Word> words;  // the first and the last are pauses
  std::string text;         // Windows-1250, as the text file holds it

  size_t sound_count() const;
};

Sentence make_sentence(Random& random);

}  // namespace zor::gen
