#include <memory>

#include "cli/commands.h"
#include "cli/output_options.h"
#include "cli/query_step.h"
#include "cli/terminal_host.h"

namespace zor {

void register_query_command(CLI::App& app, int& exit_code) {
  auto* command = app.add_subcommand(
      "query", "Measure the specifications in the corpus tables; write the result tables");
  auto output = std::make_shared<OutputOptions>();
  auto options = std::make_shared<QueryOptions>();
  auto quiet = std::make_shared<bool>(false);
  output->add_to(*command);
  options->add_to(*command);
  command->add_flag("--quiet", *quiet, "No progress bar");
  command->callback([output, options, quiet, &exit_code] {
    TerminalHost host(*quiet);
    exit_code = query_corpus(*output, *options, host);
  });
}

}  // namespace zor
