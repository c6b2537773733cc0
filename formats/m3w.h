// The M3W line file: a line of counts, the node records (as in MESH.DAT) and
// the line records. The converter writes it from a drawing, the mesh maker
// saves it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/mesh_dat.h"

namespace formats {

/// A line record: its first and second node.
struct LineRow {
  int32_t n1 = 0, n2 = 0;
};

/// The file's lines: counts "%8d" each, node records, line records (number,
/// first and second node, "%8d" each); the numbers written are the slots.
/// `widened`: the counts and line records keep a blank before a value that
/// fills its field (the converter's rule; node records always do).
std::vector<std::string> m3wLines(const std::vector<NodeRow>& nodes,
                                  const std::vector<LineRow>& lines, bool widened);

}  // namespace formats
