#pragma once
// Where in a block of sixteen bytes a row reader's bytes of interest stand,
// one bit per byte (bit i for byte i): the fields of a table are a few bytes
// long, so a byte-by-byte look costs a step per byte where this costs a few
// per block.
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64)
#include <emmintrin.h>
#define ZOR_BYTE_MASKS_SSE2 1
#endif

namespace zor {

constexpr size_t kMaskBlock = 16;

struct ByteMasks {
  std::uint32_t separators = 0;
  std::uint32_t lfs = 0;
  std::uint32_t escapes = 0;  // backslashes, CRs and zero bytes: the bytes a plain reading cannot take
};

// Eight bytes at a time in a 64-bit word, on any machine.
inline ByteMasks byte_masks_portable(const char* bytes, char separator) {
  constexpr std::uint64_t kLows = 0x7F7F7F7F7F7F7F7Full;
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  // One bit per byte equal to `c`, exact for every byte (no borrow crosses
  // bytes, as the high bit is kept out of the addition), gathered into bits
  // 0..7 by the multiplication.
  auto equal = [](std::uint64_t word, unsigned char c) {
    const std::uint64_t x = word ^ (kOnes * c);
    const std::uint64_t zero_highs = ~(((x & kLows) + kLows) | x | kLows);
    return static_cast<std::uint32_t>(((zero_highs >> 7) * 0x0102040810204080ull) >> 56);
  };
  ByteMasks masks;
  for (size_t half = 0; half < 2; ++half) {
    // Byte i in bits 8i..8i+7 on any machine; compilers make this one load.
    std::uint64_t word = 0;
    for (size_t i = 0; i < 8; ++i)
      word |= std::uint64_t{static_cast<unsigned char>(bytes[8 * half + i])} << (8 * i);
    const auto shift = static_cast<unsigned>(8 * half);
    masks.separators |= equal(word, static_cast<unsigned char>(separator)) << shift;
    masks.lfs |= equal(word, '\n') << shift;
    masks.escapes |= (equal(word, '\\') | equal(word, '\r') | equal(word, '\0')) << shift;
  }
  return masks;
}

// The same, with the machine's vector compares where it has them.
inline ByteMasks byte_masks(const char* bytes, char separator) {
#ifdef ZOR_BYTE_MASKS_SSE2
  const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
  auto equal = [&block](char c) { return _mm_cmpeq_epi8(block, _mm_set1_epi8(c)); };
  auto bits = [](__m128i lanes) { return static_cast<std::uint32_t>(_mm_movemask_epi8(lanes)); };
  return {bits(equal(separator)), bits(equal('\n')),
          bits(_mm_or_si128(_mm_or_si128(equal('\\'), equal('\r')), equal('\0')))};
#else
  return byte_masks_portable(bytes, separator);
#endif
}

constexpr size_t kWideMaskBlock = 64;

struct WideByteMasks {
  std::uint64_t separators = 0;
  std::uint64_t lfs = 0;
  std::uint64_t escapes = 0;
};

// The masks of sixty-four bytes, for a reader that walks many rows at once.
inline WideByteMasks wide_byte_masks(const char* bytes, char separator) {
  WideByteMasks wide;
  for (size_t block = 0; block < kWideMaskBlock / kMaskBlock; ++block) {
    const ByteMasks masks = byte_masks(bytes + block * kMaskBlock, separator);
    const auto shift = static_cast<unsigned>(block * kMaskBlock);
    wide.separators |= std::uint64_t{masks.separators} << shift;
    wide.lfs |= std::uint64_t{masks.lfs} << shift;
    wide.escapes |= std::uint64_t{masks.escapes} << shift;
  }
  return wide;
}

}  // namespace zor
