#include <memory>

#include "cli/commands.h"
#include "cli/convert_step.h"
#include "cli/terminal_host.h"

namespace zor {

void register_convert_command(CLI::App& app, int& exit_code) {
  auto* command = app.add_subcommand(
      "convert", "Convert recordings into the sentence, word and sound tables");
  auto options = std::make_shared<ConvertOptions>();
  auto quiet = std::make_shared<bool>(false);
  options->add_to(*command);
  command->add_flag("--quiet", *quiet, "No progress bar");
  command->callback([options, quiet, &exit_code] {
    options->require_recordings();
    TerminalHost host(*quiet);
    exit_code = convert_recordings(*options, host);
  });
}

}  // namespace zor
