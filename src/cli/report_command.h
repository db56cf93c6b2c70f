#pragma once
// The report step of zor-cli, shared by `report` and `run`.
#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "corpus/output_names.h"
#include "platform/run_host.h"

namespace zor {

struct ReportFlags {
  bool details = false;
  bool distribution = false;
  bool open = false;  // hand the report to the desktop's viewer instead of printing its path
  bool allow_stale = false;  // report results older than the corpus tables
};

// --details, --distribution, --open and --allow-stale.
void add_report_flags(CLI::App& command, ReportFlags& flags);

// Reports the specifications of the result table, in file order: all of them,
// or those named in `specs` (terminal encoding). Prints the report's path on
// stdout unless it was handed to the viewer. Results older than the corpus
// tables are refused unless allowed.
RunOutcome report_results(const OutputNames& names, const std::vector<std::string>& specs,
                          const ReportFlags& flags, RunHost& host);

}  // namespace zor
