#include "linemesh/files/m3w_file.h"

#include "common/numbers.h"
#include "common/text_file.h"
#include "linemesh/files/reading.h"
#include "linemesh/model/messages.h"

namespace linemesh::files {

std::vector<std::string> m3wLines(const LineNetwork& net) {
  using common::formatInt;
  std::vector<std::string> lines;
  lines.reserve(1 + net.NUMNP + net.NUMEL);
  lines.push_back(formatInt(net.NUMNP, 8) + formatInt(net.NUMEL, 8));
  for (int i = 1; i <= net.NUMNP; ++i) lines.push_back(nodeLine(net, i));
  for (int j = 1; j <= net.NUMEL; ++j)
    lines.push_back(formatInt(j, 8) + formatInt(net.Elem[j].N1, 8) + formatInt(net.Elem[j].N2, 8));
  return lines;
}

void writeM3W(const LineNetwork& net, const std::string& path) {
  common::writeTextLines(path, m3wLines(net));
}

void readM3WLines(LineNetwork& net, const std::string& file, std::vector<std::string> lines) {
  RecordCursor in(file, std::move(lines));
  const auto [nodes, lineCount] =
      readCounts(in, text::m3wFileKind(), text::lineWord(), kLineCapacity);

  LineNetwork fresh = net;
  readNodes(in, fresh, nodes);
  fresh.NUMEL = lineCount;
  for (int j = 1; j <= lineCount; ++j) {
    in.next(text::lineRecord(j, lineCount), 3);
    int32_t no = in.integer(1);
    int32_t n1 = in.integerIn(2, 1, nodes, text::nodeNumber());
    int32_t n2 = in.integerIn(3, 1, nodes, text::nodeNumber());
    fresh.Elem[j] = LineRecord{no, n1, n2, 0};
  }
  setExtentsFromNodes(fresh);
  fresh.ReNum();
  net = std::move(fresh);
}

void readM3W(LineNetwork& net, const std::string& path) {
  readM3WLines(net, path, common::readTextLines(path));
}

}  // namespace linemesh::files
