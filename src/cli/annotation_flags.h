#pragma once
// --sound-tier, --word-tier and --symbols: how TextGrid sets are read, for
// the commands that read recordings.
#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "conversion/annotation_options.h"
#include "platform/run_host.h"

namespace zor {

struct AnnotationFlags {
  std::string sound_tier, word_tier;  // as typed
  std::string symbols = "zor";

  void add_to(CLI::App& command);
  // nullopt, after a message, when the symbol file cannot be used.
  std::optional<AnnotationOptions> options(RunHost& host) const;
};

}  // namespace zor
