#pragma once
// The readable report of the ticked specifications of a result table.
#include <string>
#include <string_view>
#include <vector>

#include "corpus/output_names.h"
#include "platform/run_host.h"

namespace zor {

struct ReportEntry {
  std::string name;  // an EREDMENY_SPECNEV value
  bool ticked = true;
};

struct ReportOptions {
  bool details = false;       // "Részletek megjelenítése"
  bool distribution = false;  // "Eloszlás megjelenítése"
};

// The entries a report can be asked for: the name of every row of the result
// table, duplicates included, in file order. None when the table cannot be
// loaded; the report then says so itself.
std::vector<ReportEntry> report_entries(const std::string& result_path);

// value;sound number;word number;sentence number. The parts are views into
// the text split.
struct Occurrence {
  std::string_view value;
  std::string_view sound;
  std::string_view word;
  std::string_view sentence;
};
Occurrence split_occurrence(std::string_view text);

// Writes names.report and hands it to host.open_document, also after a
// cancel.
RunOutcome write_report(const std::vector<ReportEntry>& entries, ReportOptions options,
                        const OutputNames& names, RunHost& host);

}  // namespace zor
