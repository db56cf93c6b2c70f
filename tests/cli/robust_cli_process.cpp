#include "robust_cli_process.h"

#include <sys/wait.h>

#include <cstdlib>

#include "support/test_files.h"

namespace zor::test {
namespace {

std::string shell_quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

CliResult run_zor_cli(const std::vector<std::string>& arguments) {
  ScratchDir capture;
  std::string stderr_file = capture.file("stderr.txt");
  std::string command = shell_quoted(ZOR_CLI_PATH);
  for (const std::string& argument : arguments) command += " " + shell_quoted(argument);
  command += " </dev/null >/dev/null 2>" + shell_quoted(stderr_file);
  int status = std::system(command.c_str());
  CliResult result;
  if (status != -1 && WIFEXITED(status)) result.exit_status = WEXITSTATUS(status);
  result.error_output = read_bytes(stderr_file);
  return result;
}

}  // namespace zor::test
