#pragma once
// Scratch folders and small file helpers for tests.
#include <filesystem>
#include <string>
#include <string_view>

namespace zor::test {

// A fresh folder under the system's temporary folder, removed at the end.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path of a file in the folder, as the program's own (native) text.
  std::string file(std::string_view name) const;

 private:
  std::filesystem::path path_;
};

std::string read_bytes(const std::filesystem::path& path);
void write_bytes(const std::filesystem::path& path, std::string_view bytes);
// Path of a file under tests/data.
std::string data_file(std::string_view relative);

}  // namespace zor::test
