#include "fuzz_files.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <unistd.h>

namespace zor::fuzz {
namespace {

std::filesystem::path make_scratch_folder() {
  std::error_code error;
  std::filesystem::path base = "/dev/shm";
  if (!std::filesystem::is_directory(base, error)) base = std::filesystem::temp_directory_path();
  std::string pattern = (base / "zor-fuzz-XXXXXX").string();
  if (!mkdtemp(pattern.data())) fail("cannot create the scratch folder");
  return pattern;
}

const std::filesystem::path& scratch_folder() {
  static const std::filesystem::path folder = [] {
    std::filesystem::path made = make_scratch_folder();
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(scratch_folder(), ignored);
    });
    return made;
  }();
  return folder;
}

}  // namespace

std::string scratch_path(std::string_view name) { return (scratch_folder() / name).string(); }

std::string write_scratch_file(std::string_view name, std::string_view bytes) {
  std::string path = scratch_path(name);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) fail("cannot write a scratch file");
  return path;
}

void fail(std::string_view what) {
  std::fprintf(stderr, "fuzz expectation failed: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

}  // namespace zor::fuzz
