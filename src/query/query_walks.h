#pragma once
// The hits of one specification, in the order the corpus walks find them:
// word rows for a word specification, sound rows for a sound specification.
#include <cstddef>
#include <cstdint>

#include "query/query_corpus.h"
#include "query/query_hit.h"
#include "query/specification.h"

namespace zor {

// Where the walks put their hits. A sound hit is told by its row, whose
// numbers the sink takes from the corpus only as far as it writes them: a
// specification can have millions of hits.
class HitSink {
 public:
  virtual ~HitSink() = default;
  // A word hit; its texts are valid during the call only.
  virtual void add(const Hit& hit) = 0;
  // A hit on the 0-based sound row, lasting `duration`.
  virtual void add_sound_row(std::int64_t duration, std::size_t row) = 0;
};

// A sound specification when the type is "H", a word specification otherwise.
void find_hits(const QueryCorpus& corpus, const Specification& spec, HitSink& sink);

void find_word_hits(const QueryCorpus& corpus, const Specification& spec, HitSink& sink);
void find_sound_hits(const QueryCorpus& corpus, const Specification& spec, HitSink& sink);

}  // namespace zor
