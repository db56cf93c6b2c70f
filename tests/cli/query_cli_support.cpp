#include "query_cli_support.h"

#include <sys/wait.h>

#include <cstdlib>

namespace zor::test {

std::string shell_quoted(const std::string& text) { return "'" + text + "'"; }

int run_program(const std::string& command, const ScratchDir& dir, std::string& error_output) {
  const std::string error_file = dir.file("stderr.txt");
  int status = std::system((command + " >/dev/null 2>" + shell_quoted(error_file)).c_str());
  error_output = read_bytes(error_file);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string zor_cli() { return shell_quoted(ZOR_CLI_PATH); }

}  // namespace zor::test
