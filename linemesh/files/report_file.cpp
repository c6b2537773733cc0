#include "linemesh/files/report_file.h"

#include <nlohmann/json.hpp>

#include "common/text_file.h"

namespace linemesh::files {

std::string reportJson(const FormationReport& report) {
  using nlohmann::json;
  json cells = json::array();
  for (const Face& f : report.cellsWithoutElement)
    cells.push_back({{"corners", f.corners}, {"area", f.area}});
  json five = json::array();
  for (const auto& c : report.fiveCornerCells) five.push_back(c);
  const bool angles = report.elements > 0;
  const json doc = {
      {"elements", report.elements},
      {"triangles", report.triangles},
      {"quadrilaterals", report.quadrilaterals},
      {"five_corner_cells", five},
      {"cells_without_element", cells},
      {"nodes_without_element", report.nodesWithoutElement},
      {"min_angle", angles ? json(report.minAngle) : json(nullptr)},
      {"max_angle", angles ? json(report.maxAngle) : json(nullptr)},
  };
  return doc.dump(2) + "\n";
}

void writeReportJson(const FormationReport& report, const std::string& path) {
  common::writeFileBytes(path, reportJson(report));
}

}  // namespace linemesh::files
