#pragma once
// The exit statuses of zor-cli and how a run's outcome maps onto them.
#include "platform/run_host.h"

namespace zor {

inline constexpr int kExitCompleted = 0;    // the run went through, every input used
inline constexpr int kExitFailed = 1;       // refused, nothing converted, or a file failed
inline constexpr int kExitUsage = 2;        // the command line was wrong
inline constexpr int kExitPartial = 3;      // the run went through; skipped inputs are listed
inline constexpr int kExitInterrupted = 130;  // Ctrl-C: what was written stays (128 + SIGINT)

inline int exit_status(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::completed: return kExitCompleted;
    case RunOutcome::partial: return kExitPartial;
    case RunOutcome::cancelled: return kExitInterrupted;
    case RunOutcome::declined:
    case RunOutcome::refused:
    case RunOutcome::failed: break;
  }
  return kExitFailed;
}

}  // namespace zor
