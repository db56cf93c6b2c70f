#include "platform/byte_stream.h"

#include <algorithm>
#include <cstring>

namespace zor {

ByteStream::ByteStream(size_t block_bytes, size_t held_blocks)
    : block_bytes_(std::max<size_t>(block_bytes, 1)), held_blocks_(std::max<size_t>(held_blocks, 1)) {}

void ByteStream::write(std::string_view bytes) {
  filling_.append(bytes);
  if (filling_.size() >= block_bytes_) hand_over();
}

void ByteStream::hand_over() {
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return abandoned_ || full_.size() < held_blocks_; });
    if (!abandoned_) full_.push_back(std::move(filling_));
  }
  changed_.notify_all();
  filling_ = std::string();
  filling_.reserve(block_bytes_ + block_bytes_ / 8);
}

void ByteStream::close() {
  if (!filling_.empty()) hand_over();
  {
    std::lock_guard lock(mutex_);
    closed_ = true;
  }
  changed_.notify_all();
}

size_t ByteStream::read(char* into, size_t count) {
  size_t got = 0;
  while (got < count) {
    if (read_at_ == reading_.size()) {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [&] { return !full_.empty() || closed_ || abandoned_; });
      if (full_.empty()) break;
      reading_ = std::move(full_.front());
      full_.pop_front();
      read_at_ = 0;
      lock.unlock();
      changed_.notify_all();
    }
    const size_t part = std::min(count - got, reading_.size() - read_at_);
    std::memcpy(into + got, reading_.data() + read_at_, part);
    read_at_ += part;
    got += part;
  }
  return got;
}

void ByteStream::abandon() {
  {
    std::lock_guard lock(mutex_);
    abandoned_ = true;
    full_.clear();
  }
  changed_.notify_all();
}

}  // namespace zor
