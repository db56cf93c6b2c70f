#pragma once
// Asks the system to start writing a file's new text to the disk a few
// megabytes behind the writer, instead of all of it at once later. A file
// that replaces another by renaming is flushed by the file system at the
// renaming (ext4 does, so that a crash never leaves an empty file): for a
// report of gigabytes that took a second of the run at its end, where
// written behind the writer it overlaps the rest of the work.
#include <cstdint>
#include <cstdio>

namespace zor {

class WriteBehind {
 public:
  // Nothing is asked where the system has no such request.
  explicit WriteBehind(std::FILE* file);
  // After the first `bytes` of the file have been written.
  void written(std::uint64_t bytes);

 private:
  int descriptor_ = -1;
  std::uint64_t started_ = 0;  // the bytes whose writing was asked for
};

}  // namespace zor
