#include <cstdio>
#include <string>
#include <string_view>

#include "cli/commands.h"

namespace zor {
namespace {

CLI::App* subcommand_named(CLI::App& app, std::string_view name) {
  std::vector<CLI::App*> found =
      app.get_subcommands([name](CLI::App* command) { return command->get_name() == name; });
  return found.empty() ? nullptr : found.front();
}

// The first option the chosen subcommand does not know, or empty. CLI11
// reports a missing required option before an unknown one, which would hide
// a mistyped option behind "--out-dir is required".
std::string unknown_option(CLI::App& app, int argc, const char* const* argv) {
  if (argc < 2) return {};
  CLI::App* command = subcommand_named(app, argv[1]);
  if (!command) return {};
  for (int i = 2; i < argc; ++i) {
    std::string_view argument = argv[i];
    if (argument == "--") break;
    if (argument.size() < 2 || argument[0] != '-') continue;
    std::string name(argument.substr(0, argument.find('=')));
    if (!command->get_option_no_throw(name) && !app.get_option_no_throw(name)) return name;
  }
  return {};
}

}  // namespace

int run_cli(int argc, const char* const* argv) {
  CLI::App app{"ZOR: durations of speech sounds and words in a recorded corpus"};
  app.require_subcommand(1);
  app.set_version_flag("--version", std::string("zor-cli ") + ZOR_VERSION);
  int exit_code = 0;
  register_convert_command(app, exit_code);
  register_query_command(app, exit_code);
  register_report_command(app, exit_code);
  register_run_command(app, exit_code);
  register_export_commands(app, exit_code);
  register_textgrid_command(app, exit_code);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() != 0) {
      if (std::string unknown = unknown_option(app, argc, argv); !unknown.empty()) {
        std::fprintf(stderr, "Unknown option %s for %s\nRun with --help for more information.\n",
                     unknown.c_str(), argv[1]);
        return 2;
      }
      if (argc >= 2 && argv[1][0] != '-' && !subcommand_named(app, argv[1])) {
        std::fprintf(stderr, "Unknown subcommand %s (convert, query, report, run, stats, hits, tables or textgrid)\n", argv[1]);
        return 2;
      }
    }
    int status = app.exit(error);
    return status == 0 ? 0 : 2;
  }
  return exit_code;
}

}  // namespace zor
