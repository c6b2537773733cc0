// Carrying conditions over with the grid index gives exactly what the
// literal scans give, on random meshes full of ties and near misses.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "meshcond/model/mesh_file.h"
#include "tests/meshcond/test_support.h"

namespace meshcond {
namespace {

/// The literal nearest search: best distance starts at 9999999 and only a
/// strictly smaller one replaces it.
int literalNearest(const std::vector<double>& xs, const std::vector<double>& ys, int count,
                   double x, double y, double* found) {
  int best = 0;
  double bestDistance = 9999999.0;
  for (int j = 1; j <= count; ++j) {
    double dx = x - xs[j], dy = y - ys[j];
    double d = std::sqrt(dx * dx + dy * dy);
    if (d < bestDistance) {
      bestDistance = d;
      best = j;
    }
  }
  *found = bestDistance;
  return best;
}

Point literalReference(const Corners& c, const std::vector<double>& xs,
                       const std::vector<double>& ys) {
  int count = (c[4] == 0 || c[4] == c[3]) ? 3 : 4;
  double sx = 0, sy = 0;
  for (int k = 1; k <= count; ++k) {
    sx += xs[c[k]];
    sy += ys[c[k]];
  }
  return {sx / count, sy / count};
}

/// A random mesh: coordinates on a 0.005 lattice (ties and near misses),
/// elements over random nodes, some triangles written with corner 4 = corner 3.
AnalysisModel randomMesh(std::mt19937_64& random, int nodes, int elements) {
  AnalysisModel m;
  m.NUMNP = nodes;
  std::uniform_int_distribution<int> coordinate(0, 3000);
  for (int n = 1; n <= nodes; ++n) {
    m.X[n] = coordinate(random) * 0.005;
    m.Y[n] = (coordinate(random) % 600) * 0.005;
  }
  m.NUMEL = elements;
  std::uniform_int_distribution<int> node(1, nodes);
  for (int e = 1; e <= elements; ++e) {
    Corners c{0, node(random), node(random), node(random), node(random)};
    if (e % 3 == 0) c[4] = 0;
    if (e % 5 == 0) c[4] = c[3];
    m.KI[e] = c;
  }
  return m;
}

TEST(ConvertOracle, GridSearchesAgreeWithTheLiteralScans) {
  std::mt19937_64 random(2024);
  for (int round = 0; round < 6; ++round) {
    SCOPED_TRACE(round);
    int oldNodes = 200 + round * 150, newNodes = 300 + round * 120;
    AnalysisModel oldMesh = randomMesh(random, oldNodes, oldNodes / 2);
    AnalysisModel newMesh = randomMesh(random, newNodes, newNodes / 2);
    // Half the new nodes sit on or next to old ones.
    for (int n = 1; n <= newNodes / 2; ++n) {
      int o = 1 + static_cast<int>(random() % oldNodes);
      newMesh.X[n] = oldMesh.X[o] + (n % 4 == 0 ? 0.005 : n % 4 == 1 ? 0.01 : 0.0);
      newMesh.Y[n] = oldMesh.Y[o];
    }

    AnalysisModel m;
    loadMeshLines(m, meshLines(oldMesh), "old");
    for (int n = 1; n <= oldNodes; ++n) {
      m.KODE[n] = static_cast<int>(random() % 3);
      m.H[n] = static_cast<double>(random() % 40) / 7.0;  // at most 40 levels
      m.Q[n] = static_cast<double>(random() % 100);
    }
    for (int e = 1; e <= m.NUMEL; ++e) m.MAT[e] = 1 + static_cast<int>(random() % 9);
    m.NUMMAT = 9;
    m.NRAIN = 150;
    for (int k = 1; k <= m.NRAIN; ++k) m.RAINN[k] = 1 + static_cast<int>(random() % oldNodes);
    const AnalysisModel before = m;

    ConvertReport report = loadMeshLines(m, meshLines(newMesh), "new");

    int unmatchedNodes = 0, unmatchedElements = 0;
    for (int i = 1; i <= m.NUMNP; ++i) {
      double d;
      int j = literalNearest(before.X, before.Y, oldNodes, m.X[i], m.Y[i], &d);
      if (j > 0 && d < 0.01) {
        ASSERT_EQ(m.KODE[i], before.KODE[j]) << "node " << i;
        ASSERT_EQ(m.H[i], before.H[j]) << "node " << i;
        ASSERT_EQ(m.Q[i], before.Q[j]) << "node " << i;
      } else {
        ++unmatchedNodes;
        ASSERT_EQ(m.KODE[i], 0);
        ASSERT_EQ(m.Q[i], 0.0);
        ASSERT_EQ(m.H[i], j > 0 ? before.H[j] : 0.0) << "node " << i;
      }
    }
    std::vector<double> gx(before.NUMEL + 1), gy(before.NUMEL + 1);
    for (int j = 1; j <= before.NUMEL; ++j) {
      Point p = literalReference(before.KI[j], before.X, before.Y);
      gx[j] = p.x;
      gy[j] = p.y;
    }
    for (int i = 1; i <= m.NUMEL; ++i) {
      Point p = literalReference(m.KI[i], m.X, m.Y);
      double d;
      int j = literalNearest(gx, gy, before.NUMEL, p.x, p.y, &d);
      if (j > 0 && d < 0.01) {
        ASSERT_EQ(m.MAT[i], before.MAT[j]) << "element " << i;
      } else {
        ++unmatchedElements;
        ASSERT_EQ(m.MAT[i], 1) << "element " << i;
      }
    }
    int kept = 0;
    for (int k = 1; k <= before.NRAIN; ++k) {
      int o = before.RAINN[k];
      int p = m.getPoint(before.X[o], before.Y[o]);
      if (p >= 1) {
        ASSERT_EQ(m.RAINN[++kept], p) << "rainfall entry " << k;
      }
    }
    EXPECT_EQ(m.NRAIN, kept);
    EXPECT_EQ(report.nodesWithoutPartner, unmatchedNodes);
    EXPECT_EQ(report.elementsWithoutPartner, unmatchedElements);
    EXPECT_EQ(report.droppedEntries, before.NRAIN - kept);
  }
}

}  // namespace
}  // namespace meshcond
