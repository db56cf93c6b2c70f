#pragma once
// Where an export goes: a file, replaced whole when complete, or standard
// output for "-" or no name.
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/file_io.h"

namespace zor {

class CsvOutput {
 public:
  // `path` in Windows-1250; false when the file cannot be opened.
  bool open(const std::string& path);
  void write(std::string_view bytes);
  // False when any write failed.
  bool close();
  bool to_standard_output() const { return standard_output_; }

 private:
  bool standard_output_ = false;
  bool failed_ = false;
  TextFileWriter file_;
};

}  // namespace zor
