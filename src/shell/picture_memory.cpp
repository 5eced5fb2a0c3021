#include "shell/picture_memory.h"

#include <malloc.h>

namespace shell {
namespace {

// Well above the pictures the program makes (the breakeven sheet's is about
// 4 MB at 32 bits); larger blocks still come and go as mappings.
constexpr int kKeptBlockBytes = 64 << 20;

}  // namespace

void keepPictureMemory() {
    mallopt(M_MMAP_THRESHOLD, kKeptBlockBytes);      // such blocks come from the heap, not fresh mappings
    mallopt(M_TRIM_THRESHOLD, 2 * kKeptBlockBytes);  // and the heap is not cut back after each one
}

}  // namespace shell
