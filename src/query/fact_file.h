#pragma once
// A file of fact sections, as a query corpus is kept between runs: each
// section is a run of fixed-size items or texts, with its length and a
// checksum of its bytes, and starts at a multiple of 64 bytes, so that a
// mapped file is read in place.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/file_io.h"
#include "query/fact_column.h"

namespace zor {

class FactFileWriter {
 public:
  // Writes at the file's start.
  explicit FactFileWriter(TextFileWriter& file) : file_(file) {}

  template <class T>
  void put(std::span<const T> items) {
    static_assert(std::is_trivially_copyable_v<T>);
    put_bytes(std::as_bytes(items));
  }
  template <class T>
  void put_value(const T& value) {
    put(std::span<const T>(&value, 1));
  }
  // Two sections: the texts' lengths and their bytes.
  void put_texts(std::span<const std::string_view> texts);

 private:
  void put_bytes(std::span<const std::byte> bytes);

  TextFileWriter& file_;
  std::uint64_t written_ = 0;
};

class FactFileReader {
 public:
  // Finds the sections of `bytes`, which start at a multiple of 64 bytes in
  // memory. The bytes must outlive what is read from them.
  explicit FactFileReader(std::span<const std::byte> bytes);
  // Whether every section is as it was written, by its checksum, and the
  // padding between them zeros; the sections are checked on two cores.
  bool unchanged() const;
  // Whether every section so far was whole and of the size asked for.
  bool intact() const { return intact_; }
  bool at_end() const { return next_ == sections_.size(); }

  // The next section as items, viewed in place; empty, and no longer
  // intact, when it is missing or its bytes are not a whole number of items.
  template <class T>
  FactColumn<T> column() {
    static_assert(std::is_trivially_copyable_v<T>);
    const std::span<const std::byte> bytes = next_bytes(alignof(T));
    if (bytes.size() % sizeof(T) != 0) intact_ = false;
    if (!intact_) return {};
    return FactColumn<T>::view_of(
        std::span(reinterpret_cast<const T*>(bytes.data()), bytes.size() / sizeof(T)));
  }
  // A section of exactly one item; `fallback` when it is not.
  template <class T>
  T value(T fallback = {}) {
    const FactColumn<T> items = column<T>();
    if (items.size() != 1) intact_ = false;
    return intact_ ? items[0] : fallback;
  }
  // What put_texts() wrote.
  std::vector<std::string_view> texts();

 private:
  std::span<const std::byte> next_bytes(size_t alignment);

  std::vector<std::span<const std::byte>> sections_;
  std::vector<std::uint64_t> checksums_;
  std::vector<std::span<const std::byte>> paddings_;  // each must be zeros
  size_t next_ = 0;
  bool intact_ = true;
};

}  // namespace zor
