#include "wizard/specification_dialog_form.h"

#include <gtest/gtest.h>

namespace {

using zor::Specification;
using zor::SpecificationChoices;
using zor::SpecificationForm;

Specification record_of(std::vector<std::string> fields) {
  Specification record;
  for (size_t i = 0; i < fields.size(); ++i) record.fields[i] = fields[i];
  return record;
}

class SpecificationFormTest : public testing::Test {
 protected:
  // A small tree and two connections; "V" stands twice among the labels and
  // the first connection twice among the connections, as both lists allow.
  SpecificationChoices choices{{"_", "A:", "a"},
                               {"Hang", "V", "Vr", "V"},
                               {"<BARMI>;<BARMI>;<BARMI>", "<SEMMI>;V;<BARMI>",
                                "<BARMI>;<BARMI>;<BARMI>"}};
};

TEST_F(SpecificationFormTest, SoundEntriesAreSymbolsThenLabelsThenConnections) {
  std::vector<std::string> entries = choices.sound_entries();
  ASSERT_EQ(entries.size(), 10u);
  EXPECT_EQ(entries[2], "a");
  EXPECT_EQ(entries[3], "<Hang>");
  EXPECT_EQ(entries[7], "[<BARMI>;<BARMI>;<BARMI>]");
}

TEST_F(SpecificationFormTest, ANewSoundRecordWithTheDefaults) {
  SpecificationForm form = zor::default_specification_form(choices);
  form.name = "x";
  EXPECT_EQ(zor::build_specification(form, choices),
            record_of({"x", "H", "A:", "<BARMI>;<BARMI>;<BARMI>", "<BARMI>;<BARMI>;<BARMI>",
                       "BARMI", "> 0", "", "", "BARMENNYI", "BARMENNYI", "BARMENNYI"}));
}

TEST_F(SpecificationFormTest, ANewWordRecordWithTheDefaults) {
  SpecificationForm form = zor::default_specification_form(choices);
  form.name = "x";
  form.sound_type = false;
  EXPECT_EQ(zor::build_specification(form, choices),
            record_of({"x", "SZ", "", "", "", "", "> 0", "ELSO", "IGEN", "BARMENNYI",
                       "BARMENNYI", "BARMENNYI"}));
}

TEST_F(SpecificationFormTest, BuildsEveryEntryAndEmptyTextsOutsideTheLists) {
  SpecificationForm form;
  form.name = " n ";
  form.syllable_operator = 2;
  form.syllable_number = "abc";  // stored as typed, numbers or not
  form.a_count = 5;
  form.e_count = 1;
  form.other_long_count = 2;
  form.before = 1;
  form.after = 3;       // past the list
  form.sound = 5;       // the label "<Vr>"
  form.word_position = 3;
  EXPECT_EQ(zor::build_specification(form, choices),
            record_of({" n ", "H", "<Vr>", "<SEMMI>;V;<BARMI>", "", "UTOLSO", "< abc", "", "",
                       "4", "0", "1 v. TOBB"}));
  form.sound = 8;
  EXPECT_EQ(zor::build_specification(form, choices)[zor::kSpecSound], "[<SEMMI>;V;<BARMI>]");
  form.sound = zor::kNoEntry;
  form.syllable_operator = zor::kNoEntry;
  form.a_count = 6;
  Specification built = zor::build_specification(form, choices);
  EXPECT_EQ(built[zor::kSpecSound], "");
  EXPECT_EQ(built[zor::kSpecSyllableCount], "abc");
  EXPECT_EQ(built[zor::kSpecACount], "");
}

TEST_F(SpecificationFormTest, DecodingSelectsTheLastEqualEntry) {
  SpecificationForm form = zor::decode_specification(
      record_of({"n", "H", "<V>", "<BARMI>;<BARMI>;<BARMI>", "<SEMMI>;V;<BARMI>", "BELSO", "= 12",
                 "", "", "3", "BARMENNYI", "0"}),
      choices);
  EXPECT_TRUE(form.sound_type);
  EXPECT_EQ(form.sound, 3 + 3);  // the second "V"
  EXPECT_EQ(form.before, 2);     // the second equal connection
  EXPECT_EQ(form.after, 1);
  EXPECT_EQ(form.word_position, 2);
  EXPECT_EQ(form.syllable_operator, 1);
  EXPECT_EQ(form.syllable_number, "12");
  EXPECT_FALSE(form.text_word);
  EXPECT_EQ(form.a_count, 4);
  EXPECT_EQ(form.other_long_count, 1);
  EXPECT_EQ(zor::decode_specification(record_of({"n", "H", "[<SEMMI>;V;<BARMI>]"}), choices).sound,
            3 + 4 + 1);
}

TEST_F(SpecificationFormTest, DecodingFallsBackToTheDefaults) {
  SpecificationForm form = zor::decode_specification(
      record_of({"n", "h", "<Gone>", "x", "", "ANYWHERE", "<5", "MIDDLE", "igen", "9", "", "2"}),
      choices);
  EXPECT_FALSE(form.sound_type);               // only "H" is a sound record
  EXPECT_EQ(form.sound, zor::kNoEntry);        // a label no longer in the tree
  EXPECT_EQ(form.before, 0);                   // the first connection
  EXPECT_EQ(form.after, 0);
  EXPECT_EQ(form.word_position, 0);            // BARMI
  EXPECT_EQ(form.syllable_operator, 0);        // two bytes are too short: "> 0" stays
  EXPECT_EQ(form.syllable_number, "0");
  EXPECT_EQ(form.sentence_position, 0);        // ELSO
  EXPECT_FALSE(form.text_word);
  EXPECT_EQ(form.a_count, 0);
  EXPECT_EQ(form.other_long_count, 0);
}

TEST_F(SpecificationFormTest, DecodingSyllableCountsAndSoundForms) {
  auto decoded = [&](const char* sound, const char* syllables) {
    return zor::decode_specification(record_of({"n", "H", sound, "", "", "", syllables}), choices);
  };
  EXPECT_EQ(decoded("a", "< 3").syllable_operator, 2);
  EXPECT_EQ(decoded("a", "x 3").syllable_operator, 0);  // another byte keeps ">"
  EXPECT_EQ(decoded("a", "x 3").syllable_number, "3");
  EXPECT_EQ(decoded("a", ">  ").syllable_number, " ");
  EXPECT_EQ(decoded("a", "").sound, 2);
  EXPECT_EQ(decoded("[a]", "").sound, zor::kNoEntry);  // brackets never look up symbols
  EXPECT_EQ(decoded("<Hang", "").sound, zor::kNoEntry);  // the last byte goes, whatever it is
  EXPECT_EQ(decoded("<Hang>", "").sound, 3);
}

TEST_F(SpecificationFormTest, ACopiedRecordRebuildsToItself) {
  const Specification sound = record_of({" a ", "H", "<Vr>", "<SEMMI>;V;<BARMI>",
                                         "<BARMI>;<BARMI>;<BARMI>", "ELSO", "= 2", "", "", "1",
                                         "0", "1 v. TOBB"});
  EXPECT_EQ(zor::build_specification(zor::decode_specification(sound, choices), choices), sound);
  const Specification word = record_of({"w", "SZ", "", "", "", "", "< 4", "VESSZO ELOTT", "NEM",
                                        "BARMENNYI", "2", "0"});
  EXPECT_EQ(zor::build_specification(zor::decode_specification(word, choices), choices), word);
}

TEST_F(SpecificationFormTest, SwitchingACopiedRowToTheOtherType) {
  SpecificationForm from_sound = zor::decode_specification(
      record_of({"n", "H", "a", "", "", "BARMI", "> 0", "", ""}), choices);
  from_sound.sound_type = false;
  Specification word = zor::build_specification(from_sound, choices);
  EXPECT_EQ(word[zor::kSpecTextWord], "NEM");
  EXPECT_EQ(word[zor::kSpecSentencePosition], "ELSO");
  SpecificationForm from_word = zor::decode_specification(
      record_of({"n", "SZ", "", "", "", "", "> 0", "BELSO", "IGEN"}), choices);
  from_word.sound_type = true;
  EXPECT_EQ(zor::build_specification(from_word, choices)[zor::kSpecSound], "");
}

}  // namespace
