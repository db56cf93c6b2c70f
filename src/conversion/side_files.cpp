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
  for (const FileSet& set : sets_) {
    {
      // Once the sets ahead are full, refilled from half: waking for every
      // set taken cost both cores a switch per recording.
      std::unique_lock lock(mutex_);
      if (ready_.size() >= kAhead) changed_.wait(lock, [&] { return stopping_ || ready_.size() <= kRefillAt; });
      if (stopping_) return;
    }
    std::optional<SideFiles> files;
    try {
      files = read_side_files(set);
    } catch (const std::exception&) {
      // Left to the taker, which reads the set itself and meets the problem there.
    }
    bool was_empty;
    {
      std::lock_guard lock(mutex_);
      ready_.push_back(std::move(files));
      was_empty = ready_.size() == 1;
    }
    // Only an empty queue keeps the taker waiting.
    if (was_empty) changed_.notify_all();
  }
}

std::optional<SideFiles> SideFilesAhead::take() {
  std::unique_lock lock(mutex_);
  if (taken_ >= sets_.size()) return std::nullopt;
  changed_.wait(lock, [&] { return !ready_.empty(); });
  std::optional<SideFiles> files = std::move(ready_.front());
  ready_.pop_front();
  ++taken_;
  if (ready_.size() == kRefillAt) changed_.notify_all();
  return files;
}

}  // namespace zor
