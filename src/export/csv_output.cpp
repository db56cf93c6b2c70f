#include "export/csv_output.h"

namespace zor {

bool CsvOutput::open(const std::string& path) {
  standard_output_ = path.empty() || path == "-";
  failed_ = false;
  return standard_output_ || file_.open_replacing(path);
}

void CsvOutput::write(std::string_view bytes) {
  if (!standard_output_) {
    // LF stays LF: CSV readers take either, and R and pandas expect LF.
    file_.write_crlf_text(bytes);
    return;
  }
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) failed_ = true;
}

bool CsvOutput::close() {
  if (!standard_output_) return file_.close();
  return std::fflush(stdout) == 0 && !failed_ && !std::ferror(stdout);
}

}  // namespace zor
