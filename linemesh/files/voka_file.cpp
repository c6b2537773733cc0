#include "linemesh/files/voka_file.h"

#include "common/errors.h"
#include "common/numbers.h"
#include "common/text_file.h"
#include "linemesh/files/mesh_checks.h"
#include "linemesh/model/messages.h"

namespace linemesh::files {
namespace {

std::string coordinate(double value, int node, const char* name) {
  std::string text = common::formatFixed(value, 10, 3);
  if (text.size() > 10)
    throw common::RangeError(
        text::vokaCoordinateTooWide(node, name, common::formatFixed(value, 0, 3)));
  return text;
}

}  // namespace

std::vector<std::string> vokaLines(const LineNetwork& net) {
  using common::formatInt;
  refuseFiveCornerCells(net, text::vokaFileKind());
  std::vector<std::string> lines;
  lines.reserve(net.NUMNP + net.NE + 12);
  lines.push_back("TITLE");
  lines.push_back(formatInt(net.NUMNP, 5) + formatInt(net.NE, 5) +
                  "   10    1    1    1   20    1    0       0.0    1    1    1    0    0");
  lines.push_back("    0    0    0    0   -1    0    0    0    0    0    0    0");
  for (int e = 1; e <= net.NE; ++e) {
    std::string line = formatInt(e, 5);
    for (int place = 1; place <= 4; ++place) line += formatInt(net.KI[e][place], 5);
    lines.push_back(line + "    1    0.0");
  }
  lines.push_back("     0.010     0.000     0.000     0.000     0.010 1.60E-004      1E-5");
  lines.push_back("    1");
  lines.push_back("                     8.00E+000 3.60E-004");
  lines.push_back("                     8.00E+000 1.00E-001");
  for (int i = 1; i <= net.NUMNP; ++i)
    lines.push_back(formatInt(i, 5) + "    0    0" + coordinate(net.Node[i].X, i, "X") +
                    coordinate(net.Node[i].Y, i, "Y") + "       0.0       0.0       0.0       0.0");
  lines.insert(lines.end(), 3, "");
  return lines;
}

void writeVoka(const LineNetwork& net, const std::string& path) {
  common::writeTextLines(path, vokaLines(net));
}

}  // namespace linemesh::files
