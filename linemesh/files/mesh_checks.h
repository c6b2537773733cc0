// Checks a mesh must pass before it goes to an analysis program.
#pragma once

#include <string>

#include "linemesh/model/network.h"

namespace linemesh::files {

/// Throws common::Error while a five-corner cell is among the elements: the
/// analysis programs would take its row as a quadrilateral. The message names
/// the file kind, how many such cells there are and where the first one is.
void refuseFiveCornerCells(const LineNetwork& net, const std::string& fileKind);

}  // namespace linemesh::files
