#pragma once
// The ways a recording's file set can be broken, each with the result code the
// conversion's reader gives it.
#include <string_view>
#include <vector>

#include "gen/recording_files.h"

namespace zor::gen {

struct BrokenKind {
  std::string_view name;
  int result_code;  // of the reader's open_set
  void (*apply)(RecordingFiles& files);
};

// Every kind, each result code from 0 to 5 at least once.
const std::vector<BrokenKind>& broken_kinds();

}  // namespace zor::gen
