#include "speak/spoken_sentence.h"

#include <algorithm>
#include <limits>

#include "conversion/phonetics.h"
#include "speak/phoneme_labels.h"

namespace zor::speak {
namespace {

// No pause is going on (a sample no recording reaches).
constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

SpokenWord pause_word(std::uint32_t start) {
  return SpokenWord{{SpokenSound{std::string(kPauseLabel), false, start}}};
}

class Segmenter {
 public:
  explicit Segmenter(SpokenSentence& sentence) : sentence_(sentence) {}

  void word_begins(std::uint32_t sample) {
    if (pause_start_ != kNone) follows_pause_ = true;
    close_pause();
    word_pending_ = true;
    word_start_ = sample;
  }
  void pause_begins(std::uint32_t sample) {
    if (pause_start_ == kNone) pause_start_ = sample;
  }
  void sound(const PhonemeLabel& phoneme, bool lengthened, std::uint32_t sample) {
    bool is_long = phoneme.is_long || lengthened;
    if (word_pending_ || sentence_.words.empty()) {
      bool at_sound = follows_pause_ || pause_start_ != kNone || !word_pending_;
      close_pause();
      std::uint32_t start = after_last(at_sound ? sample : word_start_);
      sentence_.words.push_back({{{std::string(phoneme.label), is_long, start}}});
      word_pending_ = follows_pause_ = false;
      return;
    }
    pause_start_ = kNone;  // inside a word: the sound before it keeps the time
    std::vector<SpokenSound>& sounds = sentence_.words.back().sounds;
    SpokenSound& last = sounds.back();
    if (last.label == phoneme.label && is_consonant(last.label)) {
      last.is_long = true;
      return;
    }
    sounds.push_back({std::string(phoneme.label), is_long, after_last(sample)});
  }
  void end(std::uint32_t sample_count) {
    std::vector<SpokenWord>& words = sentence_.words;
    if (!words.empty() && words.back().is_pause()) {  // no word came after it
      pause_start_ = words.back().sounds.front().start;
      words.pop_back();
    }
    sentence_.speech_end = after_last(pause_start_ != kNone ? pause_start_ : sample_count);
  }

 private:
  // A pause closed by a word event lies between two words; a word event with
  // no sound between two pauses (espeak-ng sends one inside the pause at a
  // comma now and then) leaves one pause.
  void close_pause() {
    if (pause_start_ != kNone && !sentence_.words.empty() && !sentence_.words.back().is_pause()) {
      sentence_.words.push_back(pause_word(after_last(pause_start_)));
    }
    pause_start_ = kNone;
  }
  // Boundaries never go back in time.
  std::uint32_t after_last(std::uint32_t sample) const {
    if (sentence_.words.empty()) return sample;
    return std::max(sample, sentence_.words.back().sounds.back().start);
  }

  SpokenSentence& sentence_;
  bool word_pending_ = false;  // a word event came, its first sound not yet
  std::uint32_t word_start_ = 0;
  bool follows_pause_ = true;  // the pending word comes after a pause or first
  std::uint32_t pause_start_ = kNone;
};

// A pause word that takes no time, where a pause ended as soon as it began.
void drop_empty_pauses(SpokenSentence& sentence) {
  std::vector<SpokenWord>& words = sentence.words;
  for (size_t i = words.size(); i-- > 0;) {
    std::uint32_t next = i + 1 < words.size() ? words[i + 1].sounds.front().start : sentence.speech_end;
    if (words[i].is_pause() && words[i].sounds.front().start == next) {
      words.erase(words.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
}

}  // namespace

bool SpokenWord::is_pause() const { return sounds.size() == 1 && sounds[0].label == kPauseLabel; }

bool segment_speech(const Speech& speech, SpokenSentence& sentence, std::string& error) {
  sentence = SpokenSentence{};
  Segmenter segmenter(sentence);
  for (const SpeechEvent& event : speech.events) {
    if (event.kind == SpeechEvent::Kind::word) {
      segmenter.word_begins(event.sample);
      continue;
    }
    const PhonemeLabel* phoneme = find_phoneme_label(event.phoneme);
    if (phoneme == nullptr) {
      error = "the espeak-ng phoneme \"" + event.phoneme + "\" has no label";
      return false;
    }
    if (phoneme->role == PhonemeRole::pause) segmenter.pause_begins(event.sample);
    if (phoneme->role == PhonemeRole::sound) segmenter.sound(*phoneme, event.lengthened, event.sample);
  }
  segmenter.end(static_cast<std::uint32_t>(speech.samples.size()));
  drop_empty_pauses(sentence);
  return true;
}

gen::Sentence labelled_sentence(const SpokenSentence& spoken, std::uint32_t lead,
                                std::uint32_t length, std::string text) {
  std::vector<SpokenWord> words;
  words.push_back(pause_word(0));
  for (const SpokenWord& word : spoken.words) {
    SpokenWord shifted = word;
    for (SpokenSound& sound : shifted.sounds) sound.start += lead;
    words.push_back(std::move(shifted));
  }
  words.push_back(pause_word(spoken.speech_end + lead));

  gen::Sentence sentence;
  sentence.text = std::move(text);
  for (size_t w = 0; w < words.size(); ++w) {
    gen::Word word;
    const std::vector<SpokenSound>& sounds = words[w].sounds;
    for (size_t s = 0; s < sounds.size(); ++s) {
      std::uint32_t end = s + 1 < sounds.size()     ? sounds[s + 1].start
                          : w + 1 < words.size()    ? words[w + 1].sounds.front().start
                                                    : length;
      // espeak-ng reports no glottal pulses, and made-up ones would not line
      // up with the audio: the pitch-mark file holds the boundaries alone.
      word.sounds.push_back({sounds[s].label,
                             std::string(sounds[s].is_long ? kLongLengthCode : kShortLengthCode),
                             end - sounds[s].start, false});
    }
    sentence.words.push_back(std::move(word));
  }
  sentence.words.back().starts_word = false;
  return sentence;
}

}  // namespace zor::speak
