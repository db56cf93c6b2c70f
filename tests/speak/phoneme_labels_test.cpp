#include "speak/phoneme_labels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>

#include "conversion/phonetics.h"
#include "corpus/label_tree.h"
#include "speak/speak_corpus.h"
#include "speak/speech.h"

namespace zor::speak {
namespace {

std::vector<std::string> default_inventory() {
  LabelTree tree;
  tree.build_default_tree();
  return tree.sound_inventory();
}

bool in_inventory(const std::vector<std::string>& inventory, const std::string& label) {
  return std::find(inventory.begin(), inventory.end(), label) != inventory.end();
}

TEST(PhonemeLabels, EveryPhonemeTheVoicesSpeakInTheSampleSentencesHasALabel) {
  std::ifstream in(ZOR_SAMPLE_SENTENCES);
  ASSERT_TRUE(in) << ZOR_SAMPLE_SENTENCES;
  std::vector<Speaker> speakers;
  std::string error;
  ASSERT_TRUE(parse_speakers(kDefaultVoices, speakers, error)) << error;
  std::set<std::string> spoken;
  size_t sentences = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty()) continue;
    Speech speech;
    ASSERT_TRUE(speak(line, speakers[sentences++ % speakers.size()], speech, error))
        << line << ": " << error;
    for (const SpeechEvent& event : speech.events) {
      if (event.kind == SpeechEvent::Kind::phoneme) spoken.insert(event.phoneme);
    }
  }
  EXPECT_GE(sentences, 150u);
  for (const std::string& phoneme : spoken) {
    EXPECT_NE(find_phoneme_label(phoneme), nullptr) << "no label for \"" << phoneme << "\"";
  }
  // And the table holds nothing the voices never say.
  for (const PhonemeLabel& entry : phoneme_labels()) {
    EXPECT_TRUE(spoken.count(std::string(entry.phoneme))) << "never spoken: " << entry.phoneme;
  }
}

TEST(PhonemeLabels, EveryLabelWrittenIsInTheDefaultInventoryAndEverySoundOfItIsWritten) {
  const std::vector<std::string> inventory = default_inventory();
  std::set<std::string> phonemes, written;
  for (const PhonemeLabel& entry : phoneme_labels()) {
    EXPECT_TRUE(phonemes.insert(std::string(entry.phoneme)).second) << "twice: " << entry.phoneme;
    if (entry.role == PhonemeRole::mark) continue;
    std::string_view code = entry.is_long ? kLongLengthCode : "100";
    std::string label = mark_length(code, entry.label).label;
    EXPECT_TRUE(in_inventory(inventory, label)) << entry.phoneme << " -> " << label;
    written.insert(label);
    // Geminates make any consonant long.
    if (is_consonant(entry.label)) {
      std::string long_label = mark_length(kLongLengthCode, entry.label).label;
      EXPECT_TRUE(in_inventory(inventory, long_label)) << entry.phoneme << " -> " << long_label;
      written.insert(long_label);
    }
  }
  for (const std::string& label : inventory) {
    EXPECT_TRUE(written.count(label)) << "no phoneme is written " << label;
  }
}

}  // namespace
}  // namespace zor::speak
