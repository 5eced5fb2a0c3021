// Builds the sibling tree by halving the sorted list: each node's subtrees
// differ in size by at most one, so every level but the last is full. The last
// level is red when the tree has more than one level, which keeps the black
// height of all paths equal and never puts a red node under a red one.
#include "spreadsheet/xls/ole/directory_tree.h"

#include <algorithm>

namespace spreadsheet::xls::ole {
namespace {

// Links the siblings [first, last) below one node at `depth`; returns that node or kNoStream.
uint32_t link(SiblingTree& tree, std::vector<std::size_t>& depths, std::size_t first, std::size_t last,
              std::size_t depth) {
    if (first >= last) return kNoStream;
    const std::size_t middle = first + (last - first) / 2;
    depths[middle] = depth;
    tree.nodes[middle].left = link(tree, depths, first, middle, depth + 1);
    tree.nodes[middle].right = link(tree, depths, middle + 1, last, depth + 1);
    return static_cast<uint32_t>(middle);
}

}  // namespace

SiblingTree buildSiblingTree(std::size_t count) {
    SiblingTree tree;
    tree.nodes.resize(count);
    std::vector<std::size_t> depths(count, 0);
    tree.root = link(tree, depths, 0, count, 0);
    std::size_t deepest = 0;
    for (const std::size_t d : depths) deepest = std::max(deepest, d);
    for (std::size_t i = 0; i < count; ++i)
        if (deepest > 0 && depths[i] == deepest) tree.nodes[i].color = EntryColor::Red;
    return tree;
}

}  // namespace spreadsheet::xls::ole
