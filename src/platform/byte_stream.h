#pragma once
// Bytes handed from one thread to another in blocks, as a file would carry
// them: a run that writes a table lets another thread read its rows while
// they are written, with no file between. A few megabytes at most are
// held; the writer waits while the reader is that far behind, but not
// longer than its patience: a reader that falls behind for that long is
// given up, and the writer goes on alone.
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace zor {

class ByteStream {
 public:
  explicit ByteStream(size_t held_bytes = size_t{16} << 20,
                      std::chrono::milliseconds patience = std::chrono::seconds(1));
  ByteStream(const ByteStream&) = delete;
  ByteStream& operator=(const ByteStream&) = delete;

  // The writer's: appends bytes; close() ends them.
  void write(std::string_view bytes);
  // Appends the block's bytes without copying them; the block comes back
  // empty, with room of one that was read through.
  void pass(std::string& block);
  void close();
  // The reader's: up to `count` bytes, fewer only at the end; waits for them.
  size_t read(char* into, size_t count);
  // Gives the reader up: what is written from now on is dropped, the writer
  // never waits again, and the reader finds the end.
  void abandon();
  // After the end: whether the reader got every byte written, up to close().
  bool whole();

 private:
  static constexpr size_t kBlockBytes = size_t{1} << 20;
  void hand_over(std::string&& block);
  std::string spare_block();

  const size_t held_bytes_;
  const std::chrono::milliseconds patience_;
  std::string filling_;  // the writer's own
  std::string reading_;  // the reader's own
  size_t read_at_ = 0;

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::string> full_;
  size_t full_bytes_ = 0;
  // Blocks read through, for the writer to fill again: memory the system
  // has handed out once, not fresh pages at every block.
  std::vector<std::string> spare_;
  bool closed_ = false, abandoned_ = false;
};

}  // namespace zor
