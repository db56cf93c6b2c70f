// The sound-connection and specification files: any bytes load as either
// without a crash, and what was loaded saves and loads back to the very same
// rows.
#include <cstdint>

#include "fuzz_files.h"
#include "query/connection_list.h"
#include "query/specification_list.h"

namespace {

template <class List, class Load, class Save>
void round_trip(const std::string& path, size_t size, Load load, Save save) {
  using namespace zor;
  List loaded;
  fuzz::expect(load(loaded, path), "an existing file did not load");
  fuzz::expect(loaded.count() <= size, "more rows than bytes");

  std::string saved_path = fuzz::scratch_path("saved.txt");
  fuzz::expect(save(loaded, saved_path), "saving failed");
  List reloaded;
  fuzz::expect(load(reloaded, saved_path), "the saved file did not load");
  fuzz::expect(reloaded.rows() == loaded.rows(), "a saved list reads back differently");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace zor;
  std::string path = fuzz::write_scratch_file("lista.txt", fuzz::as_bytes(data, size));
  round_trip<ConnectionList>(path, size, load_connections, save_connections);
  round_trip<SpecificationList>(path, size, load_specifications, save_specifications);
  return 0;
}
