#pragma once
// The hits of one specification, in the order the corpus walks find them:
// word rows for a word specification, sound rows for a sound specification.
#include <cstddef>
#include <cstdint>

#include "query/query_corpus.h"
#include "query/query_hit.h"
#include "query/specification.h"

namespace zor {

// Where the walks put their hits. A hit is told by its row, whose numbers
// the sink takes from the corpus only as far as it writes them: a
// specification can have millions of hits.
class HitSink {
 public:
  virtual ~HitSink() = default;
  // A hit on the 0-based row of `numbers` (the sound rows' or the word
  // rows'), lasting `duration`.
  virtual void add_row(std::int64_t duration, const HitNumberStore& numbers, std::size_t row) = 0;
};

// A sound specification when the type is "H", a word specification otherwise.
void find_hits(const QueryCorpus& corpus, const Specification& spec, HitSink& sink);

void find_word_hits(const QueryCorpus& corpus, const Specification& spec, HitSink& sink);
void find_sound_hits(const QueryCorpus& corpus, const Specification& spec, HitSink& sink);

}  // namespace zor
