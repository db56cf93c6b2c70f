#pragma once
// Writes the pieces of a large output on a thread of its own: the system's
// copying of each piece into the file goes on while the next one is made,
// instead of after it. A maker that outruns the file waits for it, so only a
// few pieces are ever held.
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/file_io.h"

namespace zor {

class PieceWriter {
 public:
  // The file must stay open, and untouched by others, until finish().
  explicit PieceWriter(TextFileWriter& file);
  ~PieceWriter();
  PieceWriter(const PieceWriter&) = delete;
  PieceWriter& operator=(const PieceWriter&) = delete;

  // Hands over a piece whose line ends are CR LF already; gives back an
  // empty buffer for the next one, with the memory of a piece written before.
  std::string write(std::string piece);
  // Returns when every piece handed over has been written.
  void finish();

 private:
  void write_pieces();

  TextFileWriter& file_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::string> waiting_;
  std::vector<std::string> spare_;
  bool writing_ = false;
  bool stopping_ = false;
  std::thread writer_;
};

}  // namespace zor
