#pragma once
// A set of byte values 0 to 255.
#include <bitset>

namespace zor {

class CharSet {
 public:
  void clear() { bits_.reset(); }
  void add(unsigned char byte) { bits_.set(byte); }
  bool contains(unsigned char byte) const { return bits_.test(byte); }

 private:
  std::bitset<256> bits_;
};

}  // namespace zor
