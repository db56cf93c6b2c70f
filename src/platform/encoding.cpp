#include "platform/encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace zor {
namespace {

bool is_ascii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// One conversion descriptor per direction, opened on first use: opening one
// costs far more than converting a file name.
// How the input is cut into characters, for skipping one that cannot be
// converted and for knowing when the input is plain ASCII.
enum class InputUnits { utf8, single_byte, utf16 };

class Converter {
 public:
  Converter(const char* to, const char* from, InputUnits units)
      : cd_(iconv_open(to, from)), units_(units) {}
  ~Converter() {
    if (usable()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  std::string convert(std::string_view input) const;

 private:
  bool usable() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  iconv_t cd_;
  InputUnits units_;
};

// iconv stops at an unconvertible character; the policy is to put "?" in its
// place and go on after the offending input.
std::string Converter::convert(std::string_view input) const {
  // The byte encodings agree on ASCII, which most names and messages are.
  if (!usable() || (units_ != InputUnits::utf16 && is_ascii(input))) return std::string(input);
  iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
  std::string output(input.size() * 4 + 4, '\0');
  char* in = const_cast<char*>(input.data());
  size_t in_left = input.size();
  char* out = output.data();
  size_t out_left = output.size();
  while (in_left > 0) {
    size_t rc = iconv(cd_, &in, &in_left, &out, &out_left);
    if (rc != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) {
      // Cannot happen with four output bytes per input byte; grow all the same.
      size_t used = static_cast<size_t>(out - output.data());
      output.resize(output.size() * 2);
      out = output.data() + used;
      out_left = output.size() - used;
      continue;
    }
    // EILSEQ or EINVAL: replace one character (one UTF-8 sequence, one UTF-16
    // unit such as a lone surrogate, or one byte).
    *out++ = '?';
    --out_left;
    size_t skip = units_ == InputUnits::utf16 ? std::min<size_t>(2, in_left) : 1;
    if (units_ == InputUnits::utf8) {
      auto lead = static_cast<unsigned char>(*in);
      size_t expected = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
      while (skip < expected && skip < in_left &&
             (static_cast<unsigned char>(in[skip]) & 0xC0) == 0x80) {
        ++skip;
      }
    }
    in += skip;
    in_left -= skip;
  }
  output.resize(static_cast<size_t>(out - output.data()));
  return output;
}

}  // namespace

std::string to_cp1250(std::string_view utf8) {
  thread_local const Converter converter("WINDOWS-1250", "UTF-8", InputUnits::utf8);
  return converter.convert(utf8);
}

std::string from_cp1250(std::string_view cp1250) {
  thread_local const Converter converter("UTF-8", "WINDOWS-1250", InputUnits::single_byte);
  return converter.convert(cp1250);
}

std::string utf16_to_utf8(std::string_view bytes, bool big_endian) {
  // The byte order is named, so iconv neither expects nor drops a BOM.
  thread_local const Converter big("UTF-8", "UTF-16BE", InputUnits::utf16);
  thread_local const Converter little("UTF-8", "UTF-16LE", InputUnits::utf16);
  return (big_endian ? big : little).convert(bytes);
}

bool is_valid_utf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    size_t length = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      value = lead & 0x07;
    } else {
      return false;
    }
    if (text.size() - i < length) return false;
    for (size_t k = 1; k < length; ++k) {
      auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      value = (value << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values beyond U+10FFFF are no UTF-8.
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
      return false;
    i += length;
  }
  return true;
}

std::string native_file_name(std::string_view cp1250_path) {
#ifdef _WIN32
  return std::string(cp1250_path);  // the ANSI file API takes the code page as is
#else
  return from_cp1250(cp1250_path);
#endif
}

std::string from_native_file_name(std::string_view native_path) {
#ifdef _WIN32
  return std::string(native_path);
#else
  return to_cp1250(native_path);
#endif
}

}  // namespace zor
