#include "query/report.h"

#include "platform/encoding.h"
#include "platform/file_io.h"
#include "query/report_section.h"
#include "query/report_tables.h"

namespace zor {

RunOutcome write_report(const std::vector<ReportEntry>& entries, ReportOptions options,
                        const OutputNames& names, RunHost& host) {
  ReportTables tables;
  TextFileWriter report;
  // The report file is opened only once every table has loaded, so a failed
  // attempt leaves the previous report as it was.
  if (!tables.load(names) || !report.open(names.report)) {
    host.show_message(to_cp1250("Sikertelen fájlnyitás"));
    return RunOutcome::failed;
  }

  auto progress = host.make_progress(to_cp1250("Az eredmény megjelenítése"));
  progress->BeginModal("Progress");
  progress->SetRange(1, static_cast<int>(entries.size()), 1);
  const std::string waiting = to_cp1250("Kis türelmet kérek...");
  progress->SetText(waiting);

  RunOutcome outcome = RunOutcome::completed;
  ReportSectionWriter sections(tables, options, report);
  for (const ReportEntry& entry : entries) {
    if (!entry.ticked) continue;
    sections.write(entry.name);
    progress->StepIt();
    progress->PumpMessages(true);
    progress->SetText(waiting + "\n\n" + entry.name);
    if (progress->IsCancelled()) {
      host.show_message("Progress Cancelled");
      outcome = RunOutcome::cancelled;
      break;
    }
  }

  progress->Close();
  if (!report.close()) {
    host.show_message(to_cp1250("Sikertelen fájlírás: ") + names.report);
    return RunOutcome::failed;
  }
  host.open_document(names.report);
  return outcome;
}

}  // namespace zor
