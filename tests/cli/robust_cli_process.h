#pragma once
// Runs zor-cli as a separate process, as a user would, and collects its exit
// status and what it wrote to stderr.
#include <string>
#include <vector>

namespace zor::test {

struct CliResult {
  int exit_status = -1;
  std::string error_output;
};

// The arguments are passed quoted to the shell.
CliResult run_zor_cli(const std::vector<std::string>& arguments);

}  // namespace zor::test
