#pragma once
// Pieces of hit lines, all of one size, shared by the searches of a run. A
// piece that was written out is filled again by a later search, so that a
// run touches fresh memory only for the most lines it holds at once, not for
// every buffer that grew to its largest specification.
#include <cstddef>
#include <mutex>
#include <vector>

#include "tables/text_buffer.h"

namespace zor {

class LinePieces {
 public:
  static constexpr size_t kPieceBytes = size_t{1} << 20;

  // An empty piece with room for kPieceBytes bytes.
  TextBuffer take();
  // The pieces back, for later searches.
  void give_back(std::vector<TextBuffer> pieces);

 private:
  std::mutex mutex_;
  std::vector<TextBuffer> free_;
};

}  // namespace zor
