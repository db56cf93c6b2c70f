#pragma once
// How the query reads the texts of a specification: the three parts of a
// connection text, the form of the measured sound, the syllable condition
// and the long-vowel counts.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zor {

// The text before the first ";", the text between the first and the second
// ";", and the text after the second ";" (the whole text when there is no
// second ";"). Missing parts are empty.
std::array<std::string_view, 3> split_three(std::string_view text);

// The parts a context text is matched with: a text shorter than 5 bytes has
// three empty parts.
std::array<std::string_view, 3> context_parts(std::string_view text);

enum class SoundForm { symbol, category, sequence };

struct SoundTarget {
  SoundForm form = SoundForm::symbol;
  std::string symbol;               // symbol form: the HANG text
  std::string category;             // category form: the label inside "<" ">"
  std::vector<std::string> labels;  // sequence form: 0 to 3 labels, in order
};

// "<label>" and "[connection]" of more than 2 bytes are the category and the
// sequence form; any other text is a sound symbol. In a sequence, "<BARMI>",
// "<SEMMI>" and empty parts are no labels, and an inner text of 4 bytes or
// less has none.
SoundTarget read_sound_target(std::string_view sound);

// A syllable condition: the operator byte and the number compared with the
// word's syllable count.
struct SyllableCondition {
  char op = '=';
  double value = 0.0;

  // An empty text is "= 0"; otherwise the first byte is the operator and the
  // text from the third byte on is read as a decimal integer.
  static SyllableCondition read(std::string_view text);
  // The number comparison of the table search; any operator byte but "<",
  // "=" and ">" holds for no word.
  bool holds(double syllables) const;
};

// How often the long vowels occur in a word's sound string, counted
// case-sensitively with each search starting one byte after the previous find.
struct LongVowelCounts {
  int a = 0;      // "A:"
  int e = 0;      // "E:"
  int other = 0;  // "o:", "u:", "U:", "i:" and "O:" together

  static LongVowelCounts of(std::string_view sounds);
};

// "BARMENNYI" holds always; a digit "0" to "4" holds for exactly that count.
bool a_or_e_count_holds(std::string_view field, int count);
// "BARMENNYI" holds always; "0" for none, "1 v. TOBB" for one or more.
bool other_long_count_holds(std::string_view field, int count);

inline constexpr std::string_view kAnyAmount = "BARMENNYI";
inline constexpr std::string_view kAnyPosition = "BARMI";
inline constexpr std::string_view kOneOrMore = "1 v. TOBB";
inline constexpr std::string_view kSoundType = "H";

}  // namespace zor
