#include <memory>

#include "cli/commands.h"
#include "cli/convert_step.h"
#include "cli/host_command.h"

namespace zor {

void register_convert_command(CLI::App& app, int& exit_code) {
  auto* command = app.add_subcommand(
      "convert", "Convert recordings into the sentence, word and sound tables");
  auto options = std::make_shared<ConvertOptions>();
  options->add_to(*command);
  run_on_terminal(*command, exit_code, [options](TerminalHost& host) {
    options->require_recordings();
    return convert_recordings(*options, host);
  });
}

}  // namespace zor
