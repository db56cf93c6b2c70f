#include "query/query_walks.h"
#include "query/word_conditions.h"

namespace zor {

void find_hits(const QueryCorpus& corpus, const Specification& spec, HitSink& sink) {
  if (spec[kSpecType] == kSoundType)
    find_sound_hits(corpus, spec, sink);
  else
    find_word_hits(corpus, spec, sink);
}

void find_word_hits(const QueryCorpus& corpus, const Specification& spec, HitSink& sink) {
  const WordConditions conditions(spec);
  const bool any_position = spec[kSpecSentencePosition] == kAnyPosition;
  // A text that no row holds, the missing field included, matches no word.
  const std::uint32_t position = corpus.word_positions().find(spec[kSpecSentencePosition]);
  const std::uint32_t text_word = corpus.text_words().find(spec[kSpecTextWord]);
  const TextTable& words = corpus.words();
  const std::vector<WordFacts>& facts = corpus.word_facts();
  for (size_t index = 0; index < facts.size(); ++index) {
    const WordFacts& word = facts[index];
    if (!any_position && word.position != position) continue;
    if (word.text_word != text_word || !conditions.hold(word)) continue;
    const int row = static_cast<int>(index) + 1;
    sink.add(Hit{word.duration, {}, words.cell(row, word_column::kNumber).value_or(""),
               words.cell(row, word_column::kSentence).value_or("")});
  }
}

}  // namespace zor
