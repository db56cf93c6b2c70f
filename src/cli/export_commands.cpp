// stats, hits and tables: the result and corpus tables as UTF-8 CSV for R
// and pandas.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>

#include "cli/annotation_flags.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/host_command.h"
#include "cli/output_options.h"
#include "export/csv_output.h"
#include "export/export_tables.h"
#include "export/hits_export.h"
#include "export/stats_export.h"
#include "export/tables_export.h"
#include "platform/encoding.h"
#include "platform/paths.h"
#include "query/result_freshness.h"

namespace zor {
namespace {

struct ExportOptions {
  OutputOptions output;
  std::vector<std::string> specs;  // in the terminal's encoding
  std::string csv_path = "-";

  void add_to(CLI::App& command) {
    output.add_to(command);
    command.add_option("--spec", specs, "Only this specification (repeatable); default: all");
    command.add_option("--output", csv_path, "The CSV file; - or none: standard output");
  }
  std::vector<std::string> spec_names() const {
    std::vector<std::string> names;
    for (const std::string& spec : specs) names.push_back(from_native_file_name(spec));
    return names;
  }
};

// Opens the output, runs `write` and closes it; the exit status.
int write_csv(const std::string& path, TerminalHost& host, const std::function<void(CsvOutput&)>& write) {
  CsvOutput out;
  const std::string name = from_native_file_name(path);
  if (!out.open(name)) {
    host.show_message("Cannot write " + name + ": " + std::strerror(errno), {});
    return kExitFailed;
  }
  write(out);
  if (!out.close()) {
    host.show_message("Writing " + (out.to_standard_output() ? std::string("standard output") : name) +
                          " failed",
                      {});
    return kExitFailed;
  }
  return kExitCompleted;
}

int export_stats(const ExportOptions& options, TerminalHost& host) {
  ExportTables tables;
  if (std::string problem = tables.load_results(options.output.names()); !problem.empty()) {
    host.show_message(problem, {});
    return kExitFailed;
  }
  return write_csv(options.csv_path, host, [&](CsvOutput& out) {
    write_stats_csv(tables.result, tables.distribution, options.spec_names(), out);
  });
}

int export_hits(const ExportOptions& options, const AnnotationFlags& flags, bool allow_stale,
                TerminalHost& host) {
  const OutputNames names = options.output.names();
  if (!allow_stale && results_older_than_tables(names)) {
    host.show_message("The result tables are older than the corpus tables: the hits would be "
                      "looked up in another corpus. Run the query again, or pass --allow-stale.",
                      {});
    return kExitFailed;
  }
  ExportTables tables;
  std::string problem = tables.load_results(names);
  if (problem.empty()) problem = tables.load_corpus(names);
  if (!problem.empty()) {
    host.show_message(problem, {});
    return kExitFailed;
  }
  std::optional<AnnotationOptions> annotation = flags.options(host);
  if (!annotation) return kExitFailed;
  HitPlaces places(tables.sentences, tables.words, tables.sounds, std::move(*annotation));
  int status = write_csv(options.csv_path, host, [&](CsvOutput& out) {
    write_hits_csv(tables.distribution, tables.sentences, tables.words, tables.sounds,
                   options.spec_names(), places, out);
  });
  if (!places.warnings().empty()) {
    std::string list;
    for (const std::string& warning : places.warnings()) list.append(warning).push_back('\n');
    host.show_message(to_cp1250("Ezeknek a felvételeknek a találatai idő nélkül maradtak:\n") + list,
                      {});
    if (status == kExitCompleted) status = kExitPartial;
  }
  return status;
}

int export_tables(const OutputOptions& output, const std::string& folder, TerminalHost& host) {
  const OutputNames names = output.names();
  ExportTables tables;
  if (std::string problem = tables.load_corpus(names); !problem.empty()) {
    host.show_message(problem, {});
    return kExitFailed;
  }
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(folder), ignored);
  const std::string target = with_trailing_separator(from_native_file_name(folder));
  for (auto [table, path] : {std::pair{&tables.sentences, &names.sentences},
                             std::pair{&tables.words, &names.words},
                             std::pair{&tables.sounds, &names.sounds}}) {
    const std::string csv = target + std::filesystem::path(native_file_name(*path)).stem().string() + ".csv";
    const TextTable* source = table;  // a structured binding cannot be captured before C++20's fix
    int status =
        write_csv(native_file_name(csv), host, [source](CsvOutput& out) { write_table_csv(*source, out); });
    if (status != kExitCompleted) return status;
  }
  return kExitCompleted;
}

}  // namespace

void register_export_commands(CLI::App& app, int& exit_code) {
  auto stats = std::make_shared<ExportOptions>();
  auto* stats_command = app.add_subcommand(
      "stats", "Per result row: n, mean, sd, median, quartiles, min, max and cv as CSV");
  stats->add_to(*stats_command);
  run_on_terminal(*stats_command, exit_code,
                  [stats](TerminalHost& host) { return export_stats(*stats, host); });

  auto hits = std::make_shared<ExportOptions>();
  auto allow_stale = std::make_shared<bool>(false);
  auto annotation = std::make_shared<AnnotationFlags>();
  auto* hits_command = app.add_subcommand(
      "hits", "Every hit as a CSV row, with its place in the recording and its context");
  hits->add_to(*hits_command);
  annotation->add_to(*hits_command);
  hits_command->add_flag("--allow-stale", *allow_stale,
                         "Export even when the result tables are older than the corpus tables");
  run_on_terminal(*hits_command, exit_code, [hits, annotation, allow_stale](TerminalHost& host) {
    return export_hits(*hits, *annotation, *allow_stale, host);
  });

  struct TablesOptions {
    OutputOptions output;
    std::string format;
    std::string folder;
  };
  auto tables = std::make_shared<TablesOptions>();
  auto* tables_command =
      app.add_subcommand("tables", "The three corpus tables as UTF-8 CSV files");
  tables->output.add_to(*tables_command);
  tables_command->add_option("--format", tables->format, "The format: csv")
      ->required()
      ->check(CLI::IsMember({"csv"}));
  tables_command->add_option("--output-dir", tables->folder, "Where the CSV files go")
      ->required()
      ->check([](const std::string& folder) {
        return folder.empty() ? std::string("--output-dir must not be empty") : std::string();
      });
  run_on_terminal(*tables_command, exit_code, [tables](TerminalHost& host) {
    return export_tables(tables->output, tables->folder, host);
  });
}

}  // namespace zor
