#include "support/test_files.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include <unistd.h>

namespace zor::test {

ScratchDir::ScratchDir() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("zor-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ScratchDir::file(std::string_view name) const { return (path_ / name).string(); }

std::string read_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void write_bytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string data_file(std::string_view relative) {
  return std::string(ZOR_TEST_DATA_DIR) + "/" + std::string(relative);
}

}  // namespace zor::test
