#include <memory>

#include "cli/commands.h"
#include "cli/convert_step.h"
#include "cli/exit_status.h"
#include "cli/host_command.h"
#include "cli/query_step.h"
#include "cli/report_command.h"

namespace zor {

void register_run_command(CLI::App& app, int& exit_code) {
  auto* command = app.add_subcommand(
      "run", "Convert the recordings, measure the specifications in the new tables and report");
  auto convert = std::make_shared<ConvertOptions>();
  auto query = std::make_shared<QueryOptions>();
  auto report = std::make_shared<ReportFlags>();
  convert->add_to(*command);
  query->add_to(*command);
  add_report_flags(*command, *report);
  run_on_terminal(*command, exit_code, [convert, query, report](TerminalHost& host) {
    convert->require_recordings();
    // The query needs complete tables: a conversion that stopped or converted
    // nothing ends the run; skipped recordings are listed and the run goes on.
    const int converted = convert_recordings(*convert, host);
    if (converted != kExitCompleted && converted != kExitPartial) return converted;
    int status = query_corpus(convert->output, *query, host);
    if (status != kExitCompleted) return status;
    status = exit_status(report_results(convert->output.names(), {}, *report, host));
    return status == kExitCompleted ? converted : status;
  });
}

}  // namespace zor
