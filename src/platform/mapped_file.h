#pragma once
// A whole file's bytes, read-only, starting at a multiple of 64 bytes in
// memory. Where the system can, they are mapped from its file cache, not
// copied: a file of hundreds of megabytes that the system holds already is
// ready in milliseconds.
#include <cstddef>
#include <filesystem>
#include <memory>
#include <span>

namespace zor {

class MappedFile {
 public:
  // Null when the file cannot be opened, mapped or read.
  static std::unique_ptr<MappedFile> open(const std::filesystem::path& path);
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  ~MappedFile();

  std::span<const std::byte> bytes() const { return bytes_; }

 private:
  MappedFile() = default;

  std::span<const std::byte> bytes_;
  void* mapping_ = nullptr;  // what the system mapped, if it did, or the bytes read
};

}  // namespace zor
