#pragma once
// Bytes handed from one thread to another in blocks, as a file would carry
// them: a run that writes a table lets another thread read its rows while
// they are written, with no file between. A few blocks at most are held;
// the writer waits while the reader is that far behind.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>

namespace zor {

class ByteStream {
 public:
  explicit ByteStream(size_t block_bytes = size_t{1} << 20, size_t held_blocks = 8);
  ByteStream(const ByteStream&) = delete;
  ByteStream& operator=(const ByteStream&) = delete;

  // The writer's: appends bytes; close() ends them.
  void write(std::string_view bytes);
  void close();
  // The reader's: up to `count` bytes, fewer only at the end; waits for them.
  size_t read(char* into, size_t count);
  // The reader gives up: what is written from now on is dropped, and the
  // writer never waits again.
  void abandon();

 private:
  void hand_over();

  const size_t block_bytes_, held_blocks_;
  std::string filling_;  // the writer's own
  std::string reading_;  // the reader's own
  size_t read_at_ = 0;

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::string> full_;
  bool closed_ = false, abandoned_ = false;
};

}  // namespace zor
