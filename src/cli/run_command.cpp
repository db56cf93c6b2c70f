#include <memory>

#include "cli/commands.h"
#include "cli/convert_step.h"
#include "cli/exit_status.h"
#include "cli/query_step.h"
#include "cli/report_command.h"
#include "cli/terminal_host.h"

namespace zor {

void register_run_command(CLI::App& app, int& exit_code) {
  auto* command = app.add_subcommand(
      "run", "Convert the recordings, measure the specifications in the new tables and report");
  auto convert = std::make_shared<ConvertOptions>();
  auto query = std::make_shared<QueryOptions>();
  auto report = std::make_shared<ReportFlags>();
  auto quiet = std::make_shared<bool>(false);
  convert->add_to(*command);
  query->add_to(*command);
  add_report_flags(*command, *report);
  command->add_flag("--quiet", *quiet, "No progress bar");
  command->callback([convert, query, report, quiet, &exit_code] {
    convert->require_recordings();
    TerminalHost host(*quiet);
    // The query needs complete tables: a conversion that stopped ends the run.
    exit_code = convert_recordings(*convert, host);
    if (exit_code != kExitCompleted) return;
    exit_code = query_corpus(convert->output, *query, host);
    if (exit_code != kExitCompleted) return;
    exit_code = exit_status(report_results(convert->output.names(), {}, *report, host));
  });
}

}  // namespace zor
