#pragma once
// Files for the fuzz targets: the readers under test take paths, so each
// input is written to a private scratch folder (in memory where the system
// has /dev/shm) before it is read.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zor::fuzz {

// The path of `name` in this process's scratch folder, created on first use
// and removed at exit.
std::string scratch_path(std::string_view name);

// Writes the bytes as the file `name` in the scratch folder; returns its path.
std::string write_scratch_file(std::string_view name, std::string_view bytes);

// The fuzzer's input as bytes.
inline std::string_view as_bytes(const std::uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Stops the process with a message naming the broken expectation, so that
// libFuzzer records the input as a finding.
[[noreturn]] void fail(std::string_view what);
inline void expect(bool condition, std::string_view what) {
  if (!condition) fail(what);
}

}  // namespace zor::fuzz
