// Shared by the mesh maker's reader fuzz targets: the input as decoded lines,
// a formed network that a refused read must leave exactly as it was.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/text_file.h"
#include "linemesh/model/network.h"

namespace linemesh::fuzzing {

inline std::vector<std::string> decodedLines(const uint8_t* data, size_t size) {
  return common::decodeLines(std::string_view(reinterpret_cast<const char*>(data), size));
}

/// A square with one diagonal, formed: two triangles.
inline const LineNetwork& baseNetwork() {
  static const LineNetwork net = [] {
    LineNetwork n;
    n.eps = 0.001;
    n.drawLine(0, 0, 1, 0);
    n.drawLine(1, 0, 1, 1);
    n.drawLine(1, 1, 0, 1);
    n.drawLine(0, 1, 0, 0);
    n.drawLine(0, 0, 1, 1);
    n.formElements();
    return n;
  }();
  return net;
}

inline bool sameNetwork(const LineNetwork& a, const LineNetwork& b) {
  if (a.NUMNP != b.NUMNP || a.NUMEL != b.NUMEL || a.NE != b.NE || a.xmin != b.xmin ||
      a.xmax != b.xmax || a.ymin != b.ymin || a.ymax != b.ymax)
    return false;
  for (int k = 1; k <= a.NUMNP; ++k)
    if (a.Node[k].No != b.Node[k].No || a.Node[k].X != b.Node[k].X || a.Node[k].Y != b.Node[k].Y ||
        a.Node[k].Flag != b.Node[k].Flag)
      return false;
  for (int j = 1; j <= a.NUMEL; ++j)
    if (a.Elem[j].N1 != b.Elem[j].N1 || a.Elem[j].N2 != b.Elem[j].N2 ||
        a.Elem[j].Flag != b.Elem[j].Flag)
      return false;
  for (int e = 1; e <= a.NE; ++e)
    if (a.KI[e] != b.KI[e] || a.KN[e] != b.KN[e]) return false;
  return true;
}

/// Stops the run when a refused read changed the network.
inline void requireUnchanged(const LineNetwork& net) {
  if (!sameNetwork(net, baseNetwork())) std::abort();
}

}  // namespace linemesh::fuzzing
