// Transient indexes that let the network's bulk operations give exactly the
// results of their linear scans and exchange sorts, in far less time.
#pragma once

#include <cstddef>
#include <vector>

namespace linemesh::detail {

/// The permutation that this exchange sort makes of positions 0..n-1:
///   for i in 0..n-2, for k in i+1..n-1: exchange i and k when keys[i] > keys[k].
/// order[p] is the original position of the item that ends at p.
std::vector<int> exchangeSortOrder(std::vector<double> keys);

/// As exchangeSortOrder, for the column sort: exchange i and k when
/// x[i] > x[k], or when |x[i] - x[k]| < 0.01 and y[i] > y[k].
std::vector<int> columnSortOrder(std::vector<double> x, std::vector<double> y);

}  // namespace linemesh::detail
