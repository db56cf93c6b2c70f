#include "annotation/text_decoding.h"

#include "platform/encoding.h"

namespace zor {
namespace {

bool starts_with_bytes(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

std::string to_utf8(std::string_view bytes) {
  if (starts_with_bytes(bytes, "\xFE\xFF")) return utf16_to_utf8(bytes.substr(2), true);
  if (starts_with_bytes(bytes, "\xFF\xFE")) return utf16_to_utf8(bytes.substr(2), false);
  // A broken file that claims UTF-8 is read as 8-bit all the same, so that
  // what it yields is always valid UTF-8.
  if (starts_with_bytes(bytes, "\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (is_valid_utf8(bytes)) return std::string(bytes);
  return from_cp1250(bytes);
}

}  // namespace

std::string text_as_read(std::string text) {
  if (size_t zero = text.find('\0'); zero != std::string::npos) text.resize(zero);
  if (text.find('\r') == std::string::npos) return text;
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      result.push_back(text[i]);
    } else {
      result.push_back('\n');
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
  }
  return result;
}

std::string decode_text_file(std::string_view bytes) { return text_as_read(to_utf8(bytes)); }

}  // namespace zor
