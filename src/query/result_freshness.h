#pragma once
// Whether the result tables still belong to the corpus tables: a conversion
// after the query replaces the corpus, and a report would then look up the
// old statistics' sentences, words and sounds in the new one.
#include <string>

#include "corpus/output_names.h"

namespace zor {

// True when a result table is older than a corpus table. Two seconds of
// slack cover file systems that keep coarse times (FAT keeps two seconds)
// and tables copied together in any order.
bool results_older_than_tables(const OutputNames& names);

// The wizard's question before a report on such results (Windows-1250).
std::string stale_results_question();
std::string stale_results_caption();

}  // namespace zor
