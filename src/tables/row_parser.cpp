#include "tables/row_parser.h"

#include <bit>
#include <cstring>
#include <string_view>

#include "tables/byte_masks.h"
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

// Eight bytes at a time while eight remain: the fields of a table are a few
// bytes long, and a byte loop would take a step per byte.
size_t RowParser::plain_run_end(const char* in, size_t at, size_t size) const {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kHighs = 0x8080808080808080ull;
  // The high bit of every byte equal to `c`, exact up to the first such byte.
  auto equal_bytes = [](std::uint64_t word, unsigned char c) {
    const std::uint64_t x = word ^ (kOnes * c);
    return (x - kOnes) & ~x & kHighs;
  };
  // On a little-endian machine the first byte of the text is the lowest of
  // the word, where a false match from the subtraction's borrow never lies.
  for (; std::endian::native == std::endian::little && at + 8 <= size; at += 8) {
    std::uint64_t word;
    std::memcpy(&word, in + at, 8);
    const std::uint64_t found = equal_bytes(word, '\n') | equal_bytes(word, '\r') | equal_bytes(word, '\\') |
                                equal_bytes(word, '\0') |
                                equal_bytes(word, static_cast<unsigned char>(separator_));
    if (found != 0) return at + static_cast<size_t>(std::countr_zero(found)) / 8;
  }
  while (at < size && !special_[static_cast<unsigned char>(in[at])]) ++at;
  return at;
}

RowParser::RowParser(char separator, size_t kept_columns)
    : separator_(separator),
      kept_(kept_columns),
      plain_rows_(kept_columns > 0 && separator != '\n' && separator != '\r' && separator != '\\' &&
                  separator != '\0') {
  for (char c : {'\n', '\r', '\\', '\0', separator}) special_[static_cast<unsigned char>(c)] = true;
}

bool RowParser::parse_plain(const char* in, size_t& at, size_t size, char* out, size_t& written,
                            std::vector<std::uint64_t>& ends, bool spaced) const {
  // First the places of the kept fields' separators and of the LF, so that
  // a row found not plain has nothing moved yet.
  const size_t begin = at;
  size_t lf = size;
  for (size_t block = begin; lf == size; block += kMaskBlock) {
    if (block + kMaskBlock > size) return false;  // the last bytes: the careful reading's
    const ByteMasks masks = byte_masks(in + block, separator_);
    const std::uint32_t before_lf = masks.lfs != 0 ? (masks.lfs & (~masks.lfs + 1)) - 1 : 0xFFFFu;
    if (const std::uint32_t escapes = masks.escapes & before_lf) {
      // Only the CR of the row's closing CR LF may stand among them.
      const size_t first = block + static_cast<size_t>(std::countr_zero(escapes));
      if ((escapes & (escapes - 1)) != 0 || !is_dropped_cr(in, first, size)) return false;
    }
    for (std::uint32_t separators = masks.separators & before_lf; separators != 0 && ends.size() < kept_;
         separators &= separators - 1)
      ends.push_back(block + static_cast<size_t>(std::countr_zero(separators)) - begin);
    if (masks.lfs != 0) lf = block + static_cast<size_t>(std::countr_zero(masks.lfs));
  }
  if (ends.size() < kept_) ends.push_back(lf - (lf > begin && in[lf - 1] == '\r' ? 1 : 0) - begin);
  at = lf + 1;
  if (spaced) return true;
  // Then the fields back to back: field k moves k separators' width down.
  size_t field_begin = 0;
  for (size_t k = 0; k < ends.size(); ++k) {
    const size_t end = ends[k];
    move_bytes(in + begin + field_begin, out + written + field_begin - k, end - field_begin);
    ends[k] = end - k;
    field_begin = end + 1;
  }
  written += ends.back();
  return true;
}

RowParser::Row RowParser::parse(const char* in, size_t& at, size_t size, char* out, size_t& written,
                                std::vector<std::uint64_t>& ends, bool spaced_allowed) const {
  ends.clear();
  if (plain_rows_ && parse_plain(in, at, size, out, written, ends, spaced_allowed))
    return spaced_allowed ? Row::spaced : Row::complete;
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
      size_t plain_end = plain_run_end(in, at, size);
      if (!dropping) {
        move_bytes(in + at, out + written, plain_end - at);
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
