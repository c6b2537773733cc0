#include "linemesh/model/network.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/errors.h"
#include "test_networks.h"

namespace linemesh {
namespace {

using testing::networkOf;
using testing::nodeText;
using testing::polygon;
using testing::Segment;
using testing::tablesOf;

std::vector<int> cornersOf(const LineNetwork& net, int e) {
  int n = net.KN[e] < 0 ? 5 : 4;
  std::vector<int> corners;
  for (int place = 1; place <= n; ++place) corners.push_back(net.KI[e][place]);
  return corners;
}

std::vector<std::pair<int, int>> linesOf(const LineNetwork& net) {
  std::vector<std::pair<int, int>> lines;
  for (int j = 1; j <= net.NUMEL; ++j) lines.push_back({net.Elem[j].N1, net.Elem[j].N2});
  return lines;
}

void setNodes(LineNetwork& net, const std::vector<std::array<double, 2>>& points) {
  net.NUMNP = 0;
  for (const auto& p : points) net.appendNode(p[0], p[1]);
}

TEST(StartUp, TablesEmptyAndExtentsAtTheirStartValues) {
  LineNetwork net;
  EXPECT_EQ(net.NUMNP, 0);
  EXPECT_EQ(net.NUMEL, 0);
  EXPECT_EQ(net.NE, 0);
  EXPECT_EQ(net.xmin, -200.0);
  EXPECT_EQ(net.xmax, 200.0);
  EXPECT_EQ(net.ymin, -50.0);
  EXPECT_EQ(net.ymax, 50.0);
  EXPECT_TRUE(net.ONSNAP);
}

TEST(NodeSearch, SnappingTakesTheFirstNearestLiveNodeWithinEps) {
  LineNetwork net;
  setNodes(net, {{0, 0}, {1, 0}, {-1, 0}, {0.5, 0}});
  net.eps = 0.6;
  EXPECT_EQ(net.dgetpoint(0.5, 0), 4);
  EXPECT_EQ(net.dgetpoint(0.75, 0), 2);  // 2 and 4 tie: the first wins
  EXPECT_EQ(net.dgetpoint(5, 0), -1);
  net.Node[4].Flag = -1;
  EXPECT_EQ(net.dgetpoint(0.5, 0), 1);  // 1 and 2 tie at 0.5
  net.ONSNAP = false;
  EXPECT_EQ(net.dgetpoint(0, 0), -1);
}

TEST(NodeSearch, SnapToNodeTakesTheNodesCoordinatesOrLeavesThePoint) {
  LineNetwork net;
  setNodes(net, {{0, 0}, {1, 0.25}});
  net.eps = 0.1;
  double x = 1.05, y = 0.2;
  EXPECT_EQ(net.snapToNode(x, y), 2);
  EXPECT_EQ(x, 1);
  EXPECT_EQ(y, 0.25);
  x = 0.5, y = 0.5;
  EXPECT_EQ(net.snapToNode(x, y), -1);
  EXPECT_EQ(x, 0.5);
  EXPECT_EQ(y, 0.5);
}

TEST(NodeSearch, TorokuFindsRemovedNodesAndAppendsOtherwise) {
  LineNetwork net;
  EXPECT_EQ(net.toroku(3, 4), 1);
  net.Node[1].Flag = -1;
  EXPECT_EQ(net.toroku(3 + 5e-11, 4), 1);
  EXPECT_EQ(net.toroku(3 + 2e-10, 4), 2);
  EXPECT_EQ(net.searchnode(3.009, 4), 2);  // node 1 is removed
  EXPECT_EQ(net.searchnode(3.011, 4), -1);
}

TEST(LineSearch, SearchElemIgnoresDirectionAndDeletedLines) {
  LineNetwork net;
  setNodes(net, {{0, 0}, {1, 0}, {2, 0}});
  EXPECT_EQ(net.searchElem(1, 2), -1);
  net.itorokuElem(1, 2);  // stored as 2-1
  EXPECT_EQ(net.Elem[1].N1, 2);
  EXPECT_EQ(net.Elem[1].N2, 1);
  net.itorokuElem(1, 2);  // duplicate: nothing added
  EXPECT_EQ(net.NUMEL, 1);
  net.itorokuElem(2, 1);  // the other way round is not a duplicate
  EXPECT_EQ(net.NUMEL, 2);
  EXPECT_EQ(net.searchElem(2, 1), 1);
  net.Elem[1].Flag = -1;
  EXPECT_EQ(net.searchElem(1, 2), 2);
  EXPECT_EQ(net.searchElem(1, 3), -1);
}

TEST(Crossing, IsCrossIncludesEndsAndRefusesParallelAndDisjoint) {
  LineNetwork net;
  setNodes(net, {{0, 0}, {10, 0}, {5, -1}, {5, 1}, {10, 5}, {0, 1}, {10, 1}, {11, -1}, {11, 1}});
  double x = -7, y = -7;
  EXPECT_TRUE(net.isCross(1, 2, 3, 4, x, y));
  EXPECT_EQ(x, 5);
  EXPECT_EQ(y, 0);
  EXPECT_TRUE(net.isCross(1, 2, 2, 5, x, y));  // touching at an end
  EXPECT_EQ(x, 10);
  x = y = -7;
  EXPECT_FALSE(net.isCross(1, 2, 6, 7, x, y));  // parallel
  EXPECT_EQ(net.lastDet, 0);
  EXPECT_FALSE(net.isCross(1, 2, 8, 9, x, y));  // beyond the end
  EXPECT_EQ(x, -7);
  EXPECT_NE(net.lastDet, 0);
}

TEST(Crossing, NearlyCollinearDisjointSegmentsDoNotCross) {
  LineNetwork net;
  // Nearly collinear, far apart: a tiny determinant but boxes that do not touch.
  setNodes(net, {{0, 0}, {1, 1e-300}, {2, 0}, {3, 0}});
  double x = 0, y = 0;
  EXPECT_FALSE(net.isCross(1, 2, 3, 4, x, y));
}

TEST(XCheck, SplitsTheNewLineAndEveryLineItCrosses) {
  LineNetwork net = networkOf({{2, -1, 2, 1}, {5, -1, 5, 1}, {0, 0, 10, 0}});
  ASSERT_EQ(net.NUMNP, 8);
  EXPECT_EQ(nodeText(net, 7), "2.000,0.000");
  EXPECT_EQ(nodeText(net, 8), "5.000,0.000");
  EXPECT_EQ(net.Node[7].Flag, 1);
  EXPECT_EQ(net.Node[8].Flag, 1);
  std::vector<std::pair<int, int>> expected = {{2, 7}, {4, 8}, {7, 5}, {7, 1},
                                               {8, 3}, {8, 7}, {6, 8}};
  EXPECT_EQ(linesOf(net), expected);
  std::vector<int> flags;
  for (int j = 1; j <= net.NUMEL; ++j) flags.push_back(net.Elem[j].Flag);
  EXPECT_EQ(flags, (std::vector<int>{0, 0, 0, 1, 1, 0, 0}));
}

TEST(XCheck, AMeetingPointOnANodeCutsAtThatNode) {
  using Lines = std::vector<std::pair<int, int>>;
  struct Case {
    const char* name;
    std::vector<Segment> lines;
    int nodes;
    Lines expected;
  };
  const Case cases[] = {
      // The new line ends on the middle of the old one: the old one is cut.
      {"T-junction, new line ends on an old one",
       {{0, 0, 10, 0}, {5, 0, 5, 5}},
       4,
       {{2, 3}, {4, 3}, {3, 1}}},
      // An old line ends on the middle of the new one: the new one is cut.
      {"T-junction, new line passes an old end",
       {{5, 0, 5, 5}, {0, 0, 10, 0}},
       4,
       {{2, 1}, {1, 3}, {4, 1}}},
      {"through a node",
       {{5, -1, 5, 0}, {5, 0, 5, 1}, {0, 0, 10, 0}},
       5,
       {{2, 1}, {3, 2}, {2, 4}, {5, 2}}},
      {"within 0.01 of a node",
       {{5, -1, 5, 0}, {5, 0, 5, 1}, {0, 0.005, 10, 0.005}},
       5,
       {{2, 1}, {3, 2}, {2, 4}, {5, 2}}},
      // The third line through a crossing is cut at the node the second made.
      {"three lines through a point",
       {{0, 0, 10, 0}, {5, -5, 5, 5}, {0, -5, 10, 5}},
       7,
       {{2, 5}, {5, 3}, {5, 1}, {4, 5}, {5, 6}, {7, 5}}},
      // Two crossings 0.005 apart: the second line is cut at the first one's node.
      {"two crossings within 0.01",
       {{5, -1, 5, 1}, {5.005, -1, 5.005, 1}, {0, 0, 10, 0}},
       7,
       {{2, 7}, {4, 7}, {7, 5}, {7, 1}, {7, 3}, {6, 7}}},
      {"collinear overlap", {{0, 0, 10, 0}, {5, 0, 15, 0}}, 4, {{2, 1}, {4, 3}}},
      {"a shared end", {{0, 0, 10, 0}, {10, 0, 10, 5}}, 3, {{2, 1}, {3, 2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LineNetwork net = networkOf(c.lines);
    EXPECT_EQ(net.NUMNP, c.nodes);
    EXPECT_EQ(linesOf(net), c.expected);
  }
}

TEST(XCheck, ReverseLineOverAnOldOneEndsInTheSameDirection) {
  LineNetwork net = networkOf({{0, 0, 1, 0}, {1, 0, 0, 0}});
  EXPECT_EQ(linesOf(net), (std::vector<std::pair<int, int>>{{1, 2}, {1, 2}}));
  net.ReNum();
  EXPECT_EQ(net.NUMEL, 2);  // both kept
}

TEST(XCheck, ALineAcross800OthersIsSplitEverywhere) {
  std::vector<Segment> lines;
  for (int i = 1; i <= 800; ++i) lines.push_back({double(i), -1, double(i), 1});
  LineNetwork net = networkOf(lines);
  net.drawLine(0, 0, 801, 0);
  EXPECT_EQ(net.NUMNP, 1600 + 2 + 800);
  EXPECT_EQ(net.NUMEL, 800 * 2 + 801);
  // The pieces of the new line run from its first end.
  EXPECT_EQ(net.Elem[801].N2, 1601);
  EXPECT_EQ(nodeText(net, net.Elem[801].N1), "1.000,0.000");
}

TEST(Capacity, ALineThatWouldOverflowATableIsRefusedWhole) {
  for (bool nodesFull : {true, false}) {
    SCOPED_TRACE(nodesFull ? "nodes" : "lines");
    LineNetwork net = networkOf({{2, -1, 2, 1}, {5, -1, 5, 1}});
    if (nodesFull) {
      // Room for the two ends and one crossing, not two.
      while (net.NUMNP < kNodeCapacity - 3) net.appendNode(1000 + net.NUMNP, 1000);
    } else {
      while (net.NUMEL < kLineCapacity - 4) net.appendLine(1, 2);
      for (int j = 3; j <= net.NUMEL; ++j) net.Elem[j].Flag = -1;
    }
    auto before = tablesOf(net);
    EXPECT_THROW(net.drawLine(0, 0, 10, 0), common::RangeError);
    EXPECT_EQ(tablesOf(net), before);
  }
}

TEST(Editing, DeletionFlagsAndDivisionAppendsFromTheFirstEnd) {
  LineNetwork net = networkOf({{0, 0, 9, 0}, {9, 0, 9, 3}, {0, 0, 0, 3}});
  net.divideLine(1, 3);  // stored from (9, 0) to (0, 0)
  EXPECT_EQ(linesOf(net).front(), (std::pair<int, int>{2, 5}));
  EXPECT_EQ(nodeText(net, 5), "6.000,0.000");
  EXPECT_EQ(nodeText(net, 6), "3.000,0.000");
  EXPECT_EQ(net.NUMEL, 5);
  net.deleteNode(2);  // the node at (9, 0): both its lines go
  EXPECT_EQ(net.Node[2].Flag, -1);
  EXPECT_EQ(net.Elem[1].Flag, -1);
  EXPECT_EQ(net.Elem[2].Flag, -1);
  EXPECT_EQ(net.Elem[3].Flag, 0);
  net.deleteLine(3);
  EXPECT_EQ(net.Elem[3].Flag, -1);

  while (net.NUMNP < kNodeCapacity - 1) net.appendNode(100 + net.NUMNP, 0);
  const auto before = tablesOf(net);
  EXPECT_THROW(net.divideLine(4, 3), common::RangeError);  // two nodes, room for one
  EXPECT_EQ(tablesOf(net), before);
}

TEST(ReNum, DropsShortAndDeletedLinesAndNumbersNodesByFirstUse) {
  LineNetwork net;
  setNodes(net, {{9, 9}, {0, 0}, {0.0001, 0}, {5, 5}, {0.00011, 0}, {5, 5}});
  net.appendLine(2, 3);  // 0.0001 long: dropped
  net.appendLine(4, 2);
  net.appendLine(2, 5);  // 0.00011 long: kept
  net.appendLine(6, 1);
  net.Elem[4].Flag = -1;
  net.Node[2].Flag = -1;  // a removed node used by a live line comes back
  net.ReNum();
  ASSERT_EQ(net.NUMEL, 2);
  EXPECT_EQ(linesOf(net), (std::vector<std::pair<int, int>>{{1, 2}, {2, 3}}));
  ASSERT_EQ(net.NUMNP, 3);
  EXPECT_EQ(nodeText(net, 1), "5.000,5.000");
  EXPECT_EQ(net.Node[2].Flag, 0);
  EXPECT_EQ(net.Node[3].X, 0.00011);
}

TEST(Sorts, NearTiesInXAreResolvedAsTheExchangeSortsDo) {
  LineNetwork net;
  setNodes(net, {{0.005, 1}, {0, 0}, {1, 0.5}, {0.009, -1}});
  net.YSort();
  net.XSort();
  std::vector<std::string> order;
  for (int k = 1; k <= 4; ++k) order.push_back(nodeText(net, k));
  EXPECT_EQ(order, (std::vector<std::string>{"0.000,0.000", "0.005,1.000", "0.009,-1.000",
                                             "1.000,0.500"}));
}

TEST(Sorts, ElemSortFollowsTheMovedRecords) {
  LineNetwork net;
  setNodes(net, {{1, 1}, {0, 0}, {1, 0}});
  net.appendLine(1, 2);
  net.appendLine(2, 3);
  net.appendLine(3, 1);
  net.tidyForSave();
  // (0,0) 1, (1,0) 2, (1,1) 3
  EXPECT_EQ(linesOf(net), (std::vector<std::pair<int, int>>{{3, 1}, {1, 2}, {2, 3}}));
  EXPECT_EQ(net.Node[3].No, 1);
}

TEST(PreYoso, RemovesLinesAtNodesOfDegreeBelowTwoInOnePass) {
  auto lines = polygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
  lines.push_back({1, 1, 2, 2});
  lines.push_back({2, 2, 3, 2});
  LineNetwork net = networkOf(lines);
  net.PreYoso();
  EXPECT_EQ(net.NUMEL, 5);  // (2,2)-(3,2) goes, (1,1)-(2,2) stays
  EXPECT_EQ(net.NUMNP, 5);
  for (int k = 1; k <= net.NUMNP; ++k) EXPECT_EQ(net.Node[k].No, k);
}

TEST(Formation, TwoByOneGridNumbersColumnsAndStartsAtTheBottomSide) {
  LineNetwork net = networkOf({{0, 1, 1, 1},
                               {1, 1, 2, 1},
                               {2, 0, 1, 0},
                               {1, 0, 0, 0},
                               {0, 0, 0, 1},
                               {1, 0, 1, 1},
                               {2, 1, 2, 0}});
  net.formElements();
  const char* expected[] = {"0.000,0.000", "0.000,1.000", "1.000,0.000",
                            "1.000,1.000", "2.000,0.000", "2.000,1.000"};
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(nodeText(net, k), expected[k - 1]);
  ASSERT_EQ(net.NE, 2);
  EXPECT_EQ(cornersOf(net, 1), (std::vector<int>{1, 3, 4, 2}));
  EXPECT_EQ(cornersOf(net, 2), (std::vector<int>{3, 5, 6, 4}));
  EXPECT_EQ(net.KN[1], 4);
  EXPECT_EQ(net.KN[2], 4);
}

TEST(Formation, SingleTriangle) {
  LineNetwork net = networkOf(polygon({{0, 0}, {2, 0}, {1, 1}}));
  net.formElements();
  ASSERT_EQ(net.NE, 1);
  EXPECT_EQ(net.KN[1], 3);
  EXPECT_EQ(cornersOf(net, 1), (std::vector<int>{1, 3, 2, 0}));
}

std::vector<std::array<double, 2>> regular(int n) {
  std::vector<std::array<double, 2>> points;
  for (int i = 0; i < n; ++i) {
    double a = 2 * 3.141592653589793 * i / n;
    points.push_back({10 * std::cos(a), 10 * std::sin(a)});
  }
  return points;
}

TEST(Formation, CellsThatGiveNoElementOrAFaultyRow) {
  struct Case {
    const char* name;
    std::vector<Segment> lines;
    int elements;
    int kn;  // of every row
  };
  const Case cases[] = {
      {"pentagon: one row per corner", polygon(regular(5)), 5, -1},
      {"hexagon", polygon(regular(6)), 0, 0},
      {"node in the middle of a side", polygon({{0, 0}, {1, 0}, {2, 0}, {1, 1}}), 0, 0},
      {"concave quadrilateral", polygon({{0, 0}, {4, 0}, {1, 1}, {0, 4}}), 0, 0},
      {"rectangle with divided sides", polygon({{0, 0}, {1, 0}, {2, 0}, {2, 1}, {1, 1}, {0, 1}}), 0,
       0},
      {"square with one diagonal",
       [] {
         auto l = polygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
         l.push_back({0, 0, 1, 1});
         return l;
       }(),
       2, 3},
      {"square with both diagonals",
       [] {
         auto l = polygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
         l.push_back({0, 0, 1, 1});
         l.push_back({1, 0, 0, 1});
         return l;
       }(),
       4, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LineNetwork net = networkOf(c.lines);
    net.formElements();
    ASSERT_EQ(net.NE, c.elements);
    for (int e = 1; e <= net.NE; ++e) EXPECT_EQ(net.KN[e], c.kn);
  }
}

TEST(Formation, AFanOfSixteenLinesGivesSixteenTriangles) {
  auto ring = regular(16);
  auto lines = polygon(ring);
  for (const auto& p : ring) lines.push_back({0, 0, p[0], p[1]});
  LineNetwork net = networkOf(lines);
  net.formElements();
  ASSERT_EQ(net.NE, 16);
  for (int e = 1; e <= 16; ++e) EXPECT_EQ(net.KN[e], 3);
  for (int j = 1; j <= net.NUMEL; ++j) EXPECT_LE(net.Elem[j].Flag, 2);
}

TEST(Formation, ATriangleWithAFreeLineKeepsItsElement) {
  auto lines = polygon({{0, 0}, {2, 0}, {1, 1}});
  lines.push_back({1, 1, 1, 3});
  LineNetwork net = networkOf(lines);
  net.formElements();
  EXPECT_EQ(net.NUMEL, 3);
  EXPECT_EQ(net.NE, 1);
}

TEST(Formation, SortNumRotatesToTheSmallestCorner) {
  int a = 5, b = 2, c = 7, d = 3;
  LineNetwork::sortNum(a, b, c, d);
  EXPECT_EQ((std::array<int, 4>{a, b, c, d}), (std::array<int, 4>{2, 7, 3, 5}));
  a = 5, b = 9, c = 4, d = 4;
  LineNetwork::sortNum(a, b, c, d);
  EXPECT_EQ((std::array<int, 4>{a, b, c, d}), (std::array<int, 4>{4, 5, 9, 9}));
}

TEST(Formation, CornerCountReadsPlaceFourAndTheCornerCode) {
  struct Case {
    CornerRow corners;
    int kn, expected;
  };
  const Case cases[] = {
      {{0, 1, 2, 3, 0, 0, 0}, 3, 3},  // place 4 empty
      {{0, 1, 2, 3, 3, 0, 0}, 3, 3},  // place 4 repeats place 3
      {{0, 1, 2, 3, 4, 0, 0}, 4, 4},
      {{0, 1, 2, 3, 4, 5, 0}, -1, 5},
  };
  LineNetwork net;
  for (const Case& c : cases) {
    net.NE = 1;
    net.KI[1] = c.corners;
    net.KN[1] = c.kn;
    EXPECT_EQ(net.cornerCount(1), c.expected) << "KN " << c.kn << ", place 4 " << c.corners[4];
  }
}

TEST(Formation, CalcDegIsTheClockwiseAngleFromTheFirstRay) {
  LineNetwork net;
  setNodes(net, {{1, 0}, {0, 0}, {0, 1}});
  EXPECT_DOUBLE_EQ(net.CalcDeg(1, 2, 3), 3 * 3.141592653589793 / 2);
  EXPECT_DOUBLE_EQ(net.CalcDeg(3, 2, 1), 3.141592653589793 / 2);
  EXPECT_EQ(net.CalcDeg(1, 2, 1), 0);
}

}  // namespace
}  // namespace linemesh
