// The mesh maker's model: the node table, the line table (the drawn network)
// and the element tables formed from its closed cells.
//
// Tables are indexed from 1 and hold capacity + 1 records; slot 0 is unused.
// Counts say how much of each table is in use; records beyond the counts keep
// stale values and are never read.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace common {
class ModelParts;
}

namespace linemesh {

inline constexpr int kNodeCapacity = 30000;
inline constexpr int kLineCapacity = 40000;
inline constexpr int kElementCapacity = 40000;
inline constexpr int kMeshEdgeCapacity = 20000;

struct NodeRecord {
  int32_t No = 0;  // number carried with the node (file number; pre-sort number after PreYoso)
  double X = 0.0;
  double Y = 0.0;    // grows upwards on the screen
  int32_t Flag = 0;  // -1 removed; 0 ordinary; 1 made at a crossing; degree during PreYoso
};

/// A straight line of the network (the table keeps the name `Elem`).
struct LineRecord {
  int32_t No = 0;    // number read from an M3W file
  int32_t N1 = 0;    // first end node
  int32_t N2 = 0;    // second end node
  int32_t Flag = 0;  // -1 deleted; 0 or more live; use count during element formation
};

/// Corner places 1..6 of an element (place 0 unused): 1-4 counter-clockwise
/// corners (4 is 0 for a triangle), 5 the fifth corner of a five-corner cell.
using CornerRow = std::array<int32_t, 7>;

class LineNetwork {
 public:
  /// The start-up state: empty tables, extents -200..200 x -50..50.
  LineNetwork();

  std::vector<NodeRecord> Node;  // 1..NUMNP
  std::vector<LineRecord> Elem;  // 1..NUMEL
  std::vector<CornerRow> KI;     // 1..NE
  std::vector<int32_t> KN;       // 1..NE: 3, 4, or -1 for a five-corner cell
  int NUMNP = 0;
  int NUMEL = 0;
  int NE = 0;

  // Extents of the drawing; the file readers set them to the nodes read.
  double xmin = -200.0, xmax = 200.0, ymin = -50.0, ymax = 50.0;

  // Snapping, set by the view: tolerance in world units and the switch.
  double eps = 0.01;
  bool ONSNAP = true;

  /// The determinant of the last isCross (shown in the status panel).
  double lastDet = 0.0;

  // Node registration and line intersection. Appends that would pass a table's
  // capacity throw common::RangeError and leave the counts as they were.
  /// The node to snap to: the nearest live node when closer than eps and ONSNAP is on, else -1.
  int dgetpoint(double x1, double y1) const;
  /// dgetpoint at (x, y); when it finds a node, x and y become that node's
  /// coordinates. Returns the node, or -1.
  int snapToNode(double& x, double& y) const;
  /// Registers a point as a node: the first node within 1e-10 of it, or a fresh one.
  int toroku(double x, double y);
  /// The first live node within 0.01 of (X, Y), or -1.
  int searchnode(double X, double Y) const;
  /// The first live line joining p1 and p2 in either direction, or -1.
  int searchElem(int p1, int p2) const;
  /// Registers the line between nodes p1 and p2: the live line stored as (p2, p1), or a
  /// fresh one stored so (ends exchanged).
  int itorokuElem(int p1, int p2);
  /// Registers the line between two points, snapping or creating its end nodes.
  int dtoroku(double x1, double y1, double x2, double y2);
  /// Whether segments p1-p2 and p3-p4 meet, and where (xx, yy).
  bool isCross(int p1, int p2, int p3, int p4, double& xx, double& yy);
  /// Splits the line pp1-pp2 and every line it meets, at fresh nodes where
  /// they cross and at the live node where they meet within 0.01 of one (a
  /// T-junction, a line through a node). Refused as a whole (counts
  /// unchanged, no record rewritten) when a table would overflow.
  void XCheck(int pp1, int pp2);
  /// Compacts the tables: drops removed nodes and lines, renumbers nodes by first use.
  void ReNum();
  /// A typed line (決定): each end snapped to a node with dgetpoint, dtoroku,
  /// then XCheck with the line's two end nodes. Returns the registered line.
  /// Refused as a whole when a table would overflow.
  int drawLine(double x1, double y1, double x2, double y2);

  // Element formation.
  /// Tidies before formation: removes nodes on fewer than two lines with their lines,
  /// runs ReNum and keeps each node's number in No.
  void PreYoso();
  /// Orders the nodes by y (as the exchange sort would).
  void YSort();
  /// Orders the nodes by x, and by y among nodes within 0.01 in x (as the exchange sort would).
  void XSort();
  /// Points the lines' ends at the nodes' new numbers after the sorts (found by No).
  void ElemSort();
  /// Walks the closed cells from every node in turn and records them as
  /// elements. Its steps (GetElemNum, getNext, getElem, searchElem) go through
  /// an index of the lines at each node and a set of the corner lists formed.
  void reFrame();
  /// Starts every element's corner list at its lowest side (least mean y of its ends).
  void ReStruct();
  /// The model part of "要素の成形": PreYoso, YSort, XSort, ElemSort, reFrame, ReStruct.
  /// When the element table would overflow, every table is restored and RangeError thrown.
  void formElements();
  /// The corners of element e: 5 for a five-corner cell, 3 when place 4 is
  /// empty or repeats place 3, else 4.
  int cornerCount(int e) const;
  /// The distinct five-corner cells among the elements, each once, with the
  /// corners of its first row (formation records one row per starting corner).
  std::vector<std::array<int, 5>> fiveCornerCells() const;
  /// The tidying before an M3W file is written: ReNum, PreYoso, YSort, XSort, ElemSort.
  void tidyForSave();

  /// The angle at p2 from the direction of p3 round to that of p1, counter-clockwise,
  /// in radians (0 up to 2 pi).
  double CalcDeg(int p1, int p2, int p3) const;
  /// Rotates a corner list to start at its smallest node (a triangle repeats its last
  /// corner in place 4).
  static void sortNum(int& p1, int& p2, int& p3, int& p4);

  // Editing.
  /// Removes node n and every live line at it (flags -1; the slots stay until ReNum).
  void deleteNode(int n);
  /// Removes line j (flag -1; the slot stays until ReNum).
  void deleteLine(int j);
  /// Divides line j into `parts` equal lines: the first keeps slot j, the
  /// new nodes and the other lines are appended from N1 towards N2. Refused
  /// whole (common::RangeError) when a table would overflow.
  void divideLine(int j, int parts);

  /// Every table, count and extent, for the undo history (the snapping
  /// settings and the last determinant are the view's, not the model's).
  void addTo(common::ModelParts& parts);

  /// A fresh node at (x, y) appended to the table; its number.
  int appendNode(double x, double y);
  /// A fresh line (N1 = n1, N2 = n2) appended to the table; its number.
  int appendLine(int n1, int n2);

 private:
  /// Node order[p] - 1 moves to slot p + 1 (whole records).
  void reorderNodes(const std::vector<int>& order);
};

}  // namespace linemesh
