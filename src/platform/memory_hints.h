#pragma once
// Hints to the operating system about how large blocks of memory are used.
#include <cstddef>

namespace zor {

// Asks for the block to be backed by large pages where the system offers
// them. A corpus table is read into one block of tens or hundreds of
// megabytes; with small pages, faulting it in costs more than parsing it.
// Does nothing where there is no such hint.
void advise_large_pages(void* data, size_t size);

}  // namespace zor
