#pragma once
// The --out-dir and --base options shared by every command.
#include <CLI/CLI.hpp>
#include <string>

#include "corpus/output_names.h"

namespace zor {

struct OutputOptions {
  std::string out_dir;  // as typed, in the terminal's encoding
  std::string base{kDefaultBaseName};

  void add_to(CLI::App& command);
  // The names by the page-5 rule, from the directory with a separator
  // appended when missing.
  OutputNames names() const;
  // Creates the output folder when it does not exist yet. A failure shows
  // when the run cannot open its files.
  void create_directory() const;
};

}  // namespace zor
