// The indexed model against the literal one on random networks: every table
// and every written file must be identical.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>

#include "common/errors.h"
#include "linemesh/files/m2w_file.h"
#include "linemesh/files/m3w_file.h"
#include "linemesh/files/mesh_file.h"
#include "linemesh/files/plots.h"
#include "linemesh/files/voka_file.h"
#include "literal_network.h"
#include "test_networks.h"

namespace linemesh::testing {
namespace {

using Rng = std::mt19937_64;

int iterations(int fallback) {
  const char* text = std::getenv("LINEMESH_DIFF_ITERATIONS");
  return text ? std::atoi(text) : fallback;
}

double uniform(Rng& rng, double lo, double hi) {
  return std::uniform_real_distribution<double>(lo, hi)(rng);
}
int between(Rng& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
bool chance(Rng& rng, double p) { return uniform(rng, 0, 1) < p; }

/// A small offset that makes near ties: within 1e-10, within 0.01, or at its edges.
double nearTie(Rng& rng) {
  static const double kOffsets[] = {0,     0,      0,      5e-11, -5e-11, 2e-10,
                                    0.004, -0.004, 0.0099, 0.01,  0.0101, 0.02};
  return kOffsets[between(rng, 0, std::size(kOffsets) - 1)];
}

/// A jittered grid with missing sides, diagonals, spurs, divided sides and long lines.
std::vector<Segment> gridNetwork(Rng& rng) {
  const int cols = between(rng, 1, 6), rows = between(rng, 1, 5);
  const double jitter = std::array<double, 5>{0, 1e-11, 0.004, 0.03, 0.2}[between(rng, 0, 4)];
  std::vector<std::vector<std::array<double, 2>>> p(cols + 1,
                                                    std::vector<std::array<double, 2>>(rows + 1));
  for (int i = 0; i <= cols; ++i)
    for (int j = 0; j <= rows; ++j)
      p[i][j] = {i + uniform(rng, -jitter, jitter), j + uniform(rng, -jitter, jitter)};
  std::vector<Segment> s;
  auto add = [&s](const std::array<double, 2>& a, const std::array<double, 2>& b) {
    s.push_back({a[0], a[1], b[0], b[1]});
  };
  for (int i = 0; i <= cols; ++i)
    for (int j = 0; j <= rows; ++j) {
      if (i < cols && chance(rng, 0.9)) {
        if (chance(rng, 0.1)) {  // a side divided at its middle
          std::array<double, 2> m = {(p[i][j][0] + p[i + 1][j][0]) / 2,
                                     (p[i][j][1] + p[i + 1][j][1]) / 2};
          add(p[i][j], m);
          add(m, p[i + 1][j]);
        } else {
          add(p[i][j], p[i + 1][j]);
        }
      }
      if (j < rows && chance(rng, 0.9)) add(p[i][j + 1], p[i][j]);
      if (i < cols && j < rows && chance(rng, 0.3))
        chance(rng, 0.5) ? add(p[i][j], p[i + 1][j + 1]) : add(p[i + 1][j], p[i][j + 1]);
      if (chance(rng, 0.05)) add(p[i][j], {p[i][j][0] + 0.3, p[i][j][1] + 0.45});
    }
  for (int k = between(rng, 0, 2); k > 0; --k)
    s.push_back({uniform(rng, -0.5, cols + 0.5), uniform(rng, -0.5, rows + 0.5),
                 uniform(rng, -0.5, cols + 0.5), uniform(rng, -0.5, rows + 0.5)});
  std::shuffle(s.begin(), s.end(), rng);
  return s;
}

/// Segments between points of a coarse lattice, with near ties: coincident
/// ends, collinear overlaps, crossings at nodes, reversed duplicates.
std::vector<Segment> latticeNetwork(Rng& rng) {
  auto point = [&rng] {
    return std::array<double, 2>{between(rng, 0, 8) * 0.5 + nearTie(rng),
                                 between(rng, 0, 8) * 0.5 + nearTie(rng)};
  };
  std::vector<Segment> s;
  for (int k = between(rng, 2, 25); k > 0; --k) {
    auto a = point(), b = point();
    s.push_back({a[0], a[1], b[0], b[1]});
    if (chance(rng, 0.05)) s.push_back({b[0], b[1], a[0], a[1]});
  }
  return s;
}

/// Regular polygons (five and six corners), some with spokes to the centre.
std::vector<Segment> polygonNetwork(Rng& rng) {
  std::vector<Segment> s;
  for (int k = between(rng, 1, 3); k > 0; --k) {
    int n = between(rng, 3, 7);
    double cx = between(rng, 0, 3) * 3, cy = between(rng, 0, 3) * 3, r = uniform(rng, 0.5, 1.4);
    double turn = uniform(rng, 0, 1);
    std::vector<std::array<double, 2>> corners;
    for (int i = 0; i < n; ++i) {
      double a = turn + 2 * 3.141592653589793 * i / n;
      corners.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    for (const Segment& side : polygon(corners)) s.push_back(side);
    if (chance(rng, 0.3))
      for (const auto& c : corners)
        if (chance(rng, 0.7)) s.push_back({cx, cy, c[0], c[1]});
  }
  return s;
}

std::vector<Segment> randomNetwork(Rng& rng) {
  switch (between(rng, 0, 2)) {
    case 0:
      return gridNetwork(rng);
    case 1:
      return latticeNetwork(rng);
    default:
      return polygonNetwork(rng);
  }
}

/// Runs the same step on both models: both must succeed or both fail alike.
template <class Fast, class Literal>
void both(LineNetwork& fast, LiteralNetwork& literal, Fast f, Literal l) {
  std::string fastError, literalError;
  try {
    f();
  } catch (const common::Error& e) {
    fastError = e.what();
  }
  try {
    l();
  } catch (const common::Error& e) {
    literalError = e.what();
  }
  ASSERT_EQ(fastError, literalError);
  ASSERT_EQ(tablesOf(fast), tablesOf(literal));
}

/// The lines a writer gives, or its refusal's message.
template <class Write>
std::vector<std::string> linesOrRefusal(Write write) {
  try {
    return write();
  } catch (const common::Error& e) {
    return {std::string("refused: ") + e.what()};
  }
}

void expectSameFiles(const LineNetwork& fast, const LineNetwork& literal) {
  EXPECT_EQ(files::m3wLines(fast), files::m3wLines(literal));
  EXPECT_EQ(linesOrRefusal([&] { return files::meshLines(fast); }),
            linesOrRefusal([&] { return files::meshLines(literal); }));
  EXPECT_EQ(files::m2wLine(fast), files::m2wLine(literal));
  EXPECT_EQ(linesOrRefusal([&] { return files::vokaLines(fast); }),
            linesOrRefusal([&] { return files::vokaLines(literal); }));
  EXPECT_EQ(files::linePlotLines(fast), files::linePlotLines(literal));
  EXPECT_EQ(files::elementPlotLines(fast), files::elementPlotLines(literal));
}

TEST(Differential, DrawingFormingAndWritingMatchTheLiteralModel) {
  const int runs = iterations(300);
  for (int run = 0; run < runs; ++run) {
    SCOPED_TRACE("seed " + std::to_string(run));
    Rng rng(run);
    LineNetwork fast;
    fast.eps = chance(rng, 0.5) ? 0.001 : 0.02;
    fast.ONSNAP = chance(rng, 0.9);
    LiteralNetwork literal(fast);
    for (const Segment& s : randomNetwork(rng))
      ASSERT_NO_FATAL_FAILURE(both(
          fast, literal, [&] { fast.drawLine(s.x1, s.y1, s.x2, s.y2); },
          [&] { literal.drawLine(s.x1, s.y1, s.x2, s.y2); }));

    // Cells walked on the network as drawn: unsorted, dangling lines, loops.
    LineNetwork fastRaw = fast;
    LiteralNetwork literalRaw(fast);
    ASSERT_NO_FATAL_FAILURE(both(
        fastRaw, literalRaw, [&] { fastRaw.reFrame(); }, [&] { literalRaw.reFrame(); }));

    LineNetwork fastSaved = fast;
    LiteralNetwork literalSaved(fast);
    ASSERT_NO_FATAL_FAILURE(both(
        fastSaved, literalSaved, [&] { fastSaved.tidyForSave(); },
        [&] { literalSaved.tidyForSave(); }));
    EXPECT_EQ(files::m3wLines(fastSaved), files::m3wLines(literalSaved));

    ASSERT_NO_FATAL_FAILURE(both(
        fast, literal, [&] { fast.formElements(); }, [&] { literal.formElements(); }));
    expectSameFiles(fast, literal);
  }
}

TEST(Differential, ReNumMatchesOnTablesWithRemovedEntriesAndNearTies) {
  const int runs = iterations(300);
  for (int run = 0; run < runs; ++run) {
    SCOPED_TRACE("seed " + std::to_string(run));
    Rng rng(1000 + run);
    LineNetwork fast;
    int nodes = between(rng, 1, 60);
    for (int k = 0; k < nodes; ++k) {
      fast.appendNode(between(rng, 0, 5) * 0.5 + nearTie(rng),
                      between(rng, 0, 5) * 0.5 + nearTie(rng) * 0.01);
      if (chance(rng, 0.1)) fast.Node[fast.NUMNP].Flag = -1;
    }
    for (int j = between(rng, 0, 80); j > 0; --j) {
      fast.appendLine(between(rng, 1, nodes), between(rng, 1, nodes));
      if (chance(rng, 0.1)) fast.Elem[fast.NUMEL].Flag = -1;
    }
    LiteralNetwork literal(fast);
    ASSERT_NO_FATAL_FAILURE(both(
        fast, literal, [&] { fast.ReNum(); }, [&] { literal.ReNum(); }));
    ASSERT_NO_FATAL_FAILURE(both(
        fast, literal, [&] { fast.PreYoso(); }, [&] { literal.PreYoso(); }));
  }
}

TEST(Differential, SortsMatchTheExchangeSortsOnNearTiesAndColumns) {
  const int runs = iterations(500);
  for (int run = 0; run < runs; ++run) {
    SCOPED_TRACE("seed " + std::to_string(run));
    Rng rng(5000 + run);
    LineNetwork fast;
    const int n = between(rng, 0, 150);
    const int columns = between(rng, 1, 8);
    for (int k = 0; k < n; ++k) {
      double x = between(rng, 0, columns) * (chance(rng, 0.5) ? 0.01 : 1) + nearTie(rng);
      double y = chance(rng, 0.3) ? between(rng, 0, 3) + nearTie(rng) : uniform(rng, -5, 5);
      fast.appendNode(x, y);
      fast.Node[k + 1].No = between(rng, 0, n);
    }
    for (int j = between(rng, 0, 40); j > 0; --j)
      fast.appendLine(between(rng, 0, n + 1), between(rng, 0, n + 1));
    LiteralNetwork literal(fast);
    ASSERT_NO_FATAL_FAILURE(both(
        fast, literal, [&] { fast.XSort(); }, [&] { literal.XSort(); }));
    ASSERT_NO_FATAL_FAILURE(both(
        fast, literal, [&] { fast.YSort(); }, [&] { literal.YSort(); }));
    ASSERT_NO_FATAL_FAILURE(both(
        fast, literal, [&] { fast.XSort(); }, [&] { literal.XSort(); }));
    ASSERT_NO_FATAL_FAILURE(both(
        fast, literal, [&] { fast.ElemSort(); }, [&] { literal.ElemSort(); }));
  }
}

TEST(Differential, ALineAcrossManyLinesMatches) {
  Rng rng(77);
  LineNetwork fast;
  fast.eps = 0.001;
  for (int i = 0; i < 300; ++i) {
    double x = uniform(rng, 0, 100);
    fast.drawLine(x, uniform(rng, -10, -1), x + uniform(rng, -1, 1), uniform(rng, 1, 10));
  }
  LiteralNetwork literal(fast);
  ASSERT_NO_FATAL_FAILURE(both(
      fast, literal, [&] { fast.drawLine(-1, 0.5, 101, -0.5); },
      [&] { literal.drawLine(-1, 0.5, 101, -0.5); }));
  ASSERT_NO_FATAL_FAILURE(both(
      fast, literal, [&] { fast.formElements(); }, [&] { literal.formElements(); }));
}

// Long: LINEMESH_DIFF_GRID=60 compares formation on a 60 x 60 grid (about
// 5000 nodes, 9000 lines); the literal model takes seconds there.
TEST(Differential, FormationOnALargeGridMatches) {
  const char* text = std::getenv("LINEMESH_DIFF_GRID");
  if (!text) GTEST_SKIP() << "set LINEMESH_DIFF_GRID to run";
  LineNetwork fast = jitteredGrid(std::atoi(text), 5);
  LiteralNetwork literal(fast);
  ASSERT_EQ(tablesOf(fast), tablesOf(literal));
  ASSERT_NO_FATAL_FAILURE(both(
      fast, literal, [&] { fast.formElements(); }, [&] { literal.formElements(); }));
  EXPECT_GT(fast.NE, 0);
  expectSameFiles(fast, literal);
}

}  // namespace
}  // namespace linemesh::testing
