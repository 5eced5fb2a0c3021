// The red-black tree that links the siblings of one storage. Given the
// siblings already in sibling order, it says which is the root and, for each,
// its left and right neighbour and colour.
#pragma once

#include "spreadsheet/xls/ole/layout.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace spreadsheet::xls::ole {

struct TreeNode {
    uint32_t left = kNoStream;  // positions in the sorted list, or kNoStream
    uint32_t right = kNoStream;
    EntryColor color = EntryColor::Black;
};

struct SiblingTree {
    uint32_t root = kNoStream;
    std::vector<TreeNode> nodes;  // one per sibling, in sibling order
};

// A balanced tree over `count` sorted siblings, coloured so that it is a valid
// red-black tree: every level black except a partly filled last level, which is red.
SiblingTree buildSiblingTree(std::size_t count);

}  // namespace spreadsheet::xls::ole
