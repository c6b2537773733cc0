#include "linemesh/model/auto_mesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "common/errors.h"
#include "linemesh/model/faces.h"
#include "linemesh/model/formation_report.h"
#include "linemesh/model/mesh_insert.h"
#include "test_networks.h"

namespace linemesh {
namespace {

using testing::networkOf;
using testing::polygon;
using testing::Segment;
using testing::tablesOf;

std::vector<Segment> join(std::vector<std::vector<Segment>> parts) {
  std::vector<Segment> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

std::vector<Segment> rectangle(double x0, double y0, double x1, double y1) {
  return polygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
}

double elementArea(const LineNetwork& net, int e) {
  std::vector<int> corners;
  for (int c = 1; c <= net.cornerCount(e); ++c) corners.push_back(net.KI[e][c]);
  return twiceSignedArea(net, corners) / 2;
}

/// Meshes, forms, and checks what must hold of every result: the faces that
/// were meshed are covered exactly by elements lying inside them, formation
/// finds no fault there, and every angle is within the bounds.
struct Outcome {
  AutoMeshResult result;
  FormationReport report;
  std::map<int, int> elementsInFace;  // face of the network before meshing -> elements
  std::string faults;                 // the report's fault lines
};

Outcome meshAndForm(LineNetwork& net, const AutoMeshRequest& request, double minAngle = 20,
                    double maxAngle = 160) {
  LineNetwork before = net;
  before.PreYoso();
  const std::vector<Face> faces = findFaces(before);
  Outcome o;
  o.result = autoMesh(net, request);
  net.formElements();
  o.report = reportFormation(net);
  std::map<int, double> covered;
  for (int e = 1; e <= net.NE; ++e) {
    if (net.KN[e] < 0) continue;
    double x = 0, y = 0;
    const int n = net.cornerCount(e);
    for (int c = 1; c <= n; ++c)
      x += net.Node[net.KI[e][c]].X / n, y += net.Node[net.KI[e][c]].Y / n;
    const int f = faceContaining(before, faces, x, y);
    EXPECT_GE(f, 0) << "element " << e << " lies in no face";
    EXPECT_GT(elementArea(net, e), 0.0) << "element " << e;
    covered[f] += elementArea(net, e);
    ++o.elementsInFace[f];
    const ElementAngles a = elementAngles(net, e);
    EXPECT_GE(a.minAngle, minAngle) << "element " << e;
    EXPECT_LE(a.maxAngle, maxAngle) << "element " << e;
  }
  for (const auto& [f, area] : covered)
    if (f >= 0) {
      EXPECT_NEAR(area, faces[f].area, 1e-9 * faces[f].area) << "face " << f;
    }
  EXPECT_TRUE(o.report.fiveCornerCells.empty());
  for (const std::string& line : faultLines(o.report, net, 3)) o.faults += line + "\n";
  return o;
}

TEST(AutoMesh, EveryFaceOfTheseSectionsIsCoveredByGoodElements) {
  struct Case {
    const char* name;
    std::vector<Segment> lines;
    double size;
    int faces;
  };
  const Case cases[] = {
      {"square", rectangle(0, 0, 10, 10), 1.0, 1},
      {"L-shape", polygon({{0, 0}, {12, 0}, {12, 4}, {4, 4}, {4, 10}, {0, 10}}), 1.0, 1},
      {"face with a hole", join({rectangle(0, 0, 20, 10), rectangle(8, 3, 12, 7)}), 1.0, 2},
      {"two layers sharing a boundary with a slope",
       join({polygon({{0, 0}, {30, 0}, {30, 6}, {0, 4}}),
             polygon({{0, 4}, {30, 6}, {30, 12}, {10, 12}})}),
       1.5, 2},
      // Lines inside a face are followed by the mesh.
      {"a line with a free end inside",
       join({rectangle(0, 0, 10, 10), {{0, 0, 3, 3}, {3, 3, 4, 5}}}), 1.0, 1},
      {"a part joined to the boundary by a line",
       join({rectangle(0, 0, 10, 10), rectangle(4, 4, 6, 6), {{0, 0, 4, 4}}}), 1.0, 2},
      {"thin wall in the ground", join({rectangle(0, 0, 40, 30), rectangle(19.7, 8, 20.3, 30)}),
       1.0, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LineNetwork net = networkOf(c.lines);
    const Outcome o = meshAndForm(net, {c.size, {}});
    EXPECT_EQ(o.result.facesMeshed, c.faces);
    EXPECT_EQ(o.result.facesKept, 0);
    EXPECT_TRUE(o.report.faultless()) << o.faults;
    EXPECT_GT(o.report.elements, 0);
    EXPECT_EQ(static_cast<int>(o.elementsInFace.size()), c.faces);
    EXPECT_TRUE(o.result.warning.empty());
  }
}

TEST(AutoMesh, PickedFacesAreMeshedOneByOne) {
  // Two cells sharing the line x = 10. The left one is picked first: the
  // shared line is divided, so the right cell has no element until it is
  // meshed too, and then both sides share the pieces.
  LineNetwork net = networkOf(
      join({rectangle(0, 0, 10, 10), {{10, 0, 16, 0}, {16, 0, 16, 10}, {16, 10, 10, 10}}}));
  Outcome o = meshAndForm(net, {1.0, {{{5, 5}}}});
  EXPECT_EQ(o.result.facesMeshed, 1);
  EXPECT_GT(o.elementsInFace.at(0), 50);
  EXPECT_EQ(o.elementsInFace.count(1), 0u);
  ASSERT_EQ(o.report.cellsWithoutElement.size(), 1u);
  EXPECT_NEAR(o.report.cellsWithoutElement[0].area, 60.0, 1e-9);

  o = meshAndForm(net, {1.0, {{{13, 5}}}});
  EXPECT_EQ(o.result.facesMeshed, 1);
  EXPECT_TRUE(o.report.faultless()) << o.faults;
}

TEST(AutoMesh, ASmallDrawnCellIsKeptAndItsNeighboursMeshAroundIt) {
  // A 0.5 m triangle cut off a corner of a square: at size 1 it stays as drawn.
  LineNetwork net = networkOf(join({rectangle(0, 0, 8, 8), {{7.5, 0, 8, 0.5}}}));
  const Outcome o = meshAndForm(net, {1.0, {}});
  EXPECT_EQ(o.result.facesKept, 1);
  EXPECT_EQ(o.result.facesMeshed, 1);
  EXPECT_TRUE(o.report.faultless()) << o.faults;
  int triangleAtCorner = 0;
  for (int e = 1; e <= net.NE; ++e)
    if (net.cornerCount(e) == 3 && std::fabs(elementArea(net, e) - 0.125) < 1e-12)
      ++triangleAtCorner;
  EXPECT_EQ(triangleAtCorner, 1);
}

TEST(AutoMesh, TheSameInputGivesTheSameTables) {
  const std::vector<Segment> section = join({polygon({{0, 0}, {30, 0}, {30, 6}, {0, 4}}),
                                             polygon({{0, 4}, {30, 6}, {30, 12}, {10, 12}})});
  LineNetwork a = networkOf(section), b = networkOf(section);
  autoMesh(a, {0.7, {}});
  autoMesh(b, {0.7, {}});
  EXPECT_EQ(tablesOf(a), tablesOf(b));
}

TEST(AutoMesh, FailuresLeaveTheNetworkAsItWas) {
  LineNetwork net = networkOf(join({rectangle(0, 0, 180, 180), {{0, 0, -5, -5}}}));
  const std::vector<std::string> before = tablesOf(net);
  struct Case {
    const char* name;
    AutoMeshRequest request;
    const char* message;
  };
  const Case cases[] = {
      {"zero size", {0.0, {}}, "0 より大きい数"},
      {"negative size", {-1.0, {}}, "0 より大きい数"},
      {"not a number", {std::nan(""), {}}, "0 より大きい数"},
      {"a point in no face", {5.0, {{{500, 500}}}}, "(500, 500) を含む閉じた面がありません"},
      {"far beyond the tables", {0.5, {}}, "では節点 約 "},
      {"beyond the tables once meshed", {1.0, {}}, "表の容量"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      autoMesh(net, c.request);
      ADD_FAILURE() << "not refused";
    } catch (const common::Error& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
    EXPECT_EQ(tablesOf(net), before);
  }
}

TEST(MeshInsert, AQuadrilateralWithAFlatCornerBecomesTwoTriangles) {
  LineNetwork net;
  for (auto [x, y] : {std::pair{0.0, 0.0}, {4.0, 0.0}, {4.0, 2.0}, {2.0, 0.1}})
    net.appendNode(x, y);  // node 4 makes a corner of about 174 degrees
  net.appendNode(-1, 0);
  FaceMesh mesh;
  mesh.elements = {{1, 2, 3, 4}, {4, 3, 2, 1}, {1, 2, 3}};
  mesh.newNodes = {{2, -3}};              // node 6
  mesh.elements.push_back({1, 6, 2, 3});  // an ordinary quadrilateral
  const auto split = splitFlatQuadrilaterals(net, mesh);
  ASSERT_EQ(split.size(), 6u);
  EXPECT_EQ(split[0], (std::vector<int>{4, 1, 2}));  // cut from the flat corner
  EXPECT_EQ(split[1], (std::vector<int>{4, 2, 3}));
  EXPECT_EQ(split[2], (std::vector<int>{4, 3, 2}));  // the same, clockwise
  EXPECT_EQ(split[3], (std::vector<int>{4, 2, 1}));
  EXPECT_EQ(split[4], (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(split[5], (std::vector<int>{1, 6, 2, 3}));
}

TEST(MeshInsert, DividedLinesBecomeTheirPiecesAndElementSidesBecomeLines) {
  // A triangle drawn with its bottom line twice; the mesh puts a node in the
  // middle of the bottom and splits the triangle in two.
  LineNetwork net = networkOf(polygon({{0, 0}, {2, 0}, {1, 1}}));
  net.appendLine(net.Elem[1].N2, net.Elem[1].N1);
  const int bottom = 1, lines = net.NUMEL;
  FaceMesh mesh;
  mesh.newNodes = {{1, 0}};
  const int middle = net.NUMNP + 1, apex = 3;
  mesh.lineNodes[bottom] = {middle};
  mesh.elements = {{net.Elem[bottom].N1, middle, apex}, {middle, net.Elem[bottom].N2, apex}};
  const InsertedMesh inserted = insertMesh(net, mesh, 1.0);
  EXPECT_EQ(inserted.nodesAdded, 1);
  EXPECT_EQ(inserted.elements, 2);
  EXPECT_EQ(net.NUMEL, lines - 1 + 1 + 1);  // the twin goes; a second piece; the inner side
  EXPECT_EQ(net.Elem[bottom].N2, middle);
  net.formElements();
  EXPECT_TRUE(reportFormation(net).faultless());
  EXPECT_EQ(net.NE, 2);
}

TEST(MeshInsert, AMeshBeyondTheTablesIsRefusedBeforeAnythingChanges) {
  LineNetwork net = networkOf(rectangle(0, 0, 1, 1));
  const std::vector<std::string> before = tablesOf(net);
  FaceMesh mesh;
  mesh.newNodes.assign(kNodeCapacity, {0.5, 0.5});
  try {
    insertMesh(net, mesh, 0.25);
    ADD_FAILURE() << "not refused";
  } catch (const common::RangeError& e) {
    EXPECT_NE(std::string(e.what()).find("節点 30004、線 4 になり"), std::string::npos) << e.what();
  }
  EXPECT_EQ(tablesOf(net), before);
}

}  // namespace
}  // namespace linemesh
