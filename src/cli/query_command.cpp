#include <memory>

#include "cli/commands.h"
#include "cli/host_command.h"
#include "cli/output_options.h"
#include "cli/query_step.h"

namespace zor {

void register_query_command(CLI::App& app, int& exit_code) {
  auto* command = app.add_subcommand(
      "query", "Measure the specifications in the corpus tables; write the result tables");
  auto output = std::make_shared<OutputOptions>();
  auto options = std::make_shared<QueryOptions>();
  output->add_to(*command);
  options->add_to(*command);
  run_on_terminal(*command, exit_code, [output, options](TerminalHost& host) {
    return query_corpus(*output, *options, host);
  });
}

}  // namespace zor
