// The analysis model: derived values, node codes, fixed-level groups,
// centroids, geometry and the view extent.
#include "meshcond/model/analysis_model.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/errors.h"
#include "tests/meshcond/test_support.h"

namespace meshcond {
namespace {

using testing::squareElementModel;

TEST(AnalysisModel, DerivesNummatFromTheLargestMaterial) {
  AnalysisModel m = squareElementModel();
  m.NUMEL = 0;
  m.deriveNUMMAT();
  EXPECT_EQ(m.NUMMAT, 0);
  m.NUMEL = 2;
  m.MAT[1] = 1;
  m.MAT[2] = 5;
  m.deriveNUMMAT();
  EXPECT_EQ(m.NUMMAT, 5);
  m.MAT[1] = -3;
  m.MAT[2] = 0;
  m.deriveNUMMAT();
  EXPECT_EQ(m.NUMMAT, 0);
}

TEST(AnalysisModel, DerivesRmaxOnlyWithRainfallNodes) {
  AnalysisModel m = squareElementModel();
  m.RMAX = 7.0;
  m.NRTIME = 2;
  m.RAIN[1] = -1.0;
  m.RAIN[2] = -2.0;
  m.deriveRMAX();
  EXPECT_EQ(m.RMAX, 7.0);  // no rainfall nodes: kept
  m.NRAIN = 1;
  m.RAINN[1] = 1;
  m.deriveRMAX();
  EXPECT_EQ(m.RMAX, 0.0);
  m.RAIN[2] = 0.004;
  m.deriveRMAX();
  EXPECT_EQ(m.RMAX, 0.004);
}

TEST(AnalysisModel, NodeCodesFollowLevelsBoundariesAndRainfall) {
  AnalysisModel m = squareElementModel();
  m.NFIXWL = 1;
  m.FIXWL[1] = 5.0;
  m.IFIXG[1] = 1;
  m.IFIXG[2] = 1;
  m.NFLUCT = 1;
  m.NFN[1] = 1;
  storeAt(m.FLN[1], 1, 2);
  m.NRAIN = 2;
  m.RAINN[1] = 3;
  m.RAINN[2] = 4;
  m.H[3] = 10.0;   // exactly at the level: 4
  m.H[4] = 9.999;  // 1 mm lower than the node: -4
  m.deriveNodeCodes();
  EXPECT_EQ(m.KODE[1], 1);
  EXPECT_EQ(m.H[1], 5.0);
  EXPECT_EQ(m.KODE[2], 1);
  EXPECT_EQ(m.KODE[3], 4);
  EXPECT_EQ(m.KODE[4], -4);
  // The rebuild drops the boundary node from its group.
  m.rebuildFixedLevelGroups();
  EXPECT_EQ(m.IFIXG[1], 1);
  EXPECT_EQ(m.IFIXG[2], 0);
  EXPECT_EQ(m.NFIXWL, 1);
}

TEST(AnalysisModel, NodeCodesRefuseListNodesOutsideTheMesh) {
  AnalysisModel m = squareElementModel();
  m.NRAIN = 1;
  m.RAINN[1] = 5;
  m.KODE[1] = 1;
  AnalysisModel before = m;
  EXPECT_THROW(m.deriveNodeCodes(), common::RangeError);
  EXPECT_TRUE(m == before);
}

TEST(AnalysisModel, FixedLevelGroupsCompareHeadsExactly) {
  AnalysisModel m = squareElementModel();
  for (int n = 1; n <= 4; ++n) m.KODE[n] = 1;
  m.H[1] = 1.0;
  m.H[2] = std::nextafter(1.0, 2.0);
  m.H[3] = 0.0;
  m.H[4] = -0.0;
  m.rebuildFixedLevelGroups();
  EXPECT_EQ(m.NFIXWL, 3);
  EXPECT_EQ(m.IFIXG[1], 1);
  EXPECT_EQ(m.IFIXG[2], 2);
  EXPECT_EQ(m.IFIXG[3], 3);
  EXPECT_EQ(m.IFIXG[4], 3);
}

TEST(AnalysisModel, AHundredAndFirstLevelIsRefused) {
  AnalysisModel m;
  m.NUMNP = 101;
  for (int n = 1; n <= 101; ++n) {
    m.KODE[n] = 1;
    m.H[n] = n;
  }
  EXPECT_THROW(m.rebuildFixedLevelGroups(), common::RangeError);
  m.NUMNP = 100;
  m.rebuildFixedLevelGroups();
  EXPECT_EQ(m.NFIXWL, 100);
}

TEST(AnalysisModel, CentroidsWeighTheTwoTrianglesOfAQuadrilateral) {
  AnalysisModel m;
  // Triangle (1,2,3) of area 1 and triangle (1,3,4) of area 3.
  m.NUMNP = 4;
  m.X[1] = 0;
  m.Y[1] = 0;
  m.X[2] = 2;
  m.Y[2] = 0;
  m.X[3] = 2;
  m.Y[3] = 1;
  m.X[4] = -4;
  m.Y[4] = 1;
  m.NUMEL = 1;
  m.KI[1] = Corners{0, 1, 2, 3, 4};
  m.KN[1] = 4;
  m.computeCentroids();
  double c1x = 4.0 / 3, c1y = 1.0 / 3, c2x = -2.0 / 3, c2y = 2.0 / 3;
  EXPECT_NEAR(m.Gx[1], c1x + 0.75 * (c2x - c1x), 1e-12);
  EXPECT_NEAR(m.Gy[1], c1y + 0.75 * (c2y - c1y), 1e-12);
}

TEST(AnalysisModel, DegenerateElementsTakeThePlainMean) {
  AnalysisModel m;
  m.NUMNP = 4;
  for (int n = 1; n <= 4; ++n) {
    m.X[n] = n;
    m.Y[n] = 2 * n;
  }
  m.NUMEL = 1;
  m.KI[1] = Corners{0, 1, 2, 3, 4};
  m.KN[1] = 4;
  m.computeCentroids();
  EXPECT_DOUBLE_EQ(m.Gx[1], 2.5);
  EXPECT_DOUBLE_EQ(m.Gy[1], 5.0);
}

TEST(Geometry, PointInTriangle) {
  EXPECT_TRUE(pointInTriangle(0, 0, 1, 0, 0, 1, 0, 0));
  EXPECT_TRUE(pointInTriangle(0, 0, 1, 0, 0, 1, 0.25, 0.25));
  EXPECT_FALSE(pointInTriangle(0, 0, 1, 0, 0, 1, 0.5, -1e-6));
  EXPECT_FALSE(pointInTriangle(0, 0, 1, 1, 2, 2, 1, 1));  // degenerate
  EXPECT_DOUBLE_EQ(triangleArea(0, 0, 3, 0, 0, 4), 6.0);
  EXPECT_DOUBLE_EQ(distance(0, 0, 3, 4), 5.0);
}

TEST(Geometry, SoilTypeRule) {
  EXPECT_EQ(soilTypeOf(0.049), SoilType::Gravel);
  EXPECT_EQ(soilTypeOf(0.05), SoilType::Clay);
  EXPECT_EQ(soilTypeOf(0.1), SoilType::Sand);
  AnalysisModel m;
  m.setSoilCurves(3, SoilType::Sand);
  EXPECT_EQ(m.NKR[3], 21);
  EXPECT_EQ(m.NPSI[3], 16);
  EXPECT_EQ(m.THPSI[3][1], 0.119);
  EXPECT_EQ(m.PSI[3][16], 0.0);
  EXPECT_EQ(m.KR[3][21], 1.0);
}

TEST(View, ExtentNeverFails) {
  AnalysisModel m;
  Extent empty = xmaxxmin(m, 800, 600);
  EXPECT_TRUE(std::isfinite(empty.xmin) && std::isfinite(empty.xmax));
  m.NUMNP = 1;
  m.X[1] = 3;
  m.Y[1] = 4;
  Extent single = xmaxxmin(m, 800, 600);
  EXPECT_LT(single.xmin, 3.0);
  EXPECT_GT(single.xmax, 3.0);
  m = squareElementModel();
  Extent box = xmaxxmin(m, 800, 400);  // wider area: x widened around the centre
  EXPECT_DOUBLE_EQ(box.ymin, 0.0);
  EXPECT_DOUBLE_EQ(box.ymax, 10.0);
  EXPECT_DOUBLE_EQ(box.xmin, -5.0);
  EXPECT_DOUBLE_EQ(box.xmax, 15.0);
}

TEST(View, NodeBoundsKeepTheFirstOfEqualValues) {
  AnalysisModel m;
  EXPECT_EQ(nodeBounds(m).xmax, 0.0);
  m.NUMNP = 2;
  m.X[1] = -0.0;
  m.X[2] = 0.0;
  Extent box = nodeBounds(m);
  EXPECT_TRUE(std::signbit(box.xmin));
  EXPECT_TRUE(std::signbit(box.xmax));
}

}  // namespace
}  // namespace meshcond
