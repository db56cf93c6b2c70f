#pragma once
// The tables an export reads, loaded and checked: a table that cannot be
// read, or whose header lacks a column the export reads, is refused by name.
#include <string>

#include "corpus/output_names.h"
#include "tables/text_table.h"

namespace zor {

struct ExportTables {
  TextTable sentences, words, sounds, result, distribution;

  // Empty when both result tables loaded with their columns; otherwise why
  // not, naming the file (Windows-1250).
  std::string load_results(const OutputNames& names);
  // The same for the three corpus tables.
  std::string load_corpus(const OutputNames& names);
};

}  // namespace zor
