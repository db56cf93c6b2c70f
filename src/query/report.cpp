#include "query/report.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "corpus/table_layout.h"
#include "platform/encoding.h"
#include "platform/file_io.h"
#include "platform/run_lock.h"
#include "platform/run_progress.h"
#include "query/report_section.h"
#include "query/report_tables.h"
#include "query/result_freshness.h"
#include "tables/text_table.h"

namespace zor {

std::vector<ReportEntry> report_entries(const std::string& result_path) {
  std::vector<ReportEntry> entries;
  TextTable result;
  result.set_separator('\t');
  if (!result.load(result_path)) return entries;
  for (bool on_row = result.move_first(); on_row; on_row = result.move_next())
    entries.push_back({std::string(result.field_at(result_column::kName).value_or(std::string_view{}))});
  return entries;
}

RunOutcome write_report(const std::vector<ReportEntry>& entries, ReportOptions options,
                        const OutputNames& names, RunHost& host) {
  if (results_older_than_tables(names) &&
      !host.ask_yes_no(stale_results_question(), stale_results_caption()))
    return RunOutcome::declined;
  RunLock lock;
  if (!lock_outputs(lock, run_lock_path(names.report), host)) return RunOutcome::refused;
  ReportTables tables;
  TextFileWriter report;
  // A failed attempt leaves the previous report as it was.
  if (!tables.load(names)) {
    host.show_message(to_cp1250("Sikertelen fájlnyitás"));
    return RunOutcome::failed;
  }
  if (std::string missing = tables.missing_columns(names); !missing.empty()) {
    host.show_message(missing);
    return RunOutcome::failed;
  }
  if (!report.open_replacing(names.report)) {
    host.show_message(to_cp1250("Sikertelen fájlnyitás"));
    return RunOutcome::failed;
  }

  const std::string waiting = to_cp1250("Kis türelmet kérek...");
  RunProgress progress(host, to_cp1250("Az eredmény megjelenítése"), entries.size(),
                       "Progress Cancelled");
  progress.show_text(waiting);

  RunOutcome outcome = RunOutcome::completed;
  ReportSectionWriter sections(tables, options, report);
  // Entries stand for the result rows in file order: the k-th entry of a
  // name is that name's k-th row, ticked or not.
  std::unordered_map<std::string_view, size_t> seen;
  for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
    size_t occurrence = seen[entry->name]++;
    if (!entry->ticked) continue;
    auto next = std::find_if(entry + 1, entries.end(), [](const ReportEntry& later) { return later.ticked; });
    sections.write(entry->name, occurrence, next == entries.end() ? std::string_view() : next->name);
    if (progress.item_done(waiting + "\n\n" + entry->name)) {
      outcome = RunOutcome::cancelled;
      break;
    }
  }

  progress.close();
  sections.finish();
  if (sections.read_failed()) {
    report.discard();
    host.show_message(to_cp1250("Sikertelen fájlnyitás"));
    return RunOutcome::failed;
  }
  if (!report.close()) {
    host.show_message(to_cp1250("Sikertelen fájlírás: ") + names.report);
    return RunOutcome::failed;
  }
  host.open_document(names.report);
  return outcome;
}

}  // namespace zor
