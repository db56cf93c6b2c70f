#pragma once
// One run per output folder and base name at a time. The lock is a file
// beside the outputs, held open and locked for the length of the run and
// removed at its end; the system drops the lock of a killed run, so a
// leftover file never blocks the next run.
#include <string>
#include <string_view>

#include "platform/run_host.h"

namespace zor {

class RunLock {
 public:
  enum class State { held, busy, unavailable };

  RunLock() = default;
  RunLock(const RunLock&) = delete;
  RunLock& operator=(const RunLock&) = delete;
  ~RunLock();

  // `busy` when another run holds it; `unavailable` when the lock file cannot
  // be made (a missing folder, say), which leaves the run to meet that
  // itself.
  State acquire(std::string_view path);

 private:
  void release();

  std::string native_path_;
#ifdef _WIN32
  void* handle_ = nullptr;
#else
  int descriptor_ = -1;
#endif
};

// The lock of the runs that write the outputs of `report_path`'s folder and
// base name.
std::string run_lock_path(std::string_view report_path);

// Takes the lock at `lock_path` for a run; false, after a message naming the
// folder, when another run holds it.
bool lock_outputs(RunLock& lock, std::string_view lock_path, RunHost& host);

}  // namespace zor
