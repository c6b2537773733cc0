// The converter's line model: a node table and a line table joining nodes,
// with node registration, lookup and the cutting of crossing lines.
//
// Tables are indexed from 1 (slot 0 unused); NNODE and NLINE say how much of
// each is in use. Lookups go through a hash grid of the nodes and an index of
// the lines' node pairs, which give exactly the answers of a scan of the
// tables in number order (lowest number wins).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cadtrace/model/pair_index.h"
#include "common/point.h"
#include "common/point_grid.h"

namespace cadtrace {

inline constexpr int kNodeCapacity = 200000;
inline constexpr int kLineCapacity = 100000;

/// A point closer than this to a node is that node when registering.
inline constexpr double kRegisterTolerance = 1e-10;
/// searchnode takes the lowest node closer than this.
inline constexpr double kLookupTolerance = 0.002;
/// isCross takes determinants within this of 0 as parallel.
inline constexpr double kParallelTolerance = 1e-10;

using common::Point;

/// A line between two node numbers; (a, b) and (b, a) are the same line.
struct LinePair {
  int32_t p1 = 0;
  int32_t p2 = 0;
};

/// The least and greatest node coordinates; with no nodes each least is
/// +infinity and each greatest -infinity.
struct NodeExtent {
  double xmin, xmax, ymin, ymax;
};

/// Euclidean distance, sqrt(dx * dx + dy * dy).
double LineLength(double x1, double y1, double x2, double y2);

class LineModel {
 public:
  LineModel();

  int NNODE = 0;
  std::vector<Point> NODES;  // 1..NNODE
  int NLINE = 0;
  std::vector<LinePair> LINES;  // 1..NLINE

  /// Registers (x, y) as a new node unless a node lies closer than
  /// kRegisterTolerance. Returns true when a node was added. Throws RangeError
  /// beyond kNodeCapacity.
  bool toroku(double x, double y);

  /// The lowest-numbered node closer than kLookupTolerance to (X, Y), or -1.
  int searchnode(double X, double Y) const;

  /// The lowest-numbered line joining p1 and p2 in either direction, or -1.
  int searchline(int p1, int p2) const;

  /// Appends the line (p1, p2) and returns its number. Throws RangeError
  /// beyond kLineCapacity.
  int addLine(int p1, int p2);

  /// Replaces the second node of line `line`.
  void setSecondNode(int line, int node);

  /// Whether segments p1-p2 and p3-p4 meet (ends included); the meeting point
  /// goes to (xx, yy). Segments whose bounding boxes do not touch never meet.
  bool isCross(int p1, int p2, int p3, int p4, double& xx, double& yy) const;

  /// The extent of nodes 1..NNODE.
  NodeExtent extent() const;

  /// x = (x - refH) * scaleH, y = (y - refV) * scaleV for every node. A
  /// coordinate that is no longer finite throws RangeError naming the node.
  void shiftAndScale(double refH, double scaleH, double refV, double scaleV);

  /// Cuts every pair of crossing lines at their crossing point (see xcheck.cpp).
  void XCheck();

 private:
  /// Cuts line `line` at the crossing point (x, y) when the rules allow it;
  /// returns true when the line was cut.
  bool cutAt(int line, double x, double y);
  /// The number of nodes within `reach` of (x, y) in each coordinate.
  int nodesNear(double x, double y, double reach) const;
  /// Why a table filled while cutting at (x, y), for a drawing of `drawn` lines.
  std::string whyFull(double x, double y, int drawn) const;

  common::PointGrid nodeGrid_;
  PairIndex linesByPair_;

  friend class LineGrid;
};

}  // namespace cadtrace
