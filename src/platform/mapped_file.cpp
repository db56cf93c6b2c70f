#include "platform/mapped_file.h"

#include <fstream>
#include <new>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#define ZOR_MAPS_FILES 1
#endif

namespace zor {

#ifdef ZOR_MAPS_FILES
std::unique_ptr<MappedFile> MappedFile::open(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat status {};
  std::unique_ptr<MappedFile> file;
  if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
    int flags = MAP_PRIVATE;
#ifdef MAP_POPULATE
    // All pages at once: one call instead of a fault per page.
    flags |= MAP_POPULATE;
#endif
    const auto size = static_cast<size_t>(status.st_size);
    void* mapping = mmap(nullptr, size, PROT_READ, flags, fd, 0);
    if (mapping != MAP_FAILED) {
      file.reset(new MappedFile);
      file->mapping_ = mapping;
      file->bytes_ = std::span(static_cast<const std::byte*>(mapping), size);
    }
  }
  ::close(fd);
  return file;
}

MappedFile::~MappedFile() {
  if (mapping_) munmap(mapping_, bytes_.size());
}
#else
constexpr std::align_val_t kAlignment{64};

std::unique_ptr<MappedFile> MappedFile::open(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return nullptr;
  const std::streamoff size = in.tellg();
  if (size <= 0) return nullptr;
  std::unique_ptr<MappedFile> file(new MappedFile);
  file->mapping_ = ::operator new(static_cast<size_t>(size), kAlignment);
  file->bytes_ = std::span(static_cast<const std::byte*>(file->mapping_), static_cast<size_t>(size));
  in.seekg(0);
  if (!in.read(static_cast<char*>(file->mapping_), size)) return nullptr;
  return file;
}

MappedFile::~MappedFile() { ::operator delete(mapping_, kAlignment); }
#endif

}  // namespace zor
