// The VOKA input file: the formed mesh framed by fixed default settings.
#pragma once

#include <string>
#include <vector>

#include "linemesh/model/network.h"

namespace linemesh::files {

/// The file's lines. VOKA reads by columns: a coordinate whose text does not
/// fit its ten columns throws RangeError naming the node; refused while a
/// five-corner cell is among the elements.
std::vector<std::string> vokaLines(const LineNetwork& net);

/// Writes vokaLines atomically; nothing is written when a value does not fit.
void writeVoka(const LineNetwork& net, const std::string& path);

}  // namespace linemesh::files
