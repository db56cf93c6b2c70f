#include "platform/encoding.h"

#include <iconv.h>

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
class Converter {
 public:
  Converter(const char* to, const char* from, bool input_is_utf8)
      : cd_(iconv_open(to, from)), input_is_utf8_(input_is_utf8) {}
  ~Converter() {
    if (usable()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  std::string convert(std::string_view input) const;

 private:
  bool usable() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  iconv_t cd_;
  bool input_is_utf8_;
};

// iconv stops at an unconvertible character; the policy is to put "?" in its
// place and go on after the offending input.
std::string Converter::convert(std::string_view input) const {
  // Both encodings agree on ASCII, which most names and messages are.
  if (!usable() || is_ascii(input)) return std::string(input);
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
    // EILSEQ or EINVAL: replace one character (one UTF-8 sequence, or one byte).
    *out++ = '?';
    --out_left;
    size_t skip = 1;
    if (input_is_utf8_) {
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
  thread_local const Converter converter("WINDOWS-1250", "UTF-8", true);
  return converter.convert(utf8);
}

std::string from_cp1250(std::string_view cp1250) {
  thread_local const Converter converter("UTF-8", "WINDOWS-1250", false);
  return converter.convert(cp1250);
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
