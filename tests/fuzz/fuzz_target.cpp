// The fault report of the fuzz targets.
#include "fuzz_target.h"

#include <cstdio>

namespace quorvane::fuzz {

void fault(std::string_view what) {
    std::fprintf(stderr, "fuzz target fault: %.*s\n", static_cast<int>(what.size()), what.data());
    std::fflush(stderr);
    __builtin_trap();
}

}  // namespace quorvane::fuzz
