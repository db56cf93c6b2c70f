#pragma once
// The hits of one specification, in the order the corpus walks find them:
// word rows for a word specification, sound rows for a sound specification.
#include <functional>

#include "query/query_corpus.h"
#include "query/query_hit.h"
#include "query/specification.h"

namespace zor {

// A hit's texts are valid during the call only.
using HitSink = std::function<void(const Hit&)>;

// A sound specification when the type is "H", a word specification otherwise.
void find_hits(const QueryCorpus& corpus, const Specification& spec, const HitSink& on_hit);

void find_word_hits(const QueryCorpus& corpus, const Specification& spec, const HitSink& on_hit);
void find_sound_hits(const QueryCorpus& corpus, const Specification& spec, const HitSink& on_hit);

}  // namespace zor
