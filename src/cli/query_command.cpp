#include "commands.h"

namespace zor {

void register_query_command(CLI::App& app, int& exit_code) {
  auto* command = app.add_subcommand("query", "not yet available");
  command->callback([&exit_code] { exit_code = 1; });
}

}  // namespace zor
