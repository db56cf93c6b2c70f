#include "platform/memory_hints.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace zor {

void advise_large_pages([[maybe_unused]] void* data, [[maybe_unused]] size_t size) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  // Only whole large pages inside the block can be backed by one.
  constexpr uintptr_t kLargePage = uintptr_t{2} << 20;
  auto begin = (reinterpret_cast<uintptr_t>(data) + kLargePage - 1) & ~(kLargePage - 1);
  auto end = (reinterpret_cast<uintptr_t>(data) + size) & ~(kLargePage - 1);
  // A refused hint only costs speed.
  if (end > begin) (void)madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}

}  // namespace zor
