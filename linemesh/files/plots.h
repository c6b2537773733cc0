// The two DXF plots: the line network and the formed elements.
#pragma once

#include <string>
#include <vector>

#include "linemesh/model/network.h"

namespace linemesh::files {

/// Every node as a circle and its number, every line, on their layers.
std::vector<std::string> linePlotLines(const LineNetwork& net);
void writeLinePlot(const LineNetwork& net, const std::string& path);

/// Node numbers, then the elements' outlines and numbers, then the five-corner
/// cells on layer "エラー". Elements whose corners are not nodes 1..NUMNP (formed
/// before the network was reloaded) throw RangeError and nothing is written.
std::vector<std::string> elementPlotLines(const LineNetwork& net);
void writeElementPlot(const LineNetwork& net, const std::string& path);

}  // namespace linemesh::files
