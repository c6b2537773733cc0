#include "tests/cadtrace/literal_conversion.h"

#include <cmath>

#include "common/errors.h"

namespace cadtrace::literal {

void Tables::toroku(double x, double y) {
  for (int n = 1; n <= NNODE; ++n) {
    double dx = NODES[n].x - x;
    double dy = NODES[n].y - y;
    if (std::sqrt(dx * dx + dy * dy) < 1e-10) return;
  }
  if (NNODE >= kNodeCapacity) throw common::RangeError("node capacity");
  ++NNODE;
  NODES.push_back({x, y});
}

int Tables::searchnode(double X, double Y) const {
  for (int n = 1; n <= NNODE; ++n) {
    double dx = NODES[n].x - X;
    double dy = NODES[n].y - Y;
    if (std::sqrt(dx * dx + dy * dy) < 0.002) return n;
  }
  return -1;
}

int Tables::searchline(int p1, int p2) const {
  if (NLINE == 0) return -1;
  if (p1 > p2) std::swap(p1, p2);
  for (int l = 1; l <= NLINE; ++l) {
    int q1 = LINES[l].p1;
    int q2 = LINES[l].p2;
    if (q1 > q2) std::swap(q1, q2);
    if (q1 == p1 && q2 == p2) return l;
  }
  return -1;
}

void Tables::addLine(int p1, int p2) {
  if (NLINE >= kLineCapacity) throw common::RangeError("line capacity");
  ++NLINE;
  LINES.push_back({p1, p2});
}

bool Tables::isCross(int p1, int p2, int p3, int p4, double& xx, double& yy) const {
  double x1 = NODES[p1].x, y1 = NODES[p1].y, x2 = NODES[p2].x, y2 = NODES[p2].y;
  double x3 = NODES[p3].x, y3 = NODES[p3].y, x4 = NODES[p4].x, y4 = NODES[p4].y;
  if (std::max(x1, x2) < std::min(x3, x4) || std::max(x3, x4) < std::min(x1, x2) ||
      std::max(y1, y2) < std::min(y3, y4) || std::max(y3, y4) < std::min(y1, y2))
    return false;
  double dx1 = x2 - x1, dy1 = y2 - y1, dx2 = x4 - x3, dy2 = y4 - y3;
  double D = dx2 * dy1 - dx1 * dy2;
  if (D >= -1e-10 && D <= 1e-10) return false;
  double ex = x3 - x1, ey = y3 - y1;
  double s = (dx2 * ey - dy2 * ex) / D;
  double t = (dx1 * ey - dy1 * ex) / D;
  if (!(s >= 0 && s <= 1 && t >= 0 && t <= 1)) return false;
  double x = x1 + dx1 * s;
  double y = y1 + dy1 * s;
  if (!std::isfinite(x) || !std::isfinite(y)) return false;
  xx = x;
  yy = y;
  return true;
}

void Tables::XCheck() {
  if (NLINE < 2) return;
  auto cut = [this](int line, double x, double y) {
    int e1 = LINES[line].p1;
    int e2 = LINES[line].p2;
    const Point a = NODES[e1];
    const Point b = NODES[e2];
    if (!(LineLength(x, y, a.x, a.y) > 1e-10 && LineLength(x, y, b.x, b.y) > 1e-10)) return false;
    toroku(x, y);
    int n = searchnode(x, y);
    if (n == e1 || n == e2) return false;
    if (!(LineLength(a.x, a.y, NODES[n].x, NODES[n].y) < LineLength(a.x, a.y, b.x, b.y)))
      return false;
    LINES[line].p2 = n;
    if (searchline(n, e2) == -1) addLine(n, e2);
    return true;
  };
  int i = 1;
  while (i < NLINE) {
    bool split = false;
    for (int j = i + 1; j <= NLINE; ++j) {
      double xx = 0, yy = 0;
      if (!isCross(LINES[i].p1, LINES[i].p2, LINES[j].p1, LINES[j].p2, xx, yy)) continue;
      split = false;
      if (cut(i, xx, yy)) split = true;
      if (cut(j, xx, yy)) split = true;
      if (split) break;
    }
    if (!split) ++i;
  }
}

Tables DXFtoM2W(const DxfDrawing& drawing, double scaleV, double scaleH, double kijunV,
                double kijunH) {
  Tables t;
  for (const auto& polyline : drawing.polylines)
    for (const Point& p : polyline) t.toroku(p.x, p.y);
  for (const DxfSegment& s : drawing.lines) {
    t.toroku(s.start.x, s.start.y);
    t.toroku(s.end.x, s.end.y);
  }
  for (const auto& polyline : drawing.polylines) {
    int p = t.searchnode(polyline[0].x, polyline[0].y);
    int firstNode = p;
    for (size_t k = 1; k < polyline.size(); ++k) {
      int q = t.searchnode(polyline[k].x, polyline[k].y);
      if (t.searchline(p, q) == -1) t.addLine(p, q);
      p = q;
    }
    if (t.searchline(p, firstNode) == -1) t.addLine(p, firstNode);
  }
  for (const DxfSegment& s : drawing.lines) {
    int p1 = t.searchnode(s.start.x, s.start.y);
    int p2 = t.searchnode(s.end.x, s.end.y);
    if (t.searchline(p1, p2) == -1) t.addLine(p1, p2);
  }
  for (int n = 1; n <= t.NNODE; ++n) {
    t.NODES[n].x = (t.NODES[n].x - kijunH) * scaleH;
    t.NODES[n].y = (t.NODES[n].y - kijunV) * scaleV;
    if (!std::isfinite(t.NODES[n].x) || !std::isfinite(t.NODES[n].y))
      throw common::RangeError("overflow");
  }
  return t;
}

LineModel toModel(const Tables& t) {
  LineModel m;
  m.NNODE = t.NNODE;
  m.NODES = t.NODES;
  m.NLINE = t.NLINE;
  m.LINES = t.LINES;
  return m;
}

}  // namespace cadtrace::literal
