// What the M3W and MESH.DAT files of the mesh maker share beyond their record
// layouts (formats/): the node records in and out of the network, and the
// extents of the nodes.
#pragma once

#include <vector>

#include "formats/mesh_dat.h"
#include "formats/record_cursor.h"
#include "linemesh/model/network.h"

namespace linemesh::files {

/// Reads `count` node records (number, x, y) into nodes 1..count and sets NUMNP.
void readNodes(formats::RecordCursor& in, LineNetwork& net, int count);

/// The records of nodes 1..NUMNP.
std::vector<formats::NodeRow> nodeRows(const LineNetwork& net);

/// The extents of nodes 1..NUMNP as the readers set them (start values
/// -999999 and 9999999 when there are no nodes).
void setExtentsFromNodes(LineNetwork& net);

}  // namespace linemesh::files
