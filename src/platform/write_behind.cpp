#include "platform/write_behind.h"

#if defined(__linux__)
#include <fcntl.h>
#define ZOR_WRITES_BEHIND 1
#endif

namespace zor {

#ifdef ZOR_WRITES_BEHIND

WriteBehind::WriteBehind(std::FILE* file) : descriptor_(file ? fileno(file) : -1) {}

void WriteBehind::written(std::uint64_t bytes) {
  // The last few megabytes are left to the writer: only whole stretches
  // behind it are asked for, a few megabytes at a time.
  constexpr std::uint64_t kBehind = std::uint64_t{16} << 20;
  constexpr std::uint64_t kStep = std::uint64_t{4} << 20;
  if (descriptor_ < 0 || bytes < started_ + kBehind + kStep) return;
  const std::uint64_t until = bytes - kBehind;
  // Asynchronous; a refused request only costs speed.
  (void)sync_file_range(descriptor_, static_cast<off64_t>(started_), static_cast<off64_t>(until - started_),
                        SYNC_FILE_RANGE_WRITE);
  started_ = until;
}

#else

WriteBehind::WriteBehind(std::FILE*) {}
void WriteBehind::written(std::uint64_t) {}

#endif

}  // namespace zor
