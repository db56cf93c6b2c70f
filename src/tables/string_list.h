#pragma once
// Ordered lists addressed by 1-based position, with a current item. A list
// only grows at its end until it is cleared. Positions stay valid, and so do
// references to items, while the list grows.
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace zor {

// The positioning both lists share: position 0 only while the list has no
// items, the first append makes item 1 current, later appends leave the
// cursor alone, and a successful lookup makes its item current.
template <class Item>
class PositionedList {
 public:
  int count() const { return static_cast<int>(items_.size()); }
  bool is_empty() const { return position_ == 0; }
  int position() const { return position_; }
  void clear() {
    items_.clear();
    position_ = 0;
  }

 protected:
  Item& append_item(Item item) {
    items_.push_back(std::move(item));
    if (position_ == 0) position_ = 1;
    return items_.back();
  }
  // The item at n, made current; null when n is not a position.
  Item* seek(int n) {
    if (position_ == 0 || n < 1 || n > count()) return nullptr;
    position_ = n;
    return &items_[static_cast<size_t>(n - 1)];
  }

 private:
  std::deque<Item> items_;
  int position_ = 0;
};

// Owned strings; an item may hold no string at all (a missing value, not "").
class StringList : public PositionedList<std::optional<std::string>> {
 public:
  using Text = std::optional<std::string_view>;

  void append(Text text);
  // The item's text, nullopt for a missing value or a position out of range.
  Text get(int n);
  bool set(int n, Text text);
  // The first position whose text equals `text` (a missing value counts as
  // ""), 0 when none. Leaves the cursor on the last item it tried.
  int find(std::string_view text);
};

// Owned string lists, the rows of a table built item by item.
class StringRowList : public PositionedList<StringList> {
 public:
  // Appends a new, empty list and hands it back.
  StringList& append() { return append_item(StringList()); }
  StringList* get(int n) { return seek(n); }
};

}  // namespace zor
