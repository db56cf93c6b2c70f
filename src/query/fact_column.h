#pragma once
// An array of corpus facts that is either the corpus's own, built from the
// tables, or a view into a corpus kept from an earlier run, which is mapped
// into memory, not copied: the searches read it alike either way.
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

namespace zor {

template <class T>
class FactColumn {
 public:
  FactColumn() = default;
  explicit FactColumn(std::vector<T>&& own) : own_(std::move(own)), items_(own_) {}
  // The items must outlive the column.
  static FactColumn view_of(std::span<const T> items) {
    FactColumn column;
    column.items_ = items;
    return column;
  }
  // A moved vector keeps its buffer, so the view stays valid.
  FactColumn(FactColumn&& other) noexcept : own_(std::move(other.own_)), items_(std::exchange(other.items_, {})) {}
  FactColumn& operator=(FactColumn&& other) noexcept {
    own_ = std::move(other.own_);
    items_ = std::exchange(other.items_, {});
    return *this;
  }
  FactColumn(const FactColumn&) = delete;
  FactColumn& operator=(const FactColumn&) = delete;

  const T* data() const { return items_.data(); }
  size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  const T& operator[](size_t index) const { return items_[index]; }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }
  std::span<const T> span() const { return items_; }
  operator std::span<const T>() const { return items_; }

 private:
  std::vector<T> own_;
  std::span<const T> items_;
};

}  // namespace zor
