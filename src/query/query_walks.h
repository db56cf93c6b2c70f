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

// One of `count` parts of a walk's rows, each about as many: parts walked
// one after the other find the hits of the whole walk, in its order. A long
// walk is shared out this way between the cores.
struct WalkPart {
  size_t index = 0;
  size_t count = 1;

  // The part's rows of `rows` rows.
  size_t begin(size_t rows) const { return rows * index / count; }
  size_t end(size_t rows) const { return rows * (index + 1) / count; }
};

// A sound specification when the type is "H", a word specification otherwise.
void find_hits(const QueryCorpus& corpus, const Specification& spec, HitSink& sink, WalkPart part = {});

void find_word_hits(const QueryCorpus& corpus, const Specification& spec, HitSink& sink, WalkPart part = {});
// A walk whose verdicts hang on the candidates before (the corpus has sounds
// of the empty word number) is walked whole by the first part.
void find_sound_hits(const QueryCorpus& corpus, const Specification& spec, HitSink& sink, WalkPart part = {});

}  // namespace zor
