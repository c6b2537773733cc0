// The converter's two output files: the M3W line file the mesh maker opens and
// the .TXT coordinate list, with the rules that derive their names.
#pragma once

#include <string>
#include <vector>

#include "cadtrace/model/line_model.h"

namespace cadtrace {

/// The M3W text: header (node and line counts, "%8d" each), node lines
/// (number "%8d", x and y "%10.3f"), line records (number, first and second
/// node, "%8d" each). A number that fills its field gets one blank before it.
std::vector<std::string> MakeM2W(const LineModel& model);

/// The .TXT text: NLINE ("%7d"), the lines' node pairs ("%6d%6d"), NNODE
/// ("%6d"), the nodes ("%10.2f,%10.2f").
std::vector<std::string> MakeXY(const LineModel& model);

/// The name without its last four characters (Unicode code points; fewer
/// than four leave ""). No path or extension logic: "abcdefg" gives "abc".
std::string withoutLastFour(const std::string& name);

/// The M3W name proposed for a DXF file: D:/data/sec1.dxf -> D:/data/sec1.M3W.
std::string m3wNameFor(const std::string& dxfPath);

/// The coordinate list's name beside an M3W file: sec1.M3W -> sec1.TXT.
std::string txtNameFor(const std::string& m3wPath);

/// Writes both files as one group, M3W first: both are checked and written
/// to temporary files before the first is renamed into place. Returns the
/// .TXT name. Throws FileError with nothing replaced when the two names are
/// the same file, when either is a folder or the drawing `dxfPath` that was
/// read ("" when none), or when a file cannot be written.
std::string writeOutputs(const LineModel& model, const std::string& m3wPath,
                         const std::string& dxfPath = {});

}  // namespace cadtrace
