#pragma once
// The query as the table walks describe it, row by row through the cursors
// and searches of the tables: the reference the indexed engine must equal.
#include <string>
#include <vector>

#include "query/specification.h"
#include "tables/text_table.h"

namespace zor::test {

struct QueryFiles {
  std::string result, distribution;  // with "\n" line ends
};

QueryFiles literal_query(const std::vector<Specification>& specs, TextTable& words,
                         TextTable& sounds);

}  // namespace zor::test
