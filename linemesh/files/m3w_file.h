// The M3W line file: a header of counts, the nodes, the lines.
#pragma once

#include <string>
#include <vector>

#include "linemesh/model/network.h"

namespace linemesh::files {

/// The file's lines for nodes 1..NUMNP and lines 1..NUMEL as they are held.
std::vector<std::string> m3wLines(const LineNetwork& net);

/// Writes m3wLines atomically. (Saving tidies the network first:
/// LineNetwork::tidyForSave.)
void writeM3W(const LineNetwork& net, const std::string& path);

/// Replaces the node and line tables by the file's, sets the extents and runs
/// ReNum. All or nothing: after any error the model is as it was.
void readM3W(LineNetwork& net, const std::string& path);

/// readM3W on lines already read; `file` names them in messages.
void readM3WLines(LineNetwork& net, const std::string& file, std::vector<std::string> lines);

}  // namespace linemesh::files
