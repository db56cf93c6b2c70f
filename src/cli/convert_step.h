#pragma once
// The conversion as a step of a batch command: `convert` runs it alone, `run`
// chains it with the query and the report.
#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "cli/annotation_flags.h"
#include "cli/output_options.h"
#include "platform/run_host.h"

namespace zor {

struct ConvertOptions {
  OutputOptions output;
  std::string labels_file;             // a label-tree file; empty for the default tree
  std::string list_file;               // a list of WAV paths; empty when wav_files are given
  std::vector<std::string> wav_files;  // used when there is no list file
  AnnotationFlags annotation;
  // All paths as typed, in the OS's encoding.

  // --out-dir, --base, --labels, --list and the WAV files. Giving both a list
  // and WAV files is a usage error; giving neither is checked by
  // require_recordings.
  void add_to(CLI::App& command);
  // Throws CLI::RequiredError when neither a list nor a WAV file was given.
  void require_recordings() const;
};

// Loads the label tree and the recordings, then converts. Returns the exit
// status (exit_status.h): 0 when the run went through, skipped recordings
// included; 1 when a file could not be read, the run refused or an output file
// failed; 130 when cancelled.
int convert_recordings(const ConvertOptions& options, RunHost& host);

}  // namespace zor
