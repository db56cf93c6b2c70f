#include "platform/file_identity.h"

#include <algorithm>

#include "platform/encoding.h"

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define ZOR_HAS_FILE_IDENTITY 1
#endif
#if defined(__linux__)
#include <linux/magic.h>
#include <sys/vfs.h>
#define ZOR_KNOWS_FILE_SYSTEMS 1
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

#ifdef ZOR_KNOWS_FILE_SYSTEMS

std::optional<std::chrono::nanoseconds> clock_step(std::string_view cp1250_path) {
  struct statfs system {};
  if (::statfs(native_file_name(cp1250_path).c_str(), &system) != 0) return std::nullopt;
  switch (static_cast<unsigned long>(system.f_type)) {
    case EXT4_SUPER_MAGIC:  // ext2 and ext3 too
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case F2FS_SUPER_MAGIC:
    case TMPFS_MAGIC:
      // One tick of the kernel's coarse clock: 10 ms at the slowest tick rate.
      return std::chrono::milliseconds(10);
    default:
      return std::nullopt;
  }
}

#else

std::optional<std::chrono::nanoseconds> clock_step(std::string_view) { return std::nullopt; }

#endif

}  // namespace zor
