#include "linemesh/files/m2w_file.h"

#include "common/numbers.h"
#include "common/text_file.h"

namespace linemesh::files {

std::string m2wLine(const LineNetwork& net) {
  using common::formatE;
  using common::formatInt;
  std::string line = formatInt(net.NUMEL, 7);
  line.reserve(7 + 12 * net.NUMEL + 12 + 48 * net.NUMNP + 10);
  for (int j = 1; j <= net.NUMEL; ++j)
    line += formatInt(net.Elem[j].N1, 6) + formatInt(net.Elem[j].N2, 6);
  line += formatInt(net.NUMNP, 6) + formatInt(net.NUMNP, 6);
  for (int i = 1; i <= net.NUMNP; ++i)
    line += "    0" + formatE(net.Node[i].X, 19, 11) + formatE(net.Node[i].Y, 19, 11);
  line += "    0    0";
  for (int i = 1; i <= net.NUMNP; ++i) line += "    1";
  return line;
}

void writeM2W(const LineNetwork& net, const std::string& path) {
  common::writeTextLines(path, {m2wLine(net)});
}

}  // namespace linemesh::files
