#pragma once
// One line of a CSV file as R, pandas and spreadsheets read it (RFC 4180):
// fields joined by ",", a field holding a comma, a quote, CR or LF quoted
// with its quotes doubled, the line ended by LF. Text is UTF-8; the tables'
// Windows-1250 texts are converted with iconv.
#include <cstdint>
#include <string>
#include <string_view>

namespace zor {

class CsvLine {
 public:
  CsvLine& text(std::string_view cp1250);
  CsvLine& utf8(std::string_view text);
  CsvLine& integer(std::int64_t value);
  // Fixed point with "." whatever the locale, trailing zeros dropped.
  CsvLine& number(double value, int most_decimals);
  CsvLine& empty();
  // The finished line with its LF; the next field starts a new line.
  std::string_view finish();

 private:
  void separate();

  std::string line_;
  bool finished_ = true;
};

// The number as CsvLine::number writes it.
std::string csv_number(double value, int most_decimals);

}  // namespace zor
