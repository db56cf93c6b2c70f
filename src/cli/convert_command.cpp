#include "commands.h"

namespace zor {

void register_convert_command(CLI::App& app, int& exit_code) {
  auto* command = app.add_subcommand("convert", "not yet available");
  command->callback([&exit_code] { exit_code = 1; });
}

}  // namespace zor
