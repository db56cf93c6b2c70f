#include "conversion/side_files.h"

#include <exception>
#include <filesystem>
#include <system_error>

#include "platform/encoding.h"

namespace zor {
namespace {

SideFile read_side_file(const std::string& path, std::uint64_t max_bytes) {
  SideFile file;
  file.read = read_file_bytes(path, file.bytes, max_bytes, &file.error);
  return file;
}

}  // namespace

SideFiles read_side_files(const FileSet& files) {
  SideFiles side;
  std::error_code error;
  side.label_and_pitch_exist = std::filesystem::exists(native_file_name(files.label_path), error) &&
                               std::filesystem::exists(native_file_name(files.pitch_path), error);
  side.label = read_side_file(files.label_path, kMaxInputBytes);
  side.pitch = read_side_file(files.pitch_path, kMaxPitchFileBytes);
  side.text = read_side_file(files.text_path, kMaxInputBytes);
  return side;
}

SideFilesAhead::SideFilesAhead(std::vector<FileSet> sets)
    : sets_(std::move(sets)), reader_([this] { read_ahead(); }) {}

SideFilesAhead::~SideFilesAhead() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  reader_.join();
}

void SideFilesAhead::read_ahead() {
  // Enough to ride over a slow file, few enough to hold little memory.
  constexpr size_t kAhead = 8;
  for (const FileSet& set : sets_) {
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [&] { return stopping_ || ready_.size() < kAhead; });
      if (stopping_) return;
    }
    std::optional<SideFiles> files;
    try {
      files = read_side_files(set);
    } catch (const std::exception&) {
      // Left to the taker, which reads the set itself and meets the problem there.
    }
    {
      std::lock_guard lock(mutex_);
      ready_.push_back(std::move(files));
    }
    changed_.notify_all();
  }
}

std::optional<SideFiles> SideFilesAhead::take() {
  std::unique_lock lock(mutex_);
  if (taken_ >= sets_.size()) return std::nullopt;
  changed_.wait(lock, [&] { return !ready_.empty(); });
  std::optional<SideFiles> files = std::move(ready_.front());
  ready_.pop_front();
  ++taken_;
  changed_.notify_all();
  return files;
}

}  // namespace zor
