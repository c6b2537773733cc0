// The grid index answers exactly as the literal scan: nearest point, lowest
// number among equally near ones, only distances below 9999999 counted.
#include <gtest/gtest.h>

#include <random>

#include "meshcond/model/analysis_model.h"
#include "meshcond/model/node_index.h"

namespace meshcond {
namespace {

/// The literal search: best distance starts at 9999999, only a strictly
/// smaller one replaces it.
PointIndex::Hit literalNearest(const std::vector<double>& xs, const std::vector<double>& ys,
                               int count, double x, double y) {
  int best = 0;
  double bestDistance = 9999999.0;
  for (int n = 1; n <= count; ++n) {
    double d = std::sqrt((xs[n] - x) * (xs[n] - x) + (ys[n] - y) * (ys[n] - y));
    if (d < bestDistance) {
      bestDistance = d;
      best = n;
    }
  }
  return best > 0 ? PointIndex::Hit{best, bestDistance} : PointIndex::Hit{};
}

struct Cloud {
  const char* name;
  int count;
  double width, height;
  bool integral;  // integer coordinates: many exact ties
};

TEST(PointIndex, AgreesWithTheLiteralScan) {
  const Cloud clouds[] = {
      {"small", 10, 100, 100, false},        {"ties on a lattice", 3000, 20, 20, true},
      {"square", 5000, 1000, 1000, false},   {"thin strip", 4000, 1e6, 0.001, false},
      {"vertical line", 2000, 0, 500, true}, {"tiny spread", 3000, 1e-6, 1e-6, false},
  };
  std::mt19937_64 random(12345);
  for (const Cloud& c : clouds) {
    SCOPED_TRACE(c.name);
    std::vector<double> xs(c.count + 1), ys(c.count + 1);
    std::uniform_real_distribution<double> ux(0, c.width), uy(0, c.height);
    for (int n = 1; n <= c.count; ++n) {
      xs[n] = c.integral ? std::floor(ux(random)) : ux(random);
      ys[n] = c.integral ? std::floor(uy(random)) : uy(random);
      if (n > 5 && n % 7 == 0) {  // duplicates of earlier points
        xs[n] = xs[n / 2];
        ys[n] = ys[n / 2];
      }
    }
    PointIndex index(xs, ys, c.count);
    std::uniform_real_distribution<double> qx(-0.2 * c.width - 1, 1.2 * c.width + 1),
        qy(-0.2 * c.height - 1, 1.2 * c.height + 1);
    for (int q = 0; q < 3000; ++q) {
      double x, y;
      if (q % 3 == 0) {
        int n = 1 + static_cast<int>(random() % c.count);
        x = xs[n];
        y = ys[n];
      } else {
        x = c.integral ? std::floor(qx(random)) + 0.5 * (q % 2) : qx(random);
        y = c.integral ? std::floor(qy(random)) : qy(random);
      }
      PointIndex::Hit want = literalNearest(xs, ys, c.count, x, y);
      PointIndex::Hit got = index.nearest(x, y);
      ASSERT_EQ(got.number, want.number) << "query (" << x << ", " << y << ")";
      ASSERT_EQ(got.distance, want.distance);
      int at = want.number > 0 && want.distance < 0.0001 ? want.number : -1;
      ASSERT_EQ(index.pointAt(x, y), at);
    }
    // Far queries: beyond 9999999 nothing counts.
    EXPECT_EQ(index.nearest(3e7, 3e7).number, 0);
    EXPECT_EQ(index.nearest(-2e7, 0).number, literalNearest(xs, ys, c.count, -2e7, 0).number);
  }
}

TEST(PointIndex, EmptyAndSinglePointSets) {
  std::vector<double> xs(2, 0.0), ys(2, 0.0);
  EXPECT_EQ(PointIndex(xs, ys, 0).nearest(0, 0).number, 0);
  EXPECT_EQ(PointIndex(xs, ys, 1).pointAt(0, 0.00009), 1);
  EXPECT_EQ(PointIndex(xs, ys, 1).pointAt(0, 0.0001), -1);
}

TEST(PointIndex, GetPointIsTheLiteralSearch) {
  AnalysisModel m;
  m.NUMNP = 3;
  m.X[1] = 1;
  m.X[2] = 1;  // same place: the lower number wins
  m.X[3] = 2;
  EXPECT_EQ(m.getPoint(1, 0), 1);
  EXPECT_EQ(m.getPoint(2.00005, 0), 3);
  EXPECT_EQ(m.getPoint(1.5, 0), -1);
}

}  // namespace
}  // namespace meshcond
