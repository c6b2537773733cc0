#include "linemesh/files/mesh_checks.h"

#include "common/errors.h"
#include "common/numbers.h"
#include "linemesh/model/messages.h"

namespace linemesh::files {

void refuseFiveCornerCells(const LineNetwork& net, const std::string& fileKind) {
  const auto cells = net.fiveCornerCells();
  if (cells.empty()) return;
  const auto& first = cells.front();
  std::string corners;
  for (int c : first) corners += (corners.empty() ? "" : "-") + std::to_string(c);
  const NodeRecord& corner = net.Node[first[0]];
  throw common::Error(text::fiveCornerCellsRefused(fileKind, cells.size(), corners, first[0],
                                                   common::formatFixed(corner.X, 0, 3),
                                                   common::formatFixed(corner.Y, 0, 3)));
}

}  // namespace linemesh::files
