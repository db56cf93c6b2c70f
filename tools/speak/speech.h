#pragma once
// A sentence spoken by libespeak-ng: the samples at 22050 Hz and where each
// word and phoneme begins in them.
#include <cstdint>
#include <string>
#include <vector>

namespace zor::speak {

inline constexpr int kSampleRate = 22050;

struct Speaker {
  std::string voice;  // an espeak-ng voice name with its variant, e.g. "hu+f2"
  int rate = 175;     // words per minute
};

struct SpeechEvent {
  enum class Kind : std::uint8_t { word, phoneme };
  Kind kind = Kind::phoneme;
  std::uint32_t sample = 0;  // where it begins
  std::string phoneme;       // espeak-ng's name, for a phoneme
  // espeak-ng's transcription marks the phoneme long ("t:" of "itt"); its
  // phoneme events name it without the mark.
  bool lengthened = false;
  std::uint32_t word = 0;  // for a word: its place among the text's words, from 1
};

struct Speech {
  std::vector<std::int16_t> samples;  // 16-bit mono
  std::vector<SpeechEvent> events;    // in time order
};

// Speaks UTF-8 text. Every word of the text (a run of non-blank characters)
// gets its word event. The result depends on the text and the speaker alone,
// not on what was spoken before. False with a message when espeak-ng cannot
// be set up, has no such voice, or its transcription and its speech do not
// agree on the phonemes.
bool speak(const std::string& utf8_text, const Speaker& speaker, Speech& speech,
           std::string& error);

}  // namespace zor::speak
