// The specification file: any bytes load without a crash, and what was loaded
// saves and loads back to the very same records.
#include <cstdint>

#include "fuzz_files.h"
#include "query/specification_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace zor;
  std::string path = fuzz::write_scratch_file("specifikaciok.txt", fuzz::as_bytes(data, size));
  SpecificationList loaded;
  fuzz::expect(load_specifications(loaded, path), "an existing file did not load");
  fuzz::expect(loaded.count() <= size, "more records than bytes");

  std::string saved_path = fuzz::scratch_path("saved.txt");
  fuzz::expect(save_specifications(loaded, saved_path), "saving failed");
  SpecificationList reloaded;
  fuzz::expect(load_specifications(reloaded, saved_path), "the saved file did not load");
  fuzz::expect(reloaded.rows() == loaded.rows(), "a saved list reads back differently");
  return 0;
}
