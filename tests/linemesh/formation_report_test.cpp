#include "linemesh/model/formation_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <nlohmann/json.hpp>
#include <numeric>
#include <set>

#include "linemesh/files/report_file.h"
#include "test_networks.h"

namespace linemesh {
namespace {

using testing::jitteredGrid;
using testing::networkOf;
using testing::nodeText;
using testing::polygon;
using testing::Segment;

std::vector<std::string> cornerTexts(const LineNetwork& net, const std::vector<int>& walk) {
  std::vector<std::string> texts;
  for (int k : walk) texts.push_back(nodeText(net, k));
  return texts;
}

std::vector<std::array<double, 2>> regular(int n, double r) {
  std::vector<std::array<double, 2>> points;
  for (int i = 0; i < n; ++i)
    points.push_back({r * std::cos(2 * M_PI * i / n), r * std::sin(2 * M_PI * i / n)});
  return points;
}

std::vector<Segment> join(std::vector<Segment> a, const std::vector<Segment>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(Faces, TwoCellsCounterClockwiseFromTheirSmallestSide) {
  LineNetwork net = networkOf(join(polygon({{0, 0}, {2, 0}, {2, 1}, {0, 1}}), {{1, 0, 1, 1}}));
  net.formElements();  // numbers the nodes column by column
  const std::vector<Face> faces = findFaces(net);
  ASSERT_EQ(faces.size(), 2u);
  EXPECT_EQ(cornerTexts(net, faces[0].corners),
            (std::vector<std::string>{"0.000,0.000", "1.000,0.000", "1.000,1.000", "0.000,1.000"}));
  EXPECT_EQ(cornerTexts(net, faces[1].corners),
            (std::vector<std::string>{"1.000,0.000", "2.000,0.000", "2.000,1.000", "1.000,1.000"}));
  for (const Face& f : faces) {
    EXPECT_DOUBLE_EQ(f.area, 1.0);
    EXPECT_TRUE(f.holes.empty());
  }
}

TEST(Faces, StraightCornersFreeLinesAndEmptyNetworks) {
  EXPECT_TRUE(findFaces(LineNetwork()).empty());
  EXPECT_TRUE(findFaces(networkOf({{0, 0, 1, 0}, {1, 0, 1, 1}})).empty());  // no cell

  // A node in the middle of a side is a corner of the face.
  LineNetwork split = networkOf(polygon({{0, 0}, {1, 0}, {2, 0}, {2, 2}, {0, 2}}));
  ASSERT_EQ(findFaces(split).size(), 1u);
  EXPECT_EQ(findFaces(split)[0].corners.size(), 5u);
  EXPECT_DOUBLE_EQ(findFaces(split)[0].area, 4.0);

  // A line with a free end inside is walked out and back; the area stays.
  LineNetwork spur = networkOf(join(polygon({{0, 0}, {2, 0}, {2, 2}, {0, 2}}), {{0, 0, 1, 1}}));
  const std::vector<Face> faces = findFaces(spur);
  ASSERT_EQ(faces.size(), 1u);
  EXPECT_EQ(faces[0].corners.size(), 6u);
  EXPECT_DOUBLE_EQ(faces[0].area, 4.0);
}

TEST(Faces, PartsInsideAFaceAreHolesOfTheInnermostFace) {
  // Three nested squares, none touching, and a separate square beside them.
  LineNetwork net = networkOf(join(join(polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}}),
                                        polygon({{2, 2}, {8, 2}, {8, 8}, {2, 8}})),
                                   join(polygon({{4, 4}, {6, 4}, {6, 6}, {4, 6}}),
                                        polygon({{20, 0}, {21, 0}, {21, 1}, {20, 1}}))));
  std::vector<Face> faces = findFaces(net);
  ASSERT_EQ(faces.size(), 4u);
  std::sort(faces.begin(), faces.end(),
            [](const Face& a, const Face& b) { return a.area < b.area; });
  EXPECT_DOUBLE_EQ(faces[0].area, 1.0);   // beside
  EXPECT_DOUBLE_EQ(faces[1].area, 4.0);   // innermost
  EXPECT_DOUBLE_EQ(faces[2].area, 32.0);  // 36 less the innermost
  EXPECT_DOUBLE_EQ(faces[3].area, 64.0);  // 100 less the middle square
  EXPECT_TRUE(faces[0].holes.empty());
  EXPECT_TRUE(faces[1].holes.empty());
  ASSERT_EQ(faces[2].holes.size(), 1u);
  ASSERT_EQ(faces[3].holes.size(), 1u);
  EXPECT_LT(twiceSignedArea(net, faces[2].holes[0]), 0.0);  // clockwise
  EXPECT_DOUBLE_EQ(twiceSignedArea(net, faces[3].holes[0]), -72.0);

  // A point picks the face whose region holds it, holes excluded.
  const std::pair<std::array<double, 2>, double> picks[] = {
      {{5, 5}, 4.0}, {{3, 3}, 32.0}, {{1, 9}, 64.0}, {{20.5, 0.5}, 1.0}};
  for (const auto& [point, area] : picks) {
    const int f = faceContaining(net, faces, point[0], point[1]);
    ASSERT_GE(f, 0);
    EXPECT_DOUBLE_EQ(faces[f].area, area);
  }
  EXPECT_EQ(faceContaining(net, faces, 15, 5), -1);
}

TEST(Faces, CountAndAreasAgreeWithEulerOnAJitteredGrid) {
  LineNetwork net = jitteredGrid(40, 9);
  net.ReNum();
  const std::vector<Face> faces = findFaces(net);
  std::set<std::pair<int, int>> sides;
  std::vector<int> parent(net.NUMNP + 1);
  std::iota(parent.begin(), parent.end(), 0);
  std::function<int(int)> root = [&](int k) {
    return parent[k] == k ? k : parent[k] = root(parent[k]);
  };
  for (int j = 1; j <= net.NUMEL; ++j) {
    auto [a, b] = std::minmax(net.Elem[j].N1, net.Elem[j].N2);
    sides.insert({a, b});
    parent[root(a)] = root(b);
  }
  std::set<int> parts;
  for (int k = 1; k <= net.NUMNP; ++k) parts.insert(root(k));
  // Bounded faces of a plane graph: E - V + C.
  EXPECT_EQ(static_cast<long>(faces.size()),
            static_cast<long>(sides.size()) - net.NUMNP + static_cast<long>(parts.size()));
  double total = 0.0;
  for (const Face& f : faces) {
    EXPECT_GT(f.area, 0.0);
    total += f.area;
  }
  EXPECT_GT(total, 39.0 * 39.0 * 0.8);
  EXPECT_EQ(findFaces(net).size(), faces.size());  // the same on every call
}

TEST(FormationReport, KnownNetworks) {
  struct Case {
    const char* name;
    std::vector<Segment> lines;
    int elements, triangles, quadrilaterals, fiveCorner, cellsWithout, nodesWithout;
    double minAngle, maxAngle;
  };
  const Case cases[] = {
      // The T-junction line joins the sides it ends on: two quadrilaterals.
      {"square cut by a T-junction line",
       join(polygon({{0, 0}, {2, 0}, {2, 1}, {0, 1}}), {{1, 0, 1, 1}}), 2, 0, 2, 0, 0, 0, 90, 90},
      {"hexagon", polygon(regular(6, 1)), 0, 0, 0, 0, 1, 6, 0, 0},
      {"pentagon", polygon(regular(5, 1)), 0, 0, 0, 1, 0, 5, 0, 0},
      {"square with both diagonals and a line through their crossing",
       join(join(polygon({{0, 0}, {2, 0}, {2, 2}, {0, 2}}), {{0, 0, 2, 2}, {2, 0, 0, 2}}),
            {{0, 1, 2, 1}}),
       6, 6, 0, 0, 0, 0, 45, 90},
      {"square with a node in the middle of a side",
       polygon({{0, 0}, {1, 0}, {2, 0}, {2, 2}, {0, 2}}), 0, 0, 0, 0, 1, 5, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LineNetwork net = networkOf(c.lines);
    net.formElements();
    const LineNetwork before = net;
    const FormationReport r = reportFormation(net);
    EXPECT_EQ(testing::tablesOf(net), testing::tablesOf(before));  // changes nothing
    EXPECT_EQ(r.elements, c.elements);
    EXPECT_EQ(r.triangles, c.triangles);
    EXPECT_EQ(r.quadrilaterals, c.quadrilaterals);
    EXPECT_EQ(static_cast<int>(r.fiveCornerCells.size()), c.fiveCorner);
    EXPECT_EQ(static_cast<int>(r.cellsWithoutElement.size()), c.cellsWithout);
    EXPECT_EQ(static_cast<int>(r.nodesWithoutElement.size()), c.nodesWithout);
    EXPECT_NEAR(r.minAngle, c.minAngle, 1e-9);
    EXPECT_NEAR(r.maxAngle, c.maxAngle, 1e-9);
    EXPECT_EQ(r.faultless(), c.fiveCorner + c.cellsWithout + c.nodesWithout == 0);
  }
}

TEST(FormationReport, HexagonCellAndItsJson) {
  LineNetwork net = networkOf(polygon(regular(6, 1)));
  net.formElements();
  const FormationReport r = reportFormation(net);
  ASSERT_EQ(r.cellsWithoutElement.size(), 1u);
  EXPECT_NEAR(r.cellsWithoutElement[0].area, 3 * std::sqrt(3.0) / 2, 1e-12);
  EXPECT_EQ(r.nodesWithoutElement, (std::vector<int>{1, 2, 3, 4, 5, 6}));

  const nlohmann::json doc = nlohmann::json::parse(files::reportJson(r));
  std::set<std::string> keys;
  for (const auto& [key, value] : doc.items()) keys.insert(key);
  EXPECT_EQ(keys, (std::set<std::string>{"elements", "triangles", "quadrilaterals",
                                         "five_corner_cells", "cells_without_element",
                                         "nodes_without_element", "min_angle", "max_angle"}));
  EXPECT_EQ(doc["elements"], 0);
  EXPECT_EQ(doc["cells_without_element"][0]["corners"].size(), 6u);
  EXPECT_NEAR(doc["cells_without_element"][0]["area"].get<double>(), 3 * std::sqrt(3.0) / 2, 1e-12);
  EXPECT_EQ(doc["nodes_without_element"], nlohmann::json({1, 2, 3, 4, 5, 6}));
  EXPECT_TRUE(doc["min_angle"].is_null());
}

TEST(FormationReport, ALongCellIsNamedByItsFirstCorners) {
  std::vector<std::array<double, 2>> points;
  for (int i = 0; i <= 20; ++i) points.push_back({static_cast<double>(i), 0});
  points.push_back({10, 5});
  LineNetwork net = networkOf(polygon(points));
  net.formElements();
  const std::vector<std::string> lines = faultLines(reportFormation(net), net, 1);
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines[0].find("-…（22 節点） (0.000, 0.000) 面積 50.000"), std::string::npos)
      << lines[0];
}

TEST(FormationReport, PentagonIsReportedOnceAndWorstElementsComeFirst) {
  LineNetwork pentagon = networkOf(polygon(regular(5, 1)));
  pentagon.formElements();
  const nlohmann::json doc = nlohmann::json::parse(files::reportJson(reportFormation(pentagon)));
  ASSERT_EQ(doc["five_corner_cells"].size(), 1u);
  EXPECT_EQ(doc["five_corner_cells"][0].size(), 5u);
  EXPECT_TRUE(doc["cells_without_element"].empty());

  // A unit square beside a flat triangle: the triangle is the worst element.
  LineNetwork net = networkOf(
      join(polygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}}), polygon({{1, 0}, {5, 0}, {5, 0.2}})));
  net.formElements();
  const FormationReport r = reportFormation(net);
  ASSERT_EQ(r.elements, 2);
  ASSERT_EQ(r.worstElements.size(), 2u);
  EXPECT_EQ(net.cornerCount(r.worstElements[0].element), 3);
  EXPECT_NEAR(r.worstElements[1].skewness, 0.0, 1e-12);
  EXPECT_NEAR(r.minAngle, std::atan(0.2 / 4) * 180 / M_PI, 1e-9);
}

}  // namespace
}  // namespace linemesh
