#include <cstdio>

#include "cli/commands.h"

int main(int argc, char** argv) {
  int status = zor::run_cli(argc, argv);
  // A report path printed into a closed pipe or a full disk is lost: the
  // script must not take the run for a success.
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "Cannot write to standard output\n");
    if (status == 0 || status == 3) status = 1;
  }
  return status;
}
