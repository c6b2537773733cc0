// The M2W mesh file: the whole network on one line, for an outside program.
#pragma once

#include <string>

#include "linemesh/model/network.h"

namespace linemesh::files {

/// The file's single line, without its CR LF.
std::string m2wLine(const LineNetwork& net);

/// Writes m2wLine and CR LF atomically.
void writeM2W(const LineNetwork& net, const std::string& path);

}  // namespace linemesh::files
