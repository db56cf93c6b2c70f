#pragma once
// The query run: every specification evaluated against the corpus tables,
// statistics to the result table and one line per hit to the distribution
// table.
#include <vector>

#include "corpus/output_names.h"
#include "platform/run_host.h"
#include "query/specification.h"

namespace zor {

// Uses the sentences, words, sounds, result and result_dev paths.
RunOutcome run_query(const std::vector<Specification>& specifications, const OutputNames& names,
                     RunHost& host);

}  // namespace zor
