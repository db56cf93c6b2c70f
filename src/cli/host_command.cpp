#include "cli/host_command.h"

#include <memory>

namespace zor {

void run_on_terminal(CLI::App& command, int& exit_code,
                     std::function<int(TerminalHost& host)> run) {
  auto quiet = std::make_shared<bool>(false);
  command.add_flag("--quiet", *quiet, "No progress bar");
  command.callback([quiet, run = std::move(run), &exit_code] {
    TerminalHost host(*quiet);
    exit_code = run(host);
  });
}

}  // namespace zor
