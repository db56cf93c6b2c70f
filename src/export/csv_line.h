#pragma once
// One line of a CSV file as R, pandas and spreadsheets read it (RFC 4180):
// fields joined by ",", a field holding a comma, a quote, CR or LF quoted
// with its quotes doubled, the line ended by LF. The fields are the tables'
// Windows-1250 texts; the line is UTF-8, converted with iconv.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zor {

class CsvLine {
 public:
  CsvLine& text(std::string_view cp1250);
  CsvLine& integer(std::int64_t value);
  // Fixed point with "." whatever the locale, trailing zeros dropped.
  CsvLine& number(double value, int most_decimals);
  CsvLine& empty();
  // The finished line in UTF-8 with its LF; the next field starts a new line.
  std::string_view finish();

 private:
  void separate();

  std::string line_;
  bool finished_ = true;
  // A hit's sentence, word and labels come again with every hit of its
  // sentence: each text is converted once.
  struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  std::unordered_map<std::string, std::string, TextHash, std::equal_to<>> converted_;
};

// The number as CsvLine::number writes it.
std::string csv_number(double value, int most_decimals);

}  // namespace zor
