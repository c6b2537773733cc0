#include "cadtrace/model/line_model.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "cadtrace/model/messages.h"
#include "common/errors.h"
#include "common/numbers.h"

namespace cadtrace {
namespace {

// Cells of eight times the lookup tolerance: a lookup mostly visits one cell.
constexpr double kCellSize = 8 * kLookupTolerance;
// How far a lookup must reach to see every node that passes its distance test
// (a generous margin over the rounding of that test).
constexpr double kRegisterReach = 2 * kRegisterTolerance;
constexpr double kLookupReach = 1.001 * kLookupTolerance;

std::string coordinates(double x, double y) {
  return "(" + common::formatGeneral(x) + ", " + common::formatGeneral(y) + ")";
}

}  // namespace

double LineLength(double x1, double y1, double x2, double y2) {
  double dx = x2 - x1;
  double dy = y2 - y1;
  return std::sqrt(dx * dx + dy * dy);
}

LineModel::LineModel() : NODES(1), LINES(1), nodeGrid_(kCellSize) {}

bool LineModel::toroku(double x, double y) {
  bool found = false;
  nodeGrid_.forEachCellNear(x, y, kRegisterReach, [&](int32_t node) {
    found = found || LineLength(x, y, NODES[node].x, NODES[node].y) < kRegisterTolerance;
    return !found;
  });
  if (found) return false;
  if (NNODE >= kNodeCapacity)
    throw common::RangeError(messages::tooManyNodes(kNodeCapacity, coordinates(x, y)));
  ++NNODE;
  if (static_cast<int>(NODES.size()) <= NNODE) NODES.resize(NNODE + 1);
  NODES[NNODE] = {x, y};
  nodeGrid_.add(NNODE, x, y);
  return true;
}

int LineModel::searchnode(double X, double Y) const {
  return nodeGrid_.lowest(X, Y, kLookupReach, [&](int32_t node) {
    return LineLength(X, Y, NODES[node].x, NODES[node].y) < kLookupTolerance;
  });
}

int LineModel::searchline(int p1, int p2) const { return linesByPair_.lowest(p1, p2); }

int LineModel::addLine(int p1, int p2) {
  if (NLINE >= kLineCapacity) throw common::RangeError(messages::tooManyLines(kLineCapacity));
  ++NLINE;
  if (static_cast<int>(LINES.size()) <= NLINE) LINES.resize(NLINE + 1);
  LINES[NLINE] = {p1, p2};
  linesByPair_.add(p1, p2, NLINE);
  return NLINE;
}

void LineModel::setSecondNode(int line, int node) {
  linesByPair_.remove(LINES[line].p1, LINES[line].p2, line, LINES, NLINE);
  LINES[line].p2 = node;
  linesByPair_.add(LINES[line].p1, node, line);
}

bool LineModel::isCross(int p1, int p2, int p3, int p4, double& xx, double& yy) const {
  const Point& a = NODES[p1];
  const Point& b = NODES[p2];
  const Point& c = NODES[p3];
  const Point& d = NODES[p4];
  // Segments whose boxes do not touch cannot meet; without this test the
  // absolute determinant tolerance lets rounding report a far-off crossing of
  // two nearly collinear segments.
  if (std::max(a.x, b.x) < std::min(c.x, d.x) || std::max(c.x, d.x) < std::min(a.x, b.x) ||
      std::max(a.y, b.y) < std::min(c.y, d.y) || std::max(c.y, d.y) < std::min(a.y, b.y))
    return false;
  double dx1 = b.x - a.x;
  double dy1 = b.y - a.y;
  double dx2 = d.x - c.x;
  double dy2 = d.y - c.y;
  double det = dx2 * dy1 - dx1 * dy2;
  if (det >= -kParallelTolerance && det <= kParallelTolerance) return false;
  double ex = c.x - a.x;
  double ey = c.y - a.y;
  double s = (dx2 * ey - dy2 * ex) / det;
  double t = (dx1 * ey - dy1 * ex) / det;
  // Written so that a NaN (from coordinates near the limits of double) fails.
  if (!(s >= 0 && s <= 1 && t >= 0 && t <= 1)) return false;
  double x = a.x + dx1 * s;
  double y = a.y + dy1 * s;
  if (!std::isfinite(x) || !std::isfinite(y)) return false;
  xx = x;
  yy = y;
  return true;
}

NodeExtent LineModel::extent() const {
  NodeExtent e{INFINITY, -INFINITY, INFINITY, -INFINITY};
  for (int n = 1; n <= NNODE; ++n) {
    e.xmin = std::min(e.xmin, NODES[n].x);
    e.xmax = std::max(e.xmax, NODES[n].x);
    e.ymin = std::min(e.ymin, NODES[n].y);
    e.ymax = std::max(e.ymax, NODES[n].y);
  }
  return e;
}

void LineModel::shiftAndScale(double refH, double scaleH, double refV, double scaleV) {
  for (int n = 1; n <= NNODE; ++n) {
    Point& p = NODES[n];
    double x = (p.x - refH) * scaleH;
    double y = (p.y - refV) * scaleV;
    if (!std::isfinite(x) || !std::isfinite(y))
      throw common::RangeError(messages::beyondRange(n, coordinates(p.x, p.y)));
    p = {x, y};
  }
  nodeGrid_.clear();
  for (int n = 1; n <= NNODE; ++n) nodeGrid_.add(n, NODES[n].x, NODES[n].y);
}

}  // namespace cadtrace
