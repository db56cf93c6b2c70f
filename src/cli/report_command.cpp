#include "cli/report_command.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/host_command.h"
#include "cli/output_options.h"
#include "platform/encoding.h"
#include "query/report.h"
#include "query/result_freshness.h"

namespace zor {
namespace {

void tick_only(std::vector<ReportEntry>& entries, const std::vector<std::string>& specs) {
  std::vector<std::string> wanted;
  for (const std::string& spec : specs) wanted.push_back(to_cp1250(spec));
  for (ReportEntry& entry : entries) {
    entry.ticked = std::find(wanted.begin(), wanted.end(), entry.name) != wanted.end();
  }
  for (size_t i = 0; i < wanted.size(); ++i) {
    bool listed = std::any_of(entries.begin(), entries.end(),
                              [&](const ReportEntry& entry) { return entry.name == wanted[i]; });
    if (!listed) std::fprintf(stderr, "No result for the specification %s\n", specs[i].c_str());
  }
}

// The host as it is, except that a finished report is only named, not opened.
class NamingHost : public RunHost {
 public:
  explicit NamingHost(RunHost& host) : host_(host) {}
  bool ask_yes_no(const std::string& text, const std::string& caption) override {
    return host_.ask_yes_no(text, caption);
  }
  void show_message(const std::string& text, const std::string& caption) override {
    host_.show_message(text, caption);
  }
  std::unique_ptr<ProgressWindow> make_progress(const std::string& title) override {
    return host_.make_progress(title);
  }
  void open_document(const std::string& path) override {
    std::printf("%s\n", native_file_name(path).c_str());
  }

 private:
  RunHost& host_;
};

}  // namespace

void add_report_flags(CLI::App& command, ReportFlags& flags) {
  command.add_flag("--details", flags.details,
                   "Name the sentence, word and sound behind each occurrence");
  command.add_flag("--distribution", flags.distribution, "Print the 10 ms distribution");
  command.add_flag("--open", flags.open, "Open the report in the desktop's default viewer");
  command.add_flag("--allow-stale", flags.allow_stale,
                   "Report even when the result tables are older than the corpus tables");
}

RunOutcome report_results(const OutputNames& names, const std::vector<std::string>& specs,
                          const ReportFlags& flags, RunHost& host) {
  if (!flags.allow_stale && results_older_than_tables(names)) {
    host.show_message("The result tables " + names.result + " and " + names.result_dev +
                      " are older than the corpus tables: a conversion came after the query. "
                      "Run the query again, or pass --allow-stale.");
    return RunOutcome::refused;
  }
  std::vector<ReportEntry> entries = report_entries(names.result);
  if (!specs.empty() && !entries.empty()) tick_only(entries, specs);
  ReportOptions options{flags.details, flags.distribution};
  if (flags.open) return write_report(entries, options, names, host);
  NamingHost naming(host);
  return write_report(entries, options, names, naming);
}

void register_report_command(CLI::App& app, int& exit_code) {
  struct Options {
    OutputOptions output;
    ReportFlags flags;
    std::vector<std::string> specs;
  };
  auto options = std::make_shared<Options>();
  auto* command = app.add_subcommand(
      "report", "Write the readable report of the query's result tables");
  options->output.add_to(*command);
  add_report_flags(*command, options->flags);
  command->add_option("--spec", options->specs,
                      "Report only this specification (repeatable); default: all");
  run_on_terminal(*command, exit_code, [options](TerminalHost& host) {
    return exit_status(
        report_results(options->output.names(), options->specs, options->flags, host));
  });
}

}  // namespace zor
