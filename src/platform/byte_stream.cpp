#include "platform/byte_stream.h"

#include <algorithm>
#include <cstring>

namespace zor {

ByteStream::ByteStream(size_t held_bytes, std::chrono::milliseconds patience)
    : held_bytes_(std::max<size_t>(held_bytes, 1)), patience_(patience) {}

void ByteStream::write(std::string_view bytes) {
  filling_.append(bytes);
  if (filling_.size() < kBlockBytes) return;
  hand_over(std::move(filling_));
  filling_ = spare_block();
}

void ByteStream::pass(std::string& block) {
  if (!filling_.empty()) {
    hand_over(std::move(filling_));
    filling_ = spare_block();
  }
  hand_over(std::move(block));
  block = spare_block();
}

void ByteStream::hand_over(std::string&& block) {
  if (block.empty()) return;
  {
    std::unique_lock lock(mutex_);
    // One block is taken whatever its size, so that any block gets through.
    const bool room = changed_.wait_for(lock, patience_, [&] {
      return abandoned_ || full_.empty() || full_bytes_ + block.size() <= held_bytes_;
    });
    if (!room) {
      lock.unlock();
      abandon();
      return;
    }
    if (abandoned_) return;
    full_bytes_ += block.size();
    full_.push_back(std::move(block));
  }
  changed_.notify_all();
}

std::string ByteStream::spare_block() {
  std::string block;
  {
    std::lock_guard lock(mutex_);
    if (!spare_.empty()) {
      block = std::move(spare_.back());
      spare_.pop_back();
    }
  }
  block.clear();
  return block;
}

void ByteStream::close() {
  hand_over(std::move(filling_));
  filling_.clear();
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
      if (reading_.capacity() > 0) spare_.push_back(std::move(reading_));
      reading_ = std::move(full_.front());
      full_.pop_front();
      full_bytes_ -= reading_.size();
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

bool ByteStream::whole() {
  std::lock_guard lock(mutex_);
  return closed_ && !abandoned_;
}

void ByteStream::abandon() {
  {
    std::lock_guard lock(mutex_);
    abandoned_ = true;
    full_.clear();
    full_bytes_ = 0;
  }
  changed_.notify_all();
}

}  // namespace zor
