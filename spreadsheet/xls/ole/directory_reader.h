// Reading side of the directory: decodes the entry array and walks the
// sibling trees from the root, collecting every stream with its path. Cycles,
// links past the array and misplaced entries are reported as damage.
#pragma once

#include "spreadsheet/xls/ole/layout.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace spreadsheet::xls::ole {

struct StoredStream {
    std::string path;                   // UTF-8, '/' between storage names
    std::vector<std::u16string> parts;  // the same names as stored
    uint32_t start = kEndOfChain;       // first sector, or first mini sector when short
    uint64_t size = 0;
};

struct Directory {
    uint32_t miniStreamStart = kEndOfChain;  // the root entry's chain holds the mini stream
    uint64_t miniStreamSize = 0;
    std::vector<StoredStream> streams;  // the root's streams first, each storage's in sibling order
};

// `entries` is the directory's sector chain, end to end. Version 3 files use
// only the low 32 bits of a stream size; version 4 files use all 64.
Directory parseDirectory(std::span<const uint8_t> entries, bool wideSizes);

}  // namespace spreadsheet::xls::ole
