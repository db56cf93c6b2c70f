#include "commands.h"

namespace zor {

void register_run_command(CLI::App& app, int& exit_code) {
  auto* command = app.add_subcommand("run", "not yet available");
  command->callback([&exit_code] { exit_code = 1; });
}

}  // namespace zor
