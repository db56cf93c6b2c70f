#pragma once
// Every hit as a CSV row, in the distribution table's order, with where it
// lies in its recording and what the corpus tables say about its sound, word
// and sentence.
#include <string>
#include <vector>

#include "export/csv_output.h"
#include "export/hit_places.h"
#include "tables/text_table.h"

namespace zor {

// The hits of the specifications named in `names` (Windows-1250), or of all.
// Recordings that gave no times are in places.warnings() afterwards.
void write_hits_csv(const TextTable& distribution, const TextTable& sentences,
                    const TextTable& words, const TextTable& sounds,
                    const std::vector<std::string>& names, HitPlaces& places, CsvOutput& out);

}  // namespace zor
