#include "export/export_tables.h"

#include "platform/encoding.h"
#include "platform/file_io.h"
#include "query/table_check.h"

namespace zor {
namespace {

std::string load_checked(TextTable& table, const std::string& path, const TableLayout& layout) {
  table.set_separator('\t');
  if (!table.load(path)) {
    return "A '" + path + to_cp1250("' állományt nem lehet megnyitni: ") +
           input_problem(path, UINT64_MAX).text();
  }
  return missing_column_message(table, layout, column_range(1, layout.column_count()), path);
}

std::string first_problem(std::initializer_list<std::string> problems) {
  for (const std::string& problem : problems)
    if (!problem.empty()) return problem;
  return {};
}

}  // namespace

std::string ExportTables::load_results(const OutputNames& names) {
  return first_problem({load_checked(result, names.result, kResultTable),
                        load_checked(distribution, names.result_dev, kDistributionTable)});
}

std::string ExportTables::load_corpus(const OutputNames& names) {
  return first_problem({load_checked(sentences, names.sentences, kSentenceTable),
                        load_checked(words, names.words, kWordTable),
                        load_checked(sounds, names.sounds, kSoundTable)});
}

}  // namespace zor
