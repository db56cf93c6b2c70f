#pragma once
// A growable byte buffer for a table's whole text. Unlike std::string it can
// be sized without filling it first (a file is read straight into it) and
// shrunk without a copy, so a loaded table holds one copy of its file and no
// more memory than its text needs.
#include <cstddef>
#include <string_view>

namespace zor {

class TextBuffer {
 public:
  TextBuffer() = default;
  TextBuffer(const TextBuffer&) = delete;
  TextBuffer& operator=(const TextBuffer&) = delete;
  TextBuffer(TextBuffer&& other) noexcept { swap(other); }
  TextBuffer& operator=(TextBuffer&& other) noexcept {
    TextBuffer gone(std::move(other));
    swap(gone);
    return *this;
  }
  ~TextBuffer();

  char* data() { return data_; }
  const char* data() const { return data_; }
  size_t size() const { return size_; }
  size_t capacity() const { return capacity_; }

  // Sets the size; bytes beyond the old size are uninitialised.
  void resize_for_overwrite(size_t size);
  // Gives the unused capacity back.
  void shrink_to_fit();
  void append(std::string_view bytes);
  void reset();
  // Sets the capacity, at least the size.
  void reserve(size_t capacity);

 private:
  void swap(TextBuffer& other) noexcept;

  char* data_ = nullptr;
  size_t size_ = 0;
  size_t capacity_ = 0;
};

}  // namespace zor
