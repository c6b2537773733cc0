// Reading the ENTITIES section of an ASCII DXF drawing: the straight lines
// (LINE) and the polylines (LWPOLYLINE, and two-dimensional POLYLINE with its
// VERTEX entities) as lists of points.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cadtrace/model/line_model.h"

namespace cadtrace {

struct DxfSegment {
  Point start;
  Point end;
};

/// What the converter takes from a drawing, each list in file order.
struct DxfDrawing {
  /// Vertices of each polyline (never empty); every polyline is taken as closed.
  std::vector<std::vector<Point>> polylines;
  std::vector<DxfSegment> lines;
};

/// Reads the first ENTITIES section of the file image `bytes`; `fileName`
/// only names the file in messages. Throws common::Error subclasses: a binary
/// DXF, no ENTITIES line, a group code that is not an integer, no ENDSEC, or
/// a value the converter uses that is not a number
/// ("<file>: N行: 文字が違います: "<text>"").
DxfDrawing readDxfEntities(std::string_view bytes, const std::string& fileName);

}  // namespace cadtrace
