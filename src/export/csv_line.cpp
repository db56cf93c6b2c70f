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

CsvLine& CsvLine::utf8(std::string_view text) {
  separate();
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
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

CsvLine& CsvLine::text(std::string_view cp1250) { return utf8(from_cp1250(cp1250)); }

CsvLine& CsvLine::integer(std::int64_t value) { return utf8(std::to_string(value)); }

CsvLine& CsvLine::number(double value, int most_decimals) {
  return utf8(csv_number(value, most_decimals));
}

CsvLine& CsvLine::empty() { return utf8({}); }

std::string_view CsvLine::finish() {
  if (finished_) line_.clear();
  line_.push_back('\n');
  finished_ = true;
  return line_;
}

}  // namespace zor
