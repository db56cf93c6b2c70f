#include "query/line_pieces.h"

#include <utility>

namespace zor {

TextBuffer LinePieces::take() {
  {
    std::lock_guard lock(mutex_);
    if (!free_.empty()) {
      TextBuffer piece = std::move(free_.back());
      free_.pop_back();
      return piece;
    }
  }
  TextBuffer piece;
  piece.reserve(kPieceBytes);
  return piece;
}

void LinePieces::give_back(std::vector<TextBuffer> pieces) {
  std::lock_guard lock(mutex_);
  for (TextBuffer& piece : pieces) {
    piece.resize_for_overwrite(0);
    free_.push_back(std::move(piece));
  }
}

}  // namespace zor
