// The formation report as a JSON file (UTF-8) for scripts and checks.
#pragma once

#include <string>

#include "linemesh/model/formation_report.h"

namespace linemesh::files {

/// The report as JSON text: elements, triangles, quadrilaterals,
/// five_corner_cells, cells_without_element (corners, area),
/// nodes_without_element, min_angle and max_angle (null without elements).
std::string reportJson(const FormationReport& report);

/// Writes reportJson atomically. Throws common::FileError.
void writeReportJson(const FormationReport& report, const std::string& path);

}  // namespace linemesh::files
