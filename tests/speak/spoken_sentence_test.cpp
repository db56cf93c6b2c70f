#include "speak/spoken_sentence.h"

#include <gtest/gtest.h>

namespace zor::speak {
namespace {

// Events as espeak-ng sends them: "|" begins a word, anything else is a
// phoneme; each with the sample it begins at.
struct At {
  std::string what;
  std::uint32_t sample;
  bool lengthened = false;
};

Speech speech_of(const std::vector<At>& events, std::uint32_t sample_count) {
  Speech speech;
  speech.samples.resize(sample_count);
  std::uint32_t word = 0;
  for (const At& at : events) {
    if (at.what == "|") {
      speech.events.push_back({SpeechEvent::Kind::word, at.sample, {}, false, ++word});
    } else {
      speech.events.push_back({SpeechEvent::Kind::phoneme, at.sample, at.what, at.lengthened, 0});
    }
  }
  return speech;
}

// Each word as its labels, each with "+" when long and its start in
// brackets, e.g. "a(0) l+(100)".
std::vector<std::string> layout(const SpokenSentence& sentence) {
  std::vector<std::string> words;
  for (const SpokenWord& word : sentence.words) {
    std::string text;
    for (const SpokenSound& sound : word.sounds) {
      if (!text.empty()) text += " ";
      text += sound.label + (sound.is_long ? "+" : "") + "(" + std::to_string(sound.start) + ")";
    }
    words.push_back(text);
  }
  return words;
}

SpokenSentence segmented(const std::vector<At>& events, std::uint32_t sample_count) {
  SpokenSentence sentence;
  std::string error;
  EXPECT_TRUE(segment_speech(speech_of(events, sample_count), sentence, error)) << error;
  return sentence;
}

using Words = std::vector<std::string>;

TEST(SegmentSpeech, WordsBeginAtTheirWordEventUnlessAPauseComesBefore) {
  // "Piros kép, tál.": first in the sentence and after the comma the silence
  // before the stop is the pause's; between words it is the stop's closure.
  SpokenSentence sentence = segmented({{"|", 0}, {"p", 300}, {"i", 500}, {"R2", 700}, {"o", 800},
                                       {"S", 900}, {"|", 1000}, {"k", 1200}, {"e:", 1300},
                                       {"p", 1500}, {"_:", 1600}, {"_", 1900}, {"|", 1900},
                                       {"t", 2100}, {"a:", 2200}, {"l", 2400}, {"_:", 2500}},
                                      2600);
  EXPECT_EQ(layout(sentence), (Words{"p(300) i(500) r(700) o(800) S(900)",
                                     "k(1000) E:+(1300) p(1500)", "_(1600)",
                                     "t(2100) A:+(2200) l(2400)"}));
  EXPECT_EQ(sentence.speech_end, 2500u);
}

TEST(SegmentSpeech, BoundaryMarksAddNoSound) {
  // "Az eső": the article's mark and the break before the vowel.
  SpokenSentence sentence = segmented(
      {{"|", 0}, {"_|", 0}, {"A", 0}, {"z", 200}, {"|", 400}, {"_!", 400}, {"E", 450}, {"S", 600},
       {"Y:", 700}},
      900);
  EXPECT_EQ(layout(sentence), (Words{"a(0) z(200)", "e(400) S(600) O:+(700)"}));
  EXPECT_EQ(sentence.speech_end, 900u);  // no closing pause: the speech runs to the end
}

TEST(SegmentSpeech, PausesBetweenWordsAreWordsInsideAWordTimeOfTheSoundBefore) {
  SpokenSentence sentence = segmented(
      {{"|", 0}, {"h", 0}, {"A", 100}, {"R2", 200}, {"_", 300}, {"m", 350}, {"A", 450},
       // A word event inside the pause at a comma leaves one pause word.
       {"_:", 600}, {"|", 700}, {"_", 800}, {"|", 900}, {"k", 900}, {"i", 1000},
       // A pause that ends as it begins is none.
       {"_", 1100}, {"|", 1100}, {"v", 1100}, {"A", 1200}, {"_:", 1300}, {"_", 1400}},
      1400);
  EXPECT_EQ(layout(sentence), (Words{"h(0) a(100) r(200) m(350) a(450)", "_(600)", "k(900) i(1000)",
                                     "v(1100) a(1200)"}));
  EXPECT_EQ(sentence.speech_end, 1300u);
}

TEST(SegmentSpeech, LongConsonantsFromGeminatesAndTheTranscription) {
  // "Ősszel itt ül": "s s2" is one long sz; espeak-ng's transcription
  // lengthens the t of "itt". Then a word of one S before one that begins
  // with S keeps both, and "n n" within a word is one long n.
  SpokenSentence sentence = segmented(
      {{"|", 0}, {"Y:", 0}, {"s", 100}, {"s2", 150}, {"E", 250}, {"l", 300}, {"|", 400},
       {"i", 400}, {"t", 500, true}, {"|", 700}, {"y", 700}, {"l", 800}, {"|", 900}, {"S", 900},
       {"|", 1000}, {"S", 1000}, {"A", 1100}, {"n", 1200}, {"n", 1250}, {"A", 1350}},
      1500);
  EXPECT_EQ(layout(sentence),
            (Words{"O:+(0) s+(100) e(250) l(300)", "i(400) t+(500)", "U(700) l(800)", "S(900)",
                   "S(1000) a(1100) n+(1200) a(1350)"}));
}

TEST(SegmentSpeech, RefusesAPhonemeWithoutALabel) {
  SpokenSentence sentence;
  std::string error;
  EXPECT_FALSE(segment_speech(speech_of({{"|", 0}, {"dZ", 0}, {"A", 100}}, 200), sentence, error));
  EXPECT_NE(error.find("\"dZ\""), std::string::npos) << error;
}

TEST(LabelledSentence, PausesOpenAndCloseTheSentenceAndEverySoundLastsToTheNext) {
  SpokenSentence spoken = segmented({{"|", 0}, {"A", 0}, {"l", 100}, {"m", 150}, {"A", 250},
                                     {"_:", 400}, {"_", 420}, {"|", 420}, {"p", 500},
                                     {"i", 600}, {"_:", 700}},
                                    720);
  gen::Sentence sentence = labelled_sentence(spoken, 1000, 2000, "Alma, pi.");
  std::vector<std::string> labels;
  std::vector<std::uint32_t> durations;
  std::vector<std::string> codes;
  std::uint32_t total = 0;
  for (const gen::Word& word : sentence.words) {
    std::string text;
    for (const gen::Sound& sound : word.sounds) {
      text += sound.label;
      durations.push_back(sound.samples);
      codes.push_back(sound.length_code);
      total += sound.samples;
      EXPECT_FALSE(sound.voiced);  // no made-up pitch marks
    }
    labels.push_back(text);
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"_", "alma", "_", "pi", "_"}));
  EXPECT_EQ(durations, (std::vector<std::uint32_t>{1000, 100, 50, 100, 150, 100, 100, 100, 300}));
  EXPECT_EQ(codes.back(), "100");
  EXPECT_EQ(total, 2000u);
  EXPECT_EQ(sentence.text, "Alma, pi.");
  // Only the closing pause begins no word.
  for (size_t i = 0; i + 1 < sentence.words.size(); ++i) EXPECT_TRUE(sentence.words[i].starts_word);
  EXPECT_FALSE(sentence.words.back().starts_word);
}

}  // namespace
}  // namespace zor::speak
