// The grid of numbered points: the lowest number within a tolerance, as a
// scan from 1 would find it.
#include "common/point_grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace common {
namespace {

bool within(double x1, double y1, double x2, double y2, double tolerance) {
  return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1)) < tolerance;
}

TEST(PointGrid, FindsTheFirstPointStrictlyWithinTheTolerance) {
  const double tolerance = 0.01;
  const double xs[] = {0.0, 1.0 + 0.0099, 1.0, 1.0, 1e20};
  const double ys[] = {0.0, 1.0, 1.0, 1.01, 1e20};
  PointGrid grid(2 * tolerance, 4);                        // small: the table grows as points come
  for (int k = 1; k <= 4; ++k) grid.add(k, xs[k], ys[k]);  // 4 beyond the grid's integers
  auto first = [&](double x, double y, auto accept) {
    return grid.lowest(x, y, tolerance, [&](int32_t k) {
      return within(x, y, xs[k], ys[k], tolerance) && accept(k);
    });
  };
  auto all = [](int) { return true; };
  EXPECT_EQ(first(1.0, 1.0, all), 1);
  EXPECT_EQ(first(1.0, 1.0, [](int k) { return k != 1; }), 2);
  EXPECT_EQ(first(1.0, 1.0, [](int k) { return k >= 3; }), -1);  // 3 lies exactly at it
  EXPECT_EQ(first(1.0, 1.0101, all), 3);
  EXPECT_EQ(first(1e20, 1e20, all), 4);
  EXPECT_EQ(first(3.0, 1.0, all), -1);
  EXPECT_EQ(first(NAN, 1.0, all), -1);
}

TEST(PointGrid, EachCellIsWalkedInAscendingOrderAndClearEmptiesIt) {
  PointGrid grid(1.0, 2);
  for (int k = 1; k <= 50; ++k) grid.add(k, 0.5 + (k % 3) * 10.0, 0.5);
  std::vector<int32_t> seen;
  grid.forEachCellNear(0.5, 0.5, 0.1, [&](int32_t k) {
    seen.push_back(k);
    return true;
  });
  std::vector<int32_t> expected;
  for (int k = 3; k <= 50; k += 3) expected.push_back(k);
  EXPECT_EQ(seen, expected);
  grid.clear();
  EXPECT_EQ(grid.lowest(0.5, 0.5, 0.1, [](int32_t) { return true; }), -1);
}

}  // namespace
}  // namespace common
