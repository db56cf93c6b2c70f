#include "platform/run_host.h"

#include "platform/encoding.h"

namespace zor {

std::string wizard_remedy(Remedy what) {
  switch (what) {
    case Remedy::list_recordings: return to_cp1250("Lapozzon az 1. oldalra!");
    case Remedy::define_labels: return to_cp1250("Lapozzon az 2. oldalra!");
    case Remedy::define_specifications: return to_cp1250("Lapozzon az 3. oldalra!");
    case Remedy::convert_first: return to_cp1250("Kérem használja az 1. Konverzió gombot.");
  }
  return {};
}

std::string RunHost::remedy(Remedy what) const { return wizard_remedy(what); }

}  // namespace zor
