#include "tables/text_buffer.h"

#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace zor {

TextBuffer::~TextBuffer() { std::free(data_); }

void TextBuffer::reserve(size_t capacity) {
  capacity = std::max(capacity, size_);
  if (capacity == capacity_) return;
  if (capacity == 0) {
    reset();
    return;
  }
  // realloc shrinks a large block in place, releasing its tail pages.
  void* grown = std::realloc(data_, capacity);
  if (!grown) throw std::bad_alloc();
  data_ = static_cast<char*>(grown);
  capacity_ = capacity;
}

void TextBuffer::resize_for_overwrite(size_t size) {
  if (size > capacity_) reserve(size);
  size_ = size;
}

void TextBuffer::shrink_to_fit() { reserve(size_); }

void TextBuffer::append(std::string_view bytes) {
  if (bytes.empty()) return;
  if (size_ + bytes.size() > capacity_) reserve(std::max(size_ + bytes.size(), capacity_ * 2));
  std::memcpy(data_ + size_, bytes.data(), bytes.size());
  size_ += bytes.size();
}

void TextBuffer::reset() {
  std::free(data_);
  data_ = nullptr;
  size_ = capacity_ = 0;
}

void TextBuffer::swap(TextBuffer& other) noexcept {
  std::swap(data_, other.data_);
  std::swap(size_, other.size_);
  std::swap(capacity_, other.capacity_);
}

}  // namespace zor
