#include "query/query_walks.h"
#include "query/word_conditions.h"

namespace zor {

void find_hits(const QueryCorpus& corpus, const Specification& spec, HitSink& sink, WalkPart part) {
  if (spec[kSpecType] == kSoundType)
    find_sound_hits(corpus, spec, sink, part);
  else
    find_word_hits(corpus, spec, sink, part);
}

void find_word_hits(const QueryCorpus& corpus, const Specification& spec, HitSink& sink, WalkPart part) {
  const std::vector<char> good = good_word_classes(corpus, spec);
  const bool any_position = spec[kSpecSentencePosition] == kAnyPosition;
  // A text that no row holds, the missing field included, matches no word.
  const std::uint32_t position = corpus.word_positions().find(spec[kSpecSentencePosition]);
  const std::uint32_t text_word = corpus.text_words().find(spec[kSpecTextWord]);
  const FactColumn<WordFacts>& facts = corpus.word_facts();
  const FactColumn<std::uint32_t>& classes = corpus.word_class_of_row();
  for (size_t index = part.begin(facts.size()); index < part.end(facts.size()); ++index) {
    const WordFacts& word = facts[index];
    if (!any_position && word.position != position) continue;
    if (word.text_word != text_word || !good[classes[index]]) continue;
    sink.add_row(word.duration, corpus.word_hit_numbers(), index);
  }
}

}  // namespace zor
