// Word specifications: syllable conditions, sentence position, text word and
// the long-vowel counts.
#include <gtest/gtest.h>

#include "query_test_support.h"

namespace zor::test {
namespace {

class WordQuery : public ::testing::Test {
 protected:
  void SetUp() override {
    auto word = [](std::vector<std::string> symbols, std::string position, std::string text_word) {
      TestWord w;
      for (std::string& symbol : symbols) w.sounds.push_back({symbol, "10"});
      w.position = position;
      w.text_word = text_word;
      return w;
    };
    corpus.sentence({word({"a", "l", "m", "a"}, "ELSO", "IGEN"),            // word 1: 2 syllables
                     word({"a"}, "BELSO", "NEM"),                           // word 2: 1
                     word({"k", "A:", "A:", "A:", "A:"}, "BELSO", "IGEN"),  // word 3: 4 A:
                     word({"A:", "A:", "A:", "A:", "A:"}, "UTOLSO", "IGEN"),
                     word({"k", "t", "m"}, "BELSO", "IGEN"),  // word 5: no vowel
                     word({"E:", "o:"}, "UTOLSO", "IGEN")});  // word 6: 2 syllables
  }

  // The word numbers of the hits, in order.
  std::string hit_words(const Specification& spec) {
    folder.write_tables(corpus.sentences, corpus.words, corpus.sounds);
    EXPECT_EQ(folder.run({spec}), RunOutcome::completed);
    std::string numbers;
    std::string lines = folder.distribution();
    for (size_t at = lines.find(";;"); at != std::string::npos; at = lines.find(";;", at + 1))
      numbers += lines.substr(at + 2, lines.find(';', at + 2) - at - 2) + " ";
    return numbers;
  }

  CorpusBuilder corpus;
  QueryFolder folder;
};

TEST_F(WordQuery, SyllableCountsAndTextWords) {
  EXPECT_EQ(hit_words(word_spec("w", "= 2")), "1 6 ");
  EXPECT_EQ(hit_words(word_spec("w", "> 3")), "3 4 ");
  EXPECT_EQ(hit_words(word_spec("w", "< 1")), "5 ");
  EXPECT_EQ(hit_words(word_spec("w", "= 1", "BARMI", "NEM")), "2 ");
  EXPECT_EQ(hit_words(word_spec("w", "= 1")), "");
  EXPECT_EQ(hit_words(word_spec("w", "", "BARMI")), "5 ");
  EXPECT_EQ(hit_words(word_spec("w", "! 1")), "");
}

TEST_F(WordQuery, SentencePositionMustEqualTheWordsPosition) {
  EXPECT_EQ(hit_words(word_spec("w", "> 0", "UTOLSO")), "4 6 ");
  EXPECT_EQ(hit_words(word_spec("w", "> -1", "BELSO")), "3 5 ");
}

TEST_F(WordQuery, BeforeACommaFindsNothing) {
  EXPECT_EQ(hit_words(word_spec("w", "> -1", "VESSZO ELOTT")), "");
  EXPECT_EQ(folder.result(),
            crlf("EREDMENY_SPECNEV\tEREDMENY_SPECTIPUS\tEREDMENY_DB\tEREDMENY_ATLAG\tEREDMENY_MIN\t"
                 "EREDMENY_MAX\n"));
}

TEST_F(WordQuery, LongVowelCounts) {
  struct Case {
    SpecField field;
    std::string value;
    std::string words;
  };
  const Case cases[] = {
      {kSpecACount, "0", "1 5 6 "},       {kSpecACount, "4", "3 "},
      {kSpecACount, "5", ""},             {kSpecACount, "BARMENNYI", "1 3 4 5 6 "},
      {kSpecECount, "1", "6 "},           {kSpecOtherLongCount, "1 v. TOBB", "6 "},
      {kSpecOtherLongCount, "0", "1 3 4 5 "}, {kSpecOtherLongCount, "1", ""},
  };
  for (const Case& c : cases) {
    Specification spec = word_spec("w", "> -1");
    spec[c.field] = c.value;
    EXPECT_EQ(hit_words(spec), c.words) << c.field << " " << c.value;
  }
}

TEST_F(WordQuery, AWordHitHasNoSoundNumber) {
  folder.write_tables(corpus.sentences, corpus.words, corpus.sounds);
  ASSERT_EQ(folder.run({word_spec("w", "= 2")}), RunOutcome::completed);
  EXPECT_EQ(folder.distribution(),
            crlf("EREDMENYSZ_SPECNEV\tEREDMENYSZ_SPECTIPUS\tEREDMENYSZ_INTERV\tEREDMENYSZ_DB\n"
                 "w\tSZ\t40\t40;;1;1\nw\tSZ\t20\t20;;6;1\n"));
  EXPECT_EQ(folder.result(),
            crlf("EREDMENY_SPECNEV\tEREDMENY_SPECTIPUS\tEREDMENY_DB\tEREDMENY_ATLAG\tEREDMENY_MIN\t"
                 "EREDMENY_MAX\nw\tSZ\t2\t30\t20;;6;1\t40;;1;1\n"));
}

}  // namespace
}  // namespace zor::test
