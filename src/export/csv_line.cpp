#include "export/csv_line.h"

#include <charconv>
#include <cmath>

#include "platform/encoding.h"

namespace zor {

std::string csv_number(double value, int most_decimals) {
  if (!std::isfinite(value)) return {};
  char digits[64];
  auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed,
                                    most_decimals);
  if (error != std::errc()) return {};
  std::string_view text(digits, static_cast<size_t>(end - digits));
  if (text.find('.') != std::string_view::npos) {
    while (text.back() == '0') text.remove_suffix(1);
    if (text.back() == '.') text.remove_suffix(1);
  }
  if (text == "-0") text = "0";
  return std::string(text);
}

void CsvLine::separate() {
  if (finished_) {
    line_.clear();
    finished_ = false;
  } else {
    line_.push_back(',');
  }
}

CsvLine& CsvLine::text(std::string_view cp1250) {
  separate();
  bool ascii = true;
  for (char c : cp1250) ascii &= static_cast<unsigned char>(c) < 0x80;
  std::string_view text = cp1250;
  if (!ascii) {
    constexpr size_t kMostKept = 1 << 16;
    if (converted_.size() > kMostKept) converted_.clear();
    auto found = converted_.find(cp1250);
    if (found == converted_.end()) found = converted_.emplace(std::string(cp1250), from_cp1250(cp1250)).first;
    text = found->second;
  }
  bool plain = true;
  for (char c : text) plain &= c != ',' && c != '"' && c != '\r' && c != '\n';
  if (plain) {
    line_.append(text);
    return *this;
  }
  line_.push_back('"');
  for (char c : text) {
    if (c == '"') line_.push_back('"');
    line_.push_back(c);
  }
  line_.push_back('"');
  return *this;
}

CsvLine& CsvLine::integer(std::int64_t value) { return text(std::to_string(value)); }

CsvLine& CsvLine::number(double value, int most_decimals) {
  return text(csv_number(value, most_decimals));
}

CsvLine& CsvLine::empty() { return text({}); }

std::string_view CsvLine::finish() {
  if (finished_) line_.clear();
  line_.push_back('\n');
  finished_ = true;
  return line_;
}

}  // namespace zor
