#pragma once
// Asks for the cache line of `address` ahead of its use: a walk over rows
// scattered through a large table waits on memory, not on its tests.
namespace zor {

inline void prefetch(const void* address) {
#if defined(__GNUC__) || defined(__clang__)
  __builtin_prefetch(address);
#else
  (void)address;
#endif
}

}  // namespace zor
