#pragma once
// The values of a Praat binary file, after its "ooBinaryFile" mark: numbers
// big-endian (IEEE doubles, 32-bit integers), class names as a length byte
// and ASCII, texts as Praat's "w16": a 16-bit length and one byte for each
// character, or the length 0xFFFF, a 16-bit character count and UTF-16BE.
#include <string>
#include <string_view>

#include "annotation/grid_source.h"

namespace zor {

class PraatBinarySource : public GridSource {
 public:
  // `bytes` must outlive the source; `offset` is where the values start, and
  // counts in the places that reasons name.
  PraatBinarySource(std::string_view bytes, size_t offset) : bytes_(bytes), position_(offset) {}

  bool real(double& value) override;
  bool integer(std::int64_t& value) override;
  bool text(std::string& utf8) override;
  bool existence(bool& exists) override;
  bool class_name(std::string& name) override;

  size_t smallest_interval() const override { return 18; }
  size_t smallest_point() const override { return 10; }
  size_t smallest_tier() const override { return 31; }
  size_t bytes_left() const override { return bytes_.size() - position_; }
  std::string place() const override;

 private:
  // Takes `count` bytes; false (with the reason set) when fewer are left.
  bool take(size_t count, std::string_view& taken);
  bool unsigned16(unsigned& value);

  std::string_view bytes_;
  size_t position_;
};

}  // namespace zor
