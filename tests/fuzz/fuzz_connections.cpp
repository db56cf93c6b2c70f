// The sound-connection file: any bytes load without a crash, and what was
// loaded saves and loads back to the very same rows.
#include <cstdint>

#include "fuzz_files.h"
#include "query/connection_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace zor;
  std::string path = fuzz::write_scratch_file("hangkapcsolatok.txt", fuzz::as_bytes(data, size));
  ConnectionList loaded;
  fuzz::expect(load_connections(loaded, path), "an existing file did not load");
  fuzz::expect(loaded.count() <= size, "more rows than bytes");

  std::string saved_path = fuzz::scratch_path("saved.txt");
  fuzz::expect(save_connections(loaded, saved_path), "saving failed");
  ConnectionList reloaded;
  fuzz::expect(load_connections(reloaded, saved_path), "the saved file did not load");
  fuzz::expect(reloaded.rows() == loaded.rows(), "a saved list reads back differently");
  return 0;
}
