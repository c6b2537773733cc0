#include "linemesh/files/mesh_checks.h"

#include "common/errors.h"
#include "common/numbers.h"

namespace linemesh::files {

void refuseFiveCornerCells(const LineNetwork& net, const std::string& fileKind) {
  const auto cells = net.fiveCornerCells();
  if (cells.empty()) return;
  const auto& first = cells.front();
  std::string corners;
  for (int c : first) corners += (corners.empty() ? "" : "-") + std::to_string(c);
  const NodeRecord& corner = net.Node[first[0]];
  throw common::Error(
      fileKind + "を書き出せません: 五角形のセルが " + std::to_string(cells.size()) +
      " 個あります（最初のセルの節点 " + corners + "、節点 " + std::to_string(first[0]) +
      " の座標 (" + common::formatFixed(corner.X, 0, 3) + ", " +
      common::formatFixed(corner.Y, 0, 3) + ")）。線を引いて三角形か四角形に分割してください");
}

}  // namespace linemesh::files
