#include "commands.h"

namespace zor {

void register_report_command(CLI::App& app, int& exit_code) {
  auto* command = app.add_subcommand("report", "not yet available");
  command->callback([&exit_code] { exit_code = 1; });
}

}  // namespace zor
