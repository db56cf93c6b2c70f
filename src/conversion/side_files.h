#pragma once
// The label, pitch-mark and text files of a recording as read from the disk,
// before any check: a conversion reads the sets to come on a second core
// while it converts the current one, opening and reading three small files
// being most of a recording's cost.
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "conversion/file_set.h"
#include "platform/file_io.h"

namespace zor {

// The largest pitch-mark file a set may have: far above any sentence's.
inline constexpr std::uint64_t kMaxPitchFileBytes = std::uint64_t{64} << 20;

struct SideFile {
  bool read = false;
  std::string bytes;
  InputError error;
};

struct SideFiles {
  bool label_and_pitch_exist = false;
  SideFile label, pitch, text;
};

SideFiles read_side_files(const FileSet& files);

// Reads the side files of a list of recordings, in order, a few ahead of the
// one taken.
class SideFilesAhead {
 public:
  explicit SideFilesAhead(std::vector<FileSet> sets);
  ~SideFilesAhead();
  SideFilesAhead(const SideFilesAhead&) = delete;
  SideFilesAhead& operator=(const SideFilesAhead&) = delete;

  // The files of the next set of the list; nullopt when they could not be
  // read ahead, and are to be read now.
  std::optional<SideFiles> take();

 private:
  void read_ahead();

  // Enough to ride over a slow file, few enough to hold little memory.
  static constexpr size_t kAhead = 16;
  static constexpr size_t kRefillAt = kAhead / 2;

  const std::vector<FileSet> sets_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::optional<SideFiles>> ready_;
  size_t taken_ = 0;
  bool stopping_ = false;
  std::thread reader_;
};

}  // namespace zor
