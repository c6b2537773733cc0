#include "linemesh/files/reading.h"

#include "common/messages.h"

namespace linemesh::files {

void readNodes(formats::RecordCursor& in, LineNetwork& net, int count) {
  net.NUMNP = count;
  for (int i = 1; i <= count; ++i) {
    in.next(common::messages::nodeRecord(i, count), 3);
    net.Node[i] = NodeRecord{in.integer(1), in.real(2), in.real(3), 0};
  }
}

std::vector<formats::NodeRow> nodeRows(const LineNetwork& net) {
  std::vector<formats::NodeRow> rows(static_cast<size_t>(net.NUMNP));
  for (int i = 1; i <= net.NUMNP; ++i) rows[i - 1] = {net.Node[i].No, net.Node[i].X, net.Node[i].Y};
  return rows;
}

void setExtentsFromNodes(LineNetwork& net) {
  net.xmax = net.ymax = -999999.0;
  net.xmin = net.ymin = 9999999.0;
  for (int i = 1; i <= net.NUMNP; ++i) {
    const NodeRecord& n = net.Node[i];
    if (n.X > net.xmax) net.xmax = n.X;
    if (n.X < net.xmin) net.xmin = n.X;
    if (n.Y > net.ymax) net.ymax = n.Y;
    if (n.Y < net.ymin) net.ymin = n.Y;
  }
}

}  // namespace linemesh::files
