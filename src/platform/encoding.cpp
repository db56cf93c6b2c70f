#include "platform/encoding.h"

#include <iconv.h>

#include <cerrno>

namespace zor {
namespace {

// iconv stops at an unconvertible character; the caller's policy is to put
// "?" in its place and go on after the offending input.
std::string convert(std::string_view input, const char* to, const char* from,
                    bool input_is_utf8) {
  std::string output;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(input);
  output.reserve(input.size() * 2);
  char* in = const_cast<char*>(input.data());
  size_t in_left = input.size();
  char buffer[4096];
  while (in_left > 0) {
    char* out = buffer;
    size_t out_left = sizeof buffer;
    size_t rc = iconv(cd, &in, &in_left, &out, &out_left);
    output.append(buffer, out - buffer);
    if (rc != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: replace one character (one UTF-8 sequence, or one byte).
    output.push_back('?');
    size_t skip = 1;
    if (input_is_utf8) {
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
  iconv_close(cd);
  return output;
}

}  // namespace

std::string to_cp1250(std::string_view utf8) {
  return convert(utf8, "WINDOWS-1250", "UTF-8", true);
}

std::string from_cp1250(std::string_view cp1250) {
  return convert(cp1250, "UTF-8", "WINDOWS-1250", false);
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
