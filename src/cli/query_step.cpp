#include "cli/query_step.h"

#include "cli/exit_status.h"
#include "platform/encoding.h"
#include "platform/file_io.h"
#include "query/query_run.h"
#include "query/specification_list.h"

namespace zor {

void QueryOptions::add_to(CLI::App& command) {
  command.add_option("--specs", specs_file, "Specification file (one specification a line)")
      ->required();
}

int query_corpus(const OutputOptions& output, const QueryOptions& options, RunHost& host) {
  SpecificationList specifications;
  const std::string path = from_native_file_name(options.specs_file);
  if (!load_specifications(specifications, path)) {
    host.show_message("Cannot read the specification file " + path + ": " +
                      input_problem(path).text());
    return kExitFailed;
  }
  return exit_status(run_query(specifications.rows(), output.names(), host));
}

}  // namespace zor
