#include "annotation/symbol_set.h"

#include <gtest/gtest.h>

#include <set>

#include "corpus/label_tree.h"
#include "platform/encoding.h"
#include "support/test_files.h"

namespace zor {
namespace {

using Sound = SymbolSet::Sound;

// Each Hungarian sound by its letter, as ZOR, the aligner's IPA and SAMPA
// write it.
struct Spelling {
  const char* letter;
  const char* zor;
  const char* mfa;
  const char* sampa;
  bool consonant;
};
constexpr Spelling kSpellings[] = {
    {"a", "a", "ɒ", "O", false},    {"á", "A:", "aː", "a:", false}, {"e", "e", "ɛ", "E", false},
    {"é", "E:", "eː", "e:", false}, {"i", "i", "i", "i", false},    {"í", "i:", "iː", "i:", false},
    {"o", "o", "o", "o", false},    {"ó", "o:", "oː", "o:", false}, {"u", "u", "u", "u", false},
    {"ú", "u:", "uː", "u:", false}, {"ö", "O", "ø", "2", false},    {"ő", "O:", "øː", "2:", false},
    {"ü", "U", "y", "y", false},    {"ű", "U:", "yː", "y:", false}, {"b", "b", "b", "b", true},
    {"p", "p", "p", "p", true},     {"d", "d", "d", "d", true},     {"t", "t", "t", "t", true},
    {"g", "g", "g", "g", true},     {"k", "k", "k", "k", true},     {"gy", "G", "ɟ", "d'", true},
    {"ty", "T", "c", "t'", true},   {"m", "m", "m", "m", true},     {"n", "n", "n", "n", true},
    {"ny", "N", "ɲ", "J", true},    {"j", "j", "j", "j", true},     {"h", "h", "h", "h", true},
    {"v", "v", "v", "v", true},     {"f", "f", "f", "f", true},     {"z", "z", "z", "z", true},
    {"sz", "s", "s", "s", true},    {"s", "S", "ʃ", "S", true},     {"c", "c", "ts", "ts", true},
    {"zs", "Z", "ʒ", "Z", true},    {"cs", "C", "tʃ", "tS", true},  {"l", "l", "l", "l", true},
    {"r", "r", "r", "r", true},
};

Sound sound(std::string_view label, bool is_long) { return Sound{std::string(label), is_long}; }

std::string shown(const std::optional<Sound>& found) {
  if (!found) return "unknown";
  return "\"" + found->label + "\"" + (found->is_long ? " long" : " short");
}

void expect_sound(const SymbolSet& set, std::string_view symbol, const Sound& expected,
                  std::string_view letter) {
  std::optional<Sound> found = set.find(symbol);
  EXPECT_TRUE(found && *found == expected)
      << letter << ": \"" << symbol << "\" gives " << shown(found) << ", not " << shown(expected);
}

TEST(SymbolSet, EachSetSpellsEveryHungarianSoundAsItsZorLabel) {
  const SymbolSet zor = SymbolSet::zor(), mfa = SymbolSet::mfa(), sampa = SymbolSet::sampa();
  for (const Spelling& s : kSpellings) {
    const bool long_vowel = !s.consonant && std::string_view(s.zor).ends_with(':');
    const Sound expected = sound(s.zor, long_vowel);
    expect_sound(zor, s.zor, expected, s.letter);
    expect_sound(mfa, s.mfa, expected, s.letter);
    expect_sound(sampa, s.sampa, expected, s.letter);
    if (!s.consonant) continue;
    // A long consonant keeps its letter as the label.
    const Sound geminate = sound(s.zor, true);
    expect_sound(zor, std::string(s.zor) + ":", geminate, s.letter);
    expect_sound(mfa, std::string(s.mfa) + "ː", geminate, s.letter);
    expect_sound(sampa, std::string(s.sampa) + ":", geminate, s.letter);
    expect_sound(sampa, std::string(s.sampa) + s.sampa, geminate, s.letter);
  }
}

TEST(SymbolSet, TheSoundsReachEveryLabelOfTheDefaultTreeAndNoOther) {
  // A long consonant is listed in the tree with its long mark.
  LabelTree tree;
  tree.build_default_tree();
  std::vector<std::string> inventory = tree.sound_inventory();
  std::set<std::string> listed(inventory.begin(), inventory.end());
  std::set<std::string> reached = {"_"};
  for (const Spelling& s : kSpellings) {
    reached.insert(s.zor);
    if (s.consonant) reached.insert(std::string(s.zor) + ":");
  }
  EXPECT_EQ(reached, listed);
}

TEST(SymbolSet, EverySetGivesThePauseForEmptyTextAndThePauseSymbols) {
  for (const SymbolSet& set : {SymbolSet::zor(), SymbolSet::mfa(), SymbolSet::sampa()}) {
    for (std::string_view pause : {"", "  ", "sil", "sp", "spn", "<p:>", "#", "_", " sil\t"}) {
      expect_sound(set, pause, sound("_", false), "pause");
    }
  }
  EXPECT_TRUE(SymbolSet::is_pause(" <p:> "));
  EXPECT_FALSE(SymbolSet::is_pause("a"));
  EXPECT_FALSE(SymbolSet::is_pause("silence"));
}

TEST(SymbolSet, KnowsTheVariantsAlignersWriteAndNothingBeyond) {
  const SymbolSet zor = SymbolSet::zor(), mfa = SymbolSet::mfa(), sampa = SymbolSet::sampa();
  expect_sound(zor, " k: ", sound("k", true), "white space");
  // IPA's own g, tie bars, one-letter affricates; ŋ is heard as n.
  expect_sound(mfa, "ɡ", sound("g", false), "g");
  expect_sound(mfa, "ɡː", sound("g", true), "gg");
  expect_sound(mfa, "t͡ʃ", sound("C", false), "cs");
  expect_sound(mfa, "ʧː", sound("C", true), "ccs");
  expect_sound(mfa, "t͡s", sound("c", false), "c");
  expect_sound(mfa, "ŋ", sound("n", false), "n");
  expect_sound(sampa, "N", sound("n", false), "n");
  // Sounds ZOR has no label for, and spellings of another set.
  for (std::string_view unknown : {"dz", "dʒ", "x", "A", "a:", "ɒ", "kː", "kk", "k::"}) {
    EXPECT_FALSE(zor.find(unknown)) << unknown;
  }
  for (std::string_view unknown : {"dz", "dʒ", "d͡ʒ", "a", "A:", "k:", "kk", "ʎ", "x"}) {
    EXPECT_FALSE(mfa.find(unknown)) << unknown;
  }
  for (std::string_view unknown : {"dz", "dZ", "a", "A:", "ɒ", "O:", "kː", "x"}) {
    EXPECT_FALSE(sampa.find(unknown)) << unknown;
  }
}

class SymbolFileTest : public ::testing::Test {
 protected:
  std::optional<SymbolSet> read(std::string_view content) {
    test::write_bytes(dir_.path() / "symbols.txt", content);
    reason_.clear();
    return SymbolSet::named(dir_.file("symbols.txt"), reason_);
  }
  // The reason of a file that must be refused, as UTF-8.
  std::string refusal(std::string_view content) {
    EXPECT_FALSE(read(content)) << content;
    EXPECT_FALSE(reason_.empty());
    return from_cp1250(reason_);
  }

  test::ScratchDir dir_;
  std::string reason_;
};

TEST_F(SymbolFileTest, ReadsSymbolTabLabelLinesInZorNotation) {
  std::optional<SymbolSet> set =
      read("\xEF\xBB\xBF# my aligner\r\n\r\ndʒ\tC\r\nʎ\tj:\r\n  \r\nAA \t A: \r\nsil\t_\r\nq\t_");
  ASSERT_TRUE(set) << from_cp1250(reason_);
  expect_sound(*set, "dʒ", sound("C", false), "dzs");
  expect_sound(*set, "ʎ", sound("j", true), "jj");
  expect_sound(*set, "AA", sound("A:", true), "á");
  expect_sound(*set, "q", sound("_", false), "pause");
  expect_sound(*set, "sp", sound("_", false), "pause");
  EXPECT_FALSE(set->find("a"));
  EXPECT_FALSE(set->find("#x"));
}

TEST_F(SymbolFileTest, NamesTheLineOfABadEntry) {
  EXPECT_NE(refusal("a\ta\nb c\n").find("2. sor"), std::string::npos);
  EXPECT_NE(refusal("a\ta\tb\n").find("1. sor"), std::string::npos);
  EXPECT_NE(refusal("# x\n\nx\tx\n").find("3. sor"), std::string::npos);
  EXPECT_NE(refusal("\ta\n").find("1. sor"), std::string::npos);
  EXPECT_NE(refusal("a\t\n").find("1. sor"), std::string::npos);
  EXPECT_NE(refusal("a\tsil\n").find("\"sil\""), std::string::npos);
  EXPECT_NE(refusal("sp\ta\n").find("\"sp\""), std::string::npos);
  EXPECT_NE(refusal("a\ta\nb\tb\na\te\n").find("3. sor"), std::string::npos);
  EXPECT_FALSE(refusal("# only a comment\n").empty());
}

TEST_F(SymbolFileTest, TheNamesOfTheBuiltInSetsComeFirst) {
  std::string reason;
  std::optional<SymbolSet> mfa = SymbolSet::named("mfa", reason);
  ASSERT_TRUE(mfa);
  EXPECT_TRUE(mfa->find("ɒ"));
  EXPECT_TRUE(SymbolSet::named("zor", reason)->find("A:"));
  EXPECT_TRUE(SymbolSet::named("sampa", reason)->find("2:"));
  EXPECT_FALSE(SymbolSet::named(dir_.file("missing.txt"), reason));
  EXPECT_NE(from_cp1250(reason).find("nem létezik"), std::string::npos);
  EXPECT_FALSE(SymbolSet::named(dir_.path().string(), reason));
  EXPECT_FALSE(reason.empty());
}

}  // namespace
}  // namespace zor
