#pragma once
// The subcommands of zor-cli. Each registers itself on the app and stores its
// exit status in `exit_code` when it runs (cli/exit_status.h).
#include <CLI/CLI.hpp>

namespace zor {

void register_convert_command(CLI::App& app, int& exit_code);
void register_query_command(CLI::App& app, int& exit_code);
void register_report_command(CLI::App& app, int& exit_code);
void register_run_command(CLI::App& app, int& exit_code);
void register_export_commands(CLI::App& app, int& exit_code);
void register_textgrid_command(CLI::App& app, int& exit_code);

// Parses and runs one command line; returns the process exit status.
int run_cli(int argc, const char* const* argv);

}  // namespace zor
