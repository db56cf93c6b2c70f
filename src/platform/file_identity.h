#pragma once
// A file told apart from every other file, and from itself after any change,
// without reading it: where it lives, its size, and when its bytes and its
// entry last changed. The entry's change time cannot be set back by any
// program, so a file whose identity stays the same was not written to in
// between; that holds only once the file is older than the coarsest step of
// the file system's clock, which is what settled_since() tells.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zor {

struct FileIdentity {
  std::uint64_t device = 0, inode = 0, bytes = 0;
  std::int64_t modified_ns = 0, changed_ns = 0;  // since the epoch of the system clock

  bool operator==(const FileIdentity&) const = default;

  // Whether the file last changed at least `margin` before `moment`.
  bool settled_since(std::chrono::system_clock::time_point moment, std::chrono::nanoseconds margin) const;
};

// Nullopt where the system tells no such identity (Windows here), or when
// the file cannot be looked at.
std::optional<FileIdentity> file_identity(std::string_view cp1250_path);

// The coarsest step of the clock by which the file system that holds the
// file stamps its times, where it is known to be short: Linux's local file
// systems stamp them from the kernel's clock, which steps every few
// milliseconds. Nullopt for any other file system (a network one, FAT with
// its two seconds) and where the system does not tell.
std::optional<std::chrono::nanoseconds> clock_step(std::string_view cp1250_path);

}  // namespace zor
