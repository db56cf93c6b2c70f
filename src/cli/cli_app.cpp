#include "cli/commands.h"

namespace zor {

int run_cli(int argc, const char* const* argv) {
  CLI::App app{"ZOR: durations of speech sounds and words in a recorded corpus"};
  app.require_subcommand(1);
  int exit_code = 0;
  register_convert_command(app, exit_code);
  register_query_command(app, exit_code);
  register_report_command(app, exit_code);
  register_run_command(app, exit_code);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    int status = app.exit(error);
    return status == 0 ? 0 : 2;
  }
  return exit_code;
}

}  // namespace zor
