#pragma once
// The query as a step of a batch command: `query` runs it alone, `run` after
// the conversion.
#include <CLI/CLI.hpp>
#include <string>

#include "cli/output_options.h"
#include "platform/run_host.h"

namespace zor {

struct QueryOptions {
  std::string specs_file;  // as typed, in the OS's encoding

  // --specs, required.
  void add_to(CLI::App& command);
};

// Loads the specification file, then runs the query over the corpus tables
// named by `output`. Returns the exit status (exit_status.h): 0 when the run
// went through, 1 when the file cannot be read or the run stops on an error,
// 130 when cancelled.
int query_corpus(const OutputOptions& output, const QueryOptions& options, RunHost& host);

}  // namespace zor
