// An unordered pair of node numbers as a key: the line between two nodes,
// whichever way it was drawn.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <utility>

namespace linemesh {

using NodePair = std::pair<int, int>;  // smaller node first

inline NodePair nodePair(int a, int b) { return {std::min(a, b), std::max(a, b)}; }

struct NodePairHash {
  size_t operator()(const NodePair& p) const {
    return std::hash<uint64_t>()(static_cast<uint64_t>(p.first) << 32 ^
                                 static_cast<uint32_t>(p.second));
  }
};

}  // namespace linemesh
