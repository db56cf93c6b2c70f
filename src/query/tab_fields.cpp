#include "query/tab_fields.h"

namespace zor {
namespace {

// A substring request with negative start or length clamped to zero and the
// end clamped to the line.
std::string_view clamped(std::string_view line, long long start, long long length) {
  if (start < 0) start = 0;
  if (length < 0) length = 0;
  if (static_cast<size_t>(start) >= line.size()) return {};
  return line.substr(static_cast<size_t>(start), static_cast<size_t>(length));
}

}  // namespace

void split_tab_fields(std::string_view line, std::span<std::string> fields) {
  if (fields.empty()) return;
  long long previous = -1;
  for (size_t k = 0; k + 1 < fields.size(); ++k) {
    size_t found = line.find('\t', static_cast<size_t>(previous + 1));
    long long tab = found == std::string_view::npos ? -1 : static_cast<long long>(found);
    fields[k] = clamped(line, previous + 1, tab - previous - 1);
    previous = tab;
  }
  fields.back() = clamped(line, previous + 1, static_cast<long long>(line.size()));
}

void append_tab_line(std::string& text, std::span<const std::string> fields) {
  for (size_t k = 0; k < fields.size(); ++k) {
    if (k > 0) text += '\t';
    text += fields[k];
  }
  text += '\n';
}

}  // namespace zor
