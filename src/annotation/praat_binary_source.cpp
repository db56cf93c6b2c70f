#include "annotation/praat_binary_source.h"

#include <bit>
#include <cstdint>

#include "annotation/text_decoding.h"
#include "platform/encoding.h"

namespace zor {
namespace {

std::uint64_t big_endian(std::string_view bytes) {
  std::uint64_t value = 0;
  for (char byte : bytes) value = (value << 8) | static_cast<unsigned char>(byte);
  return value;
}

bool is_ascii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

std::string PraatBinarySource::place() const { return std::to_string(position_) + ". bájt"; }

bool PraatBinarySource::take(size_t count, std::string_view& taken) {
  if (bytes_left() < count) return fail("a fájl idő előtt véget ér");
  taken = bytes_.substr(position_, count);
  position_ += count;
  return true;
}

bool PraatBinarySource::unsigned16(unsigned& value) {
  std::string_view bytes;
  if (!take(2, bytes)) return false;
  value = static_cast<unsigned>(big_endian(bytes));
  return true;
}

bool PraatBinarySource::real(double& value) {
  std::string_view bytes;
  if (!take(8, bytes)) return false;
  value = std::bit_cast<double>(big_endian(bytes));
  return true;
}

bool PraatBinarySource::integer(std::int64_t& value) {
  std::string_view bytes;
  if (!take(4, bytes)) return false;
  value = static_cast<std::int32_t>(static_cast<std::uint32_t>(big_endian(bytes)));
  return true;
}

bool PraatBinarySource::existence(bool& exists) {
  std::string_view byte;
  if (!take(1, byte)) return false;
  if (byte[0] != 0 && byte[0] != 1) return fail("hibás <exists>/<absent> bájt");
  exists = byte[0] == 1;
  return true;
}

bool PraatBinarySource::class_name(std::string& name) {
  std::string_view length, bytes;
  if (!take(1, length) || !take(static_cast<unsigned char>(length[0]), bytes)) return false;
  name = std::string(bytes);
  return true;
}

bool PraatBinarySource::text(std::string& utf8) {
  unsigned length = 0;
  if (!unsigned16(length)) return false;
  std::string_view bytes;
  if (length != 0xFFFF) {
    if (!take(length, bytes)) return false;
    // Praat itself writes only ASCII this way; other bytes are taken to be
    // Windows-1250, as in 8-bit text files.
    utf8 = text_as_read(is_ascii(bytes) ? std::string(bytes) : from_cp1250(bytes));
    return true;
  }
  unsigned characters = 0;
  if (!unsigned16(characters)) return false;
  // The count is of characters: one beyond U+FFFF takes a surrogate pair.
  const size_t start = position_;
  for (unsigned i = 0; i < characters; ++i) {
    unsigned unit = 0;
    if (!unsigned16(unit)) return false;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      unsigned low = 0;
      if (!unsigned16(low)) return false;
      if (low < 0xDC00 || low > 0xDFFF) return fail("hibás UTF-16 karakterpár");
    }
  }
  utf8 = text_as_read(utf16_to_utf8(bytes_.substr(start, position_ - start), true));
  return true;
}

}  // namespace zor
