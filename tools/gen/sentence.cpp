#include "gen/sentence.h"

#include <string_view>

namespace zor::gen {
namespace {

constexpr std::uint32_t kSamplesPerSecond = 22050;

struct Phone {
  std::string_view label;
  std::string_view spelling;  // Windows-1250
  bool voiced;
};

// Short and long vowels are different labels; a long vowel also carries the
// length code "200".
const std::vector<Phone> kShortVowels = {{"a", "a", true}, {"o", "o", true}, {"u", "u", true},
                                         {"U", "\xFC", true}, {"i", "i", true},
                                         {"O", "\xF6", true}, {"e", "e", true}};
const std::vector<Phone> kLongVowels = {{"A:", "\xE1", true}, {"E:", "\xE9", true},
                                        {"o:", "\xF3", true}, {"u:", "\xFA", true},
                                        {"U:", "\xFB", true}, {"i:", "\xED", true},
                                        {"O:", "\xF5", true}};
// A long consonant is the short label with the length code "200"; its
// spelling doubles the first letter.
const std::vector<Phone> kConsonants = {
    {"b", "b", true},   {"p", "p", false},  {"d", "d", true},   {"t", "t", false},
    {"g", "g", true},   {"k", "k", false},  {"G", "gy", true},  {"T", "ty", false},
    {"m", "m", true},   {"n", "n", true},   {"N", "ny", true},  {"j", "j", true},
    {"h", "h", false},  {"v", "v", true},   {"f", "f", false},  {"z", "z", true},
    {"s", "sz", false}, {"c", "c", false},  {"Z", "zs", true},  {"S", "s", false},
    {"C", "cs", false}, {"l", "l", true},   {"r", "r", true}};

// Sounds per word, 1 to 12: short words are the common ones.
const std::vector<int> kWordLengthWeights = {4, 8, 12, 14, 14, 12, 10, 8, 6, 5, 4, 3};

std::uint32_t samples_of(int milliseconds) {
  return static_cast<std::uint32_t>(milliseconds) * kSamplesPerSecond / 1000;
}

Sound pause(Random& random, int shortest_ms, int longest_ms) {
  return Sound{"_", "100", samples_of(random.between(shortest_ms, longest_ms)), false};
}

void add_vowel(Random& random, Word& word) {
  bool is_long = random.percent(20);
  const Phone& phone = random.pick(is_long ? kLongVowels : kShortVowels);
  int ms = is_long ? random.between(110, 200) : random.between(45, 120);
  word.sounds.push_back({std::string(phone.label), is_long ? "200" : "100", samples_of(ms), true});
  word.spelling += phone.spelling;
}

void add_consonant(Random& random, Word& word) {
  bool is_long = random.percent(8);
  const Phone& phone = random.pick(kConsonants);
  int ms = is_long ? random.between(90, 170) : random.between(35, 100);
  word.sounds.push_back(
      {std::string(phone.label), is_long ? "200" : "100", samples_of(ms), phone.voiced});
  if (is_long) word.spelling += phone.spelling.front();
  word.spelling += phone.spelling;
}

Word content_word(Random& random) {
  Word word;
  int length = static_cast<int>(random.weighted(kWordLengthWeights)) + 1;
  bool vowel_next = random.percent(35);
  for (int i = 0; i < length; ++i) {
    if (vowel_next) {
      add_vowel(random, word);
      vowel_next = false;
    } else {
      add_consonant(random, word);
      // Now and then two consonants in a row.
      vowel_next = !random.percent(25);
    }
  }
  return word;
}

bool begins_with_vowel(const Word& word) {
  const std::string& label = word.sounds.front().label;
  for (const auto* vowels : {&kShortVowels, &kLongVowels}) {
    for (const Phone& phone : *vowels) {
      if (phone.label == label) return true;
    }
  }
  return false;
}

// "a" before a consonant, "az" before a vowel.
Word article_before(Random& random, const Word& next) {
  Word article;
  article.sounds.push_back({"a", "100", samples_of(random.between(40, 80)), true});
  article.spelling = "a";
  if (begins_with_vowel(next)) {
    article.sounds.push_back({"z", "100", samples_of(random.between(35, 70)), true});
    article.spelling = "az";
  }
  return article;
}

Word pause_word(Sound sound) {
  Word word;
  word.sounds.push_back(std::move(sound));
  return word;
}

std::string written_text(const std::vector<Word>& words) {
  std::string text;
  for (size_t i = 1; i + 1 < words.size(); ++i) {
    if (words[i].spelling.empty()) {
      text += ",";
      continue;
    }
    if (!text.empty()) text += " ";
    text += words[i].spelling;
  }
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text + ".";
}

}  // namespace

size_t Sentence::sound_count() const {
  size_t count = 0;
  for (const Word& word : words) count += word.sounds.size();
  return count;
}

Sentence make_sentence(Random& random) {
  Sentence sentence;
  sentence.words.push_back(pause_word(pause(random, 80, 400)));
  int word_count = random.between(1, 20);
  for (int i = 0; i < word_count; ++i) {
    Word word = content_word(random);
    if (random.percent(12)) sentence.words.push_back(article_before(random, word));
    sentence.words.push_back(std::move(word));
    if (i + 1 < word_count && random.percent(8)) {
      sentence.words.push_back(pause_word(pause(random, 50, 250)));
    }
  }
  sentence.words.push_back(pause_word(pause(random, 80, 400)));
  sentence.text = written_text(sentence.words);
  return sentence;
}

}  // namespace zor::gen
