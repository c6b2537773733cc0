// Element and node search, area selection and the list toggle.
#include "meshcond/interaction/picking.h"

#include <gtest/gtest.h>

#include <memory>

#include "test_mesh.h"

namespace meshcond::ui {
namespace {

// Two 10 x 10 m squares side by side, a triangle above the first.
class TwoSquares : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::makeGrid(m, 2, 1, 10, 10);  // nodes 1 (0,0) 2 (0,10) 3 (10,0) 4 (10,10) 5, 6
    m.NUMNP = 7;
    m.X[7] = 5;
    m.Y[7] = 20;
    m.NUMEL = 3;
    m.KI[3] = {0, 2, 4, 7, 0};
    m.KN[3] = 3;
    m.MAT[3] = 1;
    m.computeCentroids();
  }
  std::unique_ptr<AnalysisModel> owner = std::make_unique<AnalysisModel>();
  AnalysisModel& m = *owner;
};

TEST_F(TwoSquares, ElementSearchFindsInsideEdgeAndTriangles) {
  struct Case {
    const char* name;
    double eps, x, y;
    int expected;
  };
  const Case cases[] = {
      {"centre of the first square", 6, 5, 5, 1},
      {"second triangle of a square", 6, 1, 9, 1},
      {"shared edge goes to the lower number", 6, 10, 5, 1},
      {"second square", 6, 15, 2, 2},
      {"triangle element", 6, 5, 12, 3},
      // A click inside an element picks it however far from its centroid.
      {"inside but not closer than eps to the centroid", 3, 1, 9, 1},
      {"inside with the centroid exactly eps away", 4, 5, 1, 1},
      // A click on no element takes the nearest centroid closer than eps.
      {"outside, nearest centroid within eps", 50, 30, 30, 2},
      {"outside, nearest centroid exactly eps away", 10, 25, 5, -1},
      {"outside, within eps of two: the nearer", 12, 11, 16, 3},
      {"outside every element and far from all", 3, 30, 30, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(elmsearch(m, c.eps, c.x, c.y), c.expected);
  }
}

TEST_F(TwoSquares, QuadrilateralWithRepeatedCornerIsATriangle) {
  m.KI[3] = {0, 2, 4, 7, 7};
  m.KN[3] = 4;
  m.computeCentroids();
  EXPECT_EQ(elmsearch(m, 20, 5, 12), 3);
  EXPECT_EQ(elmsearch(m, 2, 1, 19), -1);
}

TEST_F(TwoSquares, NodeSearchWithinTheRadius) {
  struct Case {
    const char* name;
    double radius, x, y;
    int expected;
  };
  const Case cases[] = {
      {"on a node", 1, 10, 10, 4},
      {"just inside", 1, 10.99, 10, 4},
      {"exactly at the radius", 1, 11, 10, -1},
      {"between two nodes: the lower number", 6, 5, 0, 1},
      {"far from all", 1, 50, 50, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(nodesearch(m, c.radius, c.x, c.y), c.expected);
  }
}

TEST_F(TwoSquares, AreaSelectionNeedsACornerStrictlyInside) {
  // Corners of square 1 lie on the rectangle's edges: unchanged. Node 4
  // (10, 10) is strictly inside (9, 9)-(11, 11): squares 1, 2 and the
  // triangle all have it as a corner.
  EXPECT_EQ(ELSelect(m, 10, 10, 0, 0, 5), 0);
  EXPECT_EQ(m.MAT[1], 1);
  EXPECT_EQ(ELSelect(m, 11, 11, 9, 9, 5), 3);
  EXPECT_EQ(m.MAT[1], 5);
  EXPECT_EQ(m.MAT[2], 5);
  EXPECT_EQ(m.MAT[3], 5);
  // Only node 7 (5, 20): the triangle alone.
  EXPECT_EQ(ELSelect(m, 4, 19, 6, 21, 9), 1);
  EXPECT_EQ(m.MAT[3], 9);
  EXPECT_EQ(m.MAT[1], 5);
}

TEST(ListToggle, KeepsAscendingOrderAndFlips) {
  std::vector<int32_t> list;
  for (int node : {30, 10, 20}) list = toggledList(list, 40, node);
  EXPECT_EQ(list, (std::vector<int32_t>{10, 20, 30}));
  EXPECT_EQ(toggledList(list, 40, 20), (std::vector<int32_t>{10, 30}));
  EXPECT_EQ(toggledList(toggledList(list, 40, 25), 40, 25), list);
  // No node found: the list is only rewritten.
  EXPECT_EQ(toggledList({7, 3, 3, 99, 0}, 40, -1), (std::vector<int32_t>{3, 7}));
}

}  // namespace
}  // namespace meshcond::ui
