#include "speak/phoneme_labels.h"

#include "conversion/phonetics.h"

namespace zor::speak {
namespace {

using enum PhonemeRole;

const std::vector<PhonemeLabel> kTable = {
    // Vowels. espeak-ng writes a as "A" and á as "a:", e as "E" and é as
    // "e:", ö as "Y" and ü as "y".
    {"A", sound, "a", false},
    {"a:", sound, "A:", true},
    {"o", sound, "o", false},
    {"o:", sound, "o:", true},
    {"u", sound, "u", false},
    {"u:", sound, "u:", true},
    {"y", sound, "U", false},
    {"y:", sound, "U:", true},
    {"i", sound, "i", false},
    {"i:", sound, "i:", true},
    {"Y", sound, "O", false},
    {"Y:", sound, "O:", true},
    {"E", sound, "e", false},
    {"e:", sound, "E:", true},
    // Consonants: gy, ty and ny are "J", "c" and "n^"; c and cs are the
    // affricates "ts" and "tS"; sz, s and zs are "s", "S" and "Z".
    {"b", sound, "b", false},
    {"p", sound, "p", false},
    {"d", sound, "d", false},
    {"t", sound, "t", false},
    {"g", sound, "g", false},
    {"k", sound, "k", false},
    {"J", sound, "G", false},
    {"c", sound, "T", false},
    {"m", sound, "m", false},
    {"n", sound, "n", false},
    {"n^", sound, "N", false},
    {"j", sound, "j", false},
    {"h", sound, "h", false},
    {"v", sound, "v", false},
    {"f", sound, "f", false},
    {"z", sound, "z", false},
    {"s", sound, "s", false},
    {"ts", sound, "c", false},
    {"Z", sound, "Z", false},
    {"S", sound, "S", false},
    {"tS", sound, "C", false},
    {"l", sound, "l", false},
    // The trill, and the r espeak-ng speaks in the suffix -re and as the
    // first half of rr ("R R2").
    {"R2", sound, "r", false},
    {"R", sound, "r", false},
    // The second half of a geminate sz ("s s2"), so the pair reads as one
    // long s.
    {"s2", sound, "s", false},
    // ly, the palatal lateral, which Hungarian speaks as j ("ülj" is a long j).
    {"l^", sound, "j", false},
    // The glide espeak-ng speaks between i and the vowel after it (fiú,
    // piac): voiced and heard as j.
    {";", sound, "j", false},
    // "_:" at commas and at the end of a sentence, "_" after it and inside
    // some words.
    {"_", pause, kPauseLabel, false},
    {"_:", pause, kPauseLabel, false},
    // Before the article and before a word that begins with a vowel; the
    // silence "_!" stands for is the word's onset.
    {"_|", mark, "", false},
    {"_!", mark, "", false},
};

}  // namespace

const std::vector<PhonemeLabel>& phoneme_labels() { return kTable; }

const PhonemeLabel* find_phoneme_label(std::string_view phoneme) {
  for (const PhonemeLabel& entry : kTable) {
    if (entry.phoneme == phoneme) return &entry;
  }
  return nullptr;
}

}  // namespace zor::speak
