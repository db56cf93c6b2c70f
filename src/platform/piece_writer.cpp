#include "platform/piece_writer.h"

namespace zor {
namespace {

// Pieces waiting to be written: enough to keep the file busy while the
// maker makes the next.
constexpr size_t kWaitingPieces = 2;

}  // namespace

PieceWriter::PieceWriter(TextFileWriter& file) : file_(file), writer_([this] { write_pieces(); }) {}

PieceWriter::~PieceWriter() {
  finish();
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  writer_.join();
}

std::string PieceWriter::write(std::string piece) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return waiting_.size() < kWaitingPieces; });
  if (!piece.empty()) waiting_.push_back(std::move(piece));
  changed_.notify_all();
  std::string next;
  if (!spare_.empty()) {
    next = std::move(spare_.back());
    spare_.pop_back();
  }
  next.clear();
  return next;
}

void PieceWriter::finish() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return waiting_.empty() && !writing_; });
}

void PieceWriter::write_pieces() {
  std::unique_lock lock(mutex_);
  while (true) {
    changed_.wait(lock, [&] { return stopping_ || !waiting_.empty(); });
    if (waiting_.empty()) return;
    std::string piece = std::move(waiting_.front());
    waiting_.pop_front();
    writing_ = true;
    lock.unlock();
    file_.write_crlf_text(piece);
    lock.lock();
    writing_ = false;
    spare_.push_back(std::move(piece));
    changed_.notify_all();
  }
}

}  // namespace zor
