#include "platform/file_identity.h"

#include <algorithm>

#include "platform/encoding.h"

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define ZOR_HAS_FILE_IDENTITY 1
#endif

namespace zor {

bool FileIdentity::settled_since(std::chrono::system_clock::time_point moment, std::chrono::nanoseconds margin) const {
  const auto since_epoch = std::chrono::duration_cast<std::chrono::nanoseconds>(moment.time_since_epoch());
  return std::max(modified_ns, changed_ns) <= since_epoch.count() - margin.count();
}

#ifdef ZOR_HAS_FILE_IDENTITY

namespace {

std::int64_t nanoseconds(const struct timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

}  // namespace

std::optional<FileIdentity> file_identity(std::string_view cp1250_path) {
  // Opened, not only looked at: a network file system answers stat() from
  // what it noted earlier, but opening a file makes it ask the server.
  // Non-blocking: the name may stand for a pipe.
  const int descriptor = ::open(native_file_name(cp1250_path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return std::nullopt;
  struct stat status {};
  const bool looked_at = ::fstat(descriptor, &status) == 0;
  ::close(descriptor);
  if (!looked_at || !S_ISREG(status.st_mode)) return std::nullopt;
  FileIdentity identity;
  identity.device = static_cast<std::uint64_t>(status.st_dev);
  identity.inode = static_cast<std::uint64_t>(status.st_ino);
  identity.bytes = static_cast<std::uint64_t>(status.st_size);
#ifdef __APPLE__
  identity.modified_ns = nanoseconds(status.st_mtimespec);
  identity.changed_ns = nanoseconds(status.st_ctimespec);
#else
  identity.modified_ns = nanoseconds(status.st_mtim);
  identity.changed_ns = nanoseconds(status.st_ctim);
#endif
  return identity;
}

#else

std::optional<FileIdentity> file_identity(std::string_view) { return std::nullopt; }

#endif

}  // namespace zor
