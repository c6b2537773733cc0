// The conversion of a DXF drawing into the line model: DXFtoM2W registers
// the drawing's points and segments and applies the shift and scale; the
// whole sequence then cuts the crossing lines.
#pragma once

#include <string>

#include "cadtrace/model/dxf_reader.h"
#include "cadtrace/model/line_model.h"

namespace cadtrace {

/// The four settings as typed: scales are the denominators N of 1/N,
/// references are subtracted (in drawing units) before scaling.
struct ConversionSettings {
  std::string scaleV = "1";
  std::string scaleH = "1";
  std::string kijunV = "0";
  std::string kijunH = "0";
};

/// Builds a new model from a drawing, starting from empty tables: polyline
/// vertices, then LINE end points become nodes; polyline segments (each
/// polyline closed back to its first vertex), then LINE entities become
/// lines, each distinct pair of nodes once; then the shift and scale. Throws
/// RangeError at the capacities or when a coordinate overflows, and
/// ConversionError for a setting that is not a number.
LineModel DXFtoM2W(const DxfDrawing& drawing, const ConversionSettings& settings);

/// Reads the file, DXFtoM2W, XCheck. The caller's data stay as they were
/// when this throws.
LineModel convertDxfFile(const std::string& dxfPath, const ConversionSettings& settings);

}  // namespace cadtrace
