// The mesh data file (MESH.DAT): nodes and the formed elements.
#pragma once

#include <string>
#include <vector>

#include "linemesh/model/network.h"

namespace linemesh::files {

/// The file's lines: nodes 1..NUMNP, elements 1..NE with KI places 1-4 and KN as held.
/// Refused while a five-corner cell is among the elements.
std::vector<std::string> meshLines(const LineNetwork& net);

/// Writes meshLines atomically.
void writeMesh(const LineNetwork& net, const std::string& path);

/// Rebuilds the line network from the file's element sides (one line per
/// distinct side), sets the extents and runs ReNum. NE, KI and KN keep the
/// formed elements. All or nothing: after any error the model is as it was.
void readMesh(LineNetwork& net, const std::string& path);

/// readMesh on lines already read; `file` names them in messages.
void readMeshLines(LineNetwork& net, const std::string& file, std::vector<std::string> lines);

}  // namespace linemesh::files
