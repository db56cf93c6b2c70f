#include "tables/row_parser.h"

#include <cstring>
#include <string_view>

#include "tables/text_utils.h"

namespace zor {
namespace {

// A column name as written: "\n" is an LF, "\\" one backslash, any other
// backslash stays together with the byte after it.
std::string unescape_name(std::string_view raw) {
  raw = up_to_zero(raw);
  std::string name;
  name.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\\' && i + 1 < raw.size() && (raw[i + 1] == 'n' || raw[i + 1] == '\\')) {
      name += raw[i + 1] == 'n' ? '\n' : '\\';
      ++i;
    } else {
      name += raw[i];
    }
  }
  return name;
}

}  // namespace

size_t parse_header(const char* bytes, size_t size, char separator, std::vector<std::string>& names) {
  size_t begin = 0;
  for (size_t at = 0; at < size; ++at) {
    if (bytes[at] == '\r' && at + 1 < size && bytes[at + 1] == '\n') continue;
    if (bytes[at] != '\n' && bytes[at] != separator) continue;
    size_t end = at;
    if (bytes[at] == '\n' && end > begin && bytes[end - 1] == '\r') --end;
    names.push_back(unescape_name(std::string_view(bytes + begin, end - begin)));
    begin = at + 1;
    if (bytes[at] == '\n') return begin;
  }
  return size;
}

RowParser::RowParser(char separator, size_t kept_columns) : separator_(separator), kept_(kept_columns) {
  for (char c : {'\n', '\r', '\\', '\0', separator}) special_[static_cast<unsigned char>(c)] = true;
}

RowParser::Row RowParser::parse(const char* in, size_t& at, size_t size, char* out, size_t& written,
                                std::vector<std::uint64_t>& ends) const {
  ends.clear();
  const size_t text_begin = written;
  size_t field_begin = written;
  size_t fields_ended = 0;
  // Bytes of a field beyond the columns, or after a zero byte, are read but
  // not kept.
  bool dropping = kept_ == 0;
  while (true) {
    {
      // Scanned first and moved as one block: the plain bytes are nearly
      // all of a table.
      size_t plain_end = at;
      while (plain_end < size && !special_[static_cast<unsigned char>(in[plain_end])]) ++plain_end;
      if (!dropping) {
        if (out + written != in + at) std::memmove(out + written, in + at, plain_end - at);
        written += plain_end - at;
      }
      at = plain_end;
    }
    if (at == size) {
      written = field_begin;
      return Row::cut;
    }
    if (is_dropped_cr(in, at, size)) {
      ++at;
      continue;
    }
    char c = in[at++];
    if (c == '\n' || (c == separator_ && c != '\\')) {
      ++fields_ended;
      if (fields_ended <= kept_) ends.push_back(written - text_begin);
      field_begin = written;
      dropping = fields_ended >= kept_;
      if (c == '\n') return Row::complete;
      continue;
    }
    if (c == '\\' && at < size) {
      if (is_dropped_cr(in, at, size)) ++at;
      c = in[at++];
      if (c == 'n' || c == 'N') c = '\n';
    }
    if (c == '\0') {
      dropping = true;  // a text ends at its first zero byte
      continue;
    }
    if (!dropping) out[written++] = c;
  }
}

}  // namespace zor
