// Sound specifications: the three forms of the measured sound, the contexts,
// the word position and the word conditions seen through the word cache.
#include <gtest/gtest.h>

#include "query_test_support.h"

namespace zor::test {
namespace {

class SoundQuery : public ::testing::Test {
 protected:
  void SetUp() override {
    // Sentence 1: a pause word, then k a l a; sentence 2: a m a, then a word "<>".
    corpus.sentence({{{{"_", "100"}}, "ELSO"},
                     {{{"k", "50", "ELSO"}, {"a", "40"}, {"l", "60"}, {"a", "70", "UTOLSO"}}}});
    corpus.sentence({{{{"a", "11", "ELSO"}, {"m", "20"}, {"a", "0", "UTOLSO"}}},
                     {{{"<>", "5", "ELSO"}}, "UTOLSO"}});
  }

  // The distribution lines of one specification, without the header.
  std::string hits_of(const Specification& spec) {
    folder.write_tables(corpus.sentences, corpus.words, corpus.sounds);
    EXPECT_EQ(folder.run({spec}), RunOutcome::completed);
    std::string lines = folder.distribution();
    return lines.substr(lines.find('\n') + 1);
  }
  std::string result_line(const Specification& spec) {
    hits_of(spec);
    std::string lines = folder.result();
    return lines.substr(lines.find('\n') + 1);
  }

  CorpusBuilder corpus;
  QueryFolder folder;
};

TEST_F(SoundQuery, SymbolFormTakesTheExactSymbolEvenWhenItLooksLikeALabel) {
  EXPECT_EQ(hits_of(sound_spec("s", "<>")), crlf("s\tH\t10\t5;9;4;2\n"));
  EXPECT_EQ(hits_of(sound_spec("s", "m")), crlf("s\tH\t20\t20;7;3;2\n"));
  EXPECT_EQ(hits_of(sound_spec("s", "x")), "");
}

TEST_F(SoundQuery, CategoryFormTakesEverySoundCarryingTheLabel) {
  EXPECT_EQ(result_line(sound_spec("v", "<V>")), crlf("v\tH\t4\t30\t0;8;3;2\t70;5;2;1\n"));
  EXPECT_EQ(result_line(sound_spec("c", "<LR>")), crlf("c\tH\t1\t60\t60;4;2;1\t60;4;2;1\n"));
  EXPECT_EQ(hits_of(sound_spec("n", "<nincs>")), "");
}

TEST_F(SoundQuery, SequenceFormSumsOneRowPerLabel) {
  const std::string cr_then_vowel = crlf("q\tH\t90\t90;2;2;1\nq\tH\t130\t130;4;2;1\nq\tH\t20\t20;7;3;2\n");
  EXPECT_EQ(hits_of(sound_spec("q", "[Cr;V;<SEMMI>]")), cr_then_vowel);
  // The second label is tested on the first sound after, whatever part it came from.
  EXPECT_EQ(hits_of(sound_spec("q", "[Cr;<BARMI>;V]")), cr_then_vowel);
  EXPECT_EQ(hits_of(sound_spec("q", "[Vr;Cr;V]")), crlf("q\tH\t170\t170;3;2;1\nq\tH\t40\t31;6;3;2\n"));
  EXPECT_EQ(hits_of(sound_spec("q", "[<BARMI>;<SEMMI>;<BARMI>]")), "");
  EXPECT_EQ(hits_of(sound_spec("q", "[V;C]")), "");
}

TEST_F(SoundQuery, SequenceRowsPastTheEndOfTheTableAddNothing) {
  corpus.raw_sound_row("10\t4\t2\tb\tCr,C,Hang\t8\tBELSO\tR\t\t\t\t\t\t\ta\tVr,V,Hang\t\t\t\t");
  EXPECT_EQ(hits_of(sound_spec("q", "[Cr;V;<SEMMI>]")),
            crlf("q\tH\t90\t90;2;2;1\nq\tH\t130\t130;4;2;1\nq\tH\t20\t20;7;3;2\nq\tH\t10\t8;10;4;2\n"));
}

TEST_F(SoundQuery, BeforeContextMatchesThirdSecondAndFirstSoundBefore) {
  // Nothing directly before: the first sound of each sentence.
  EXPECT_EQ(hits_of(sound_spec("b", "<Hang>", "<BARMI>;<BARMI>;<SEMMI>")),
            crlf("b\tH\t100\t100;1;1;1\nb\tH\t20\t11;6;3;2\n"));
  EXPECT_EQ(hits_of(sound_spec("b", "a", "<BARMI>;<BARMI>;Cr")),
            crlf("b\tH\t40\t40;3;2;1\nb\tH\t70\t70;5;2;1\nb\tH\t10\t0;8;3;2\n"));
  EXPECT_EQ(hits_of(sound_spec("b", "<C>", "Hang;Cr;Vr")), crlf("b\tH\t60\t60;4;2;1\n"));
  EXPECT_EQ(hits_of(sound_spec("b", "a", "<SEMMI>;<SEMMI>;<SEMMI>")), crlf("b\tH\t20\t11;6;3;2\n"));
}

TEST_F(SoundQuery, AfterContextMatchesFirstSecondAndThirdSoundAfter) {
  EXPECT_EQ(hits_of(sound_spec("a", "a", kAnyContext, "Cr;V;<SEMMI>")), crlf("a\tH\t40\t40;3;2;1\n"));
  // A symbol that has no label list is a sound all the same: not "<SEMMI>".
  EXPECT_EQ(hits_of(sound_spec("a", "<V>", kAnyContext, "<SEMMI>;<SEMMI>;<SEMMI>")),
            crlf("a\tH\t70\t70;5;2;1\n"));
  // A context shorter than 5 bytes has empty parts, which no sound matches.
  EXPECT_EQ(hits_of(sound_spec("a", "<V>", kAnyContext, ";;")), "");
}

TEST_F(SoundQuery, WordPositionMustEqualTheSoundsPosition) {
  EXPECT_EQ(hits_of(sound_spec("p", "<V>", kAnyContext, kAnyContext, "UTOLSO")),
            crlf("p\tH\t70\t70;5;2;1\np\tH\t10\t0;8;3;2\n"));
  EXPECT_EQ(hits_of(sound_spec("p", "<V>", kAnyContext, kAnyContext, "VESSZO ELOTT")), "");
}

TEST_F(SoundQuery, WordConditionsOfTheSoundsWord) {
  Specification spec = sound_spec("w", "<Hang>");
  spec[kSpecSyllableCount] = "= 0";
  EXPECT_EQ(hits_of(spec), crlf("w\tH\t100\t100;1;1;1\n"));
  spec[kSpecSyllableCount] = "= 2";
  spec[kSpecACount] = "0";
  spec[kSpecSound] = "<C>";
  EXPECT_EQ(hits_of(spec), crlf("w\tH\t50\t50;2;2;1\nw\tH\t60\t60;4;2;1\nw\tH\t20\t20;7;3;2\n"));
  spec[kSpecOtherLongCount] = "1 v. TOBB";
  EXPECT_EQ(hits_of(spec), "");
}

TEST(SoundQueryWordCache, StartsWithTheEmptyWordNumberJudgedNotGood) {
  CorpusBuilder corpus;
  corpus.words += "\t1\t10\ta\t1\tELSO\tIGEN\n1\t1\t10\ta\t1\tELSO\tIGEN\n";
  const std::string rest = "\t1\ta\tVr,V,Hang\t10\tELSO\tR\t\t\t\t\t\t\t\t\t\t\t\t";
  corpus.raw_sound_row("1\t" + rest);
  corpus.raw_sound_row("2\t1" + rest);
  corpus.raw_sound_row("3\t" + rest);
  corpus.raw_sound_row("4\t7" + rest);
  QueryFolder folder;
  folder.write_tables(corpus.sentences, corpus.words, corpus.sounds);
  ASSERT_EQ(folder.run({sound_spec("c", "a")}), RunOutcome::completed);
  // Sound 1 keeps the initial verdict; sound 3 finds the word numbered "";
  // word 7 does not exist.
  EXPECT_EQ(folder.distribution(),
            crlf("EREDMENYSZ_SPECNEV\tEREDMENYSZ_SPECTIPUS\tEREDMENYSZ_INTERV\tEREDMENYSZ_DB\n"
                 "c\tH\t10\t10;2;1;1\nc\tH\t10\t10;3;;1\n"));
}

}  // namespace
}  // namespace zor::test
