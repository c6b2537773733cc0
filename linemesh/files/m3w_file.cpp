#include "linemesh/files/m3w_file.h"

#include "common/text_file.h"
#include "formats/m3w.h"
#include "linemesh/files/reading.h"
#include "linemesh/model/messages.h"

namespace linemesh::files {

std::vector<std::string> m3wLines(const LineNetwork& net) {
  std::vector<formats::LineRow> lines(static_cast<size_t>(net.NUMEL));
  for (int j = 1; j <= net.NUMEL; ++j) lines[j - 1] = {net.Elem[j].N1, net.Elem[j].N2};
  return formats::m3wLines(nodeRows(net), lines, false);
}

void writeM3W(const LineNetwork& net, const std::string& path) {
  common::writeTextLines(path, m3wLines(net));
}

void readM3WLines(LineNetwork& net, const std::string& file, std::vector<std::string> lines) {
  formats::RecordCursor in(file, std::move(lines));
  const auto [nodes, lineCount] =
      formats::readCounts(in, text::m3wFileKind(), text::lineWord(), kNodeCapacity, kLineCapacity);

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
