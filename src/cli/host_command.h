#pragma once
// What every run command shares: its "--quiet" flag and the terminal host its
// run talks to.
#include <CLI/CLI.hpp>
#include <functional>

#include "cli/terminal_host.h"

namespace zor {

// When `command` is chosen, runs `run` on a terminal host and stores the exit
// status it returns in `exit_code`.
void run_on_terminal(CLI::App& command, int& exit_code,
                     std::function<int(TerminalHost& host)> run);

}  // namespace zor
