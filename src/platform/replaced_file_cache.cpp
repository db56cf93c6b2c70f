#include "platform/replaced_file_cache.h"

#if defined(__linux__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define ZOR_RELEASES_FILE_CACHE 1
#endif

namespace zor {

#ifdef ZOR_RELEASES_FILE_CACHE

ReplacedFileCache::ReplacedFileCache(const std::filesystem::path& file) {
  // Non-blocking: the name may have been given to a pipe since it was looked at.
  descriptor_ = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat status;
  if (descriptor_ >= 0 && (fstat(descriptor_, &status) != 0 || !S_ISREG(status.st_mode))) {
    ::close(descriptor_);
    descriptor_ = -1;
  }
}

ReplacedFileCache::~ReplacedFileCache() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

void ReplacedFileCache::release_before(std::uint64_t offset) {
  // In steps of a few megabytes: a call per small write would cost more
  // than it gives.
  constexpr std::uint64_t kStep = std::uint64_t{4} << 20;
  if (descriptor_ < 0 || offset < released_ + kStep) return;
  // Only clean pages go; a refused hint only costs speed.
  (void)posix_fadvise(descriptor_, static_cast<off_t>(released_), static_cast<off_t>(offset - released_),
                      POSIX_FADV_DONTNEED);
  released_ = offset;
}

#else

ReplacedFileCache::ReplacedFileCache(const std::filesystem::path&) {}
ReplacedFileCache::~ReplacedFileCache() = default;
void ReplacedFileCache::release_before(std::uint64_t) {}

#endif

}  // namespace zor
