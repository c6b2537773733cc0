// Loading and saving the mesh file, and carrying conditions over to a new mesh.
#include "meshcond/model/mesh_file.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "tests/meshcond/test_support.h"

namespace meshcond {
namespace {

using testing::gridMeshLines;
using testing::linesOf;

const char* const kExampleMesh =
    "           5           2\n"
    "       1     0.000     0.000\n"
    "       2    10.000     0.000\n"
    "       3    10.000    10.000\n"
    "       4     0.000    10.000\n"
    "       5    20.000     0.000\n"
    "       1       1       2       3       4    4\n"
    "       2       2       5       3       0    3\n";

TEST(MeshFile, FirstMeshGetsTheFirstMeshAssignments) {
  AnalysisModel m;
  ConvertReport report = loadMeshLines(m, linesOf(kExampleMesh), "MESH.DAT");
  EXPECT_FALSE(report.converted);
  EXPECT_EQ(m.NUMNP, 5);
  EXPECT_EQ(m.NUMEL, 2);
  EXPECT_EQ(m.X[5], 20.0);
  EXPECT_EQ(m.KI[2], (Corners{0, 2, 5, 3, 0}));
  EXPECT_EQ(m.KN[1], 4);
  EXPECT_EQ(m.KN[2], 3);
  EXPECT_EQ(m.MAT[2], 1);
  EXPECT_EQ(m.NUMMAT, 1);
  EXPECT_EQ(m.IPAR3, 1);
  EXPECT_EQ(m.ISTEADY, 1);
  EXPECT_EQ(m.IPAR9, 1);
  EXPECT_EQ(m.IPAR14, 1);
  EXPECT_DOUBLE_EQ(m.Gx[2], 40.0 / 3);  // Initial ran
}

TEST(MeshFile, SavedMeshIsTheExampleByteForByte) {
  AnalysisModel m;
  loadMeshLines(m, linesOf(kExampleMesh), "MESH.DAT");
  m.KN[2] = 4;  // stale: the writer derives it again
  EXPECT_EQ(meshLines(m), linesOf(kExampleMesh));
  EXPECT_EQ(m.KN[2], 3);
}

TEST(MeshFile, WideValuesKeepASeparatingBlank) {
  AnalysisModel m;
  m.NUMNP = 1;
  m.X[1] = -10000.0;
  m.Y[1] = 123456.5;
  EXPECT_EQ(meshLines(m)[1], "       1 -10000.000 123456.500");
}

TEST(MeshFile, ElementNumbersDecideTheSlot) {
  AnalysisModel m;
  loadMeshLines(m, linesOf("3 2\n1 0 0\n2 1 0\n3 0 1\n2 1 2 3 0 3\n1 3 2 1 0 3, extra\n"), "m");
  EXPECT_EQ(m.KI[1], (Corners{0, 3, 2, 1, 0}));
  EXPECT_EQ(m.KI[2], (Corners{0, 1, 2, 3, 0}));
}

TEST(MeshFile, MalformedFilesLeaveTheModelUnchanged) {
  struct Case {
    const char* name;
    const char* text;
    const char* message;  // a part of the error text
  };
  const Case cases[] = {
      {"empty file", "", "m.DAT: 1 行目: ファイルがここで終わっています"},
      {"header with one field", "3\n", "1 行目: 値が足りません"},
      {"too many nodes", "20001 0\n", "節点数 20001 は範囲 0..20000 の外です"},
      {"negative element count", "0 -1\n", "要素数 -1"},
      {"missing node line", "3 0\n1 0 0\n2 1 0\n",
       "4 行目: ファイルがここで終わっています（節点行 3 がありません）"},
      {"bad coordinate", "3 0\n1 0 0\n2 1.5x 0\n3 0 1\n", "3 行目: 2 番目の値"},
      {"integer node number", "3 0\n1 0 0\n2.0 1 0\n3 0 1\n", "節点番号"},
      {"element number 0", "3 1\n1 0 0\n2 1 0\n3 0 1\n0 1 2 3 0\n",
       "要素番号 0 は範囲 1..1 の外です"},
      {"element number beyond the count", "3 1\n1 0 0\n2 1 0\n3 0 1\n7 1 2 3 0\n", "要素番号 7"},
      {"element twice", "3 2\n1 0 0\n2 1 0\n3 0 1\n1 1 2 3 0\n1 1 2 3 0\n",
       "要素 1 が 2 回現れます"},
      {"corner beyond the nodes", "3 1\n1 0 0\n2 1 0\n3 0 1\n1 1 2 4 0\n",
       "角 3 4 は範囲 1..3 の外です"},
      {"corner 4 negative", "3 1\n1 0 0\n2 1 0\n3 0 1\n1 1 2 3 -1\n", "角 4 -1"},
      {"corner 1 zero", "3 1\n1 0 0\n2 1 0\n3 0 1\n1 0 2 3 0\n", "角 1 0"},
      {"element line with four fields", "3 1\n1 0 0\n2 1 0\n3 0 1\n1 1 2 3\n", "値が足りません"},
      {"empty element line", "3 1\n1 0 0\n2 1 0\n3 0 1\n\n", "5 行目: 値が足りません"},
      {"missing element line", "3 1\n1 0 0\n2 1 0\n3 0 1\n",
       "5 行目: ファイルがここで終わっています"},
      {"five-corner row", "3 2\n1 0 0\n2 1 0\n3 0 1\n1 1 2 3 0 3\n2 1 2 3 3 -1\n",
       "m.DAT: 6 行目: 要素 2: 角数 -1 は五角形のセル"},
      {"decimal comma", "3 0\n1 100.000 1,5\n2 1 0\n3 0 1\n",
       "m.DAT: 2 行目: 3 番目の値「1,5」は小数点がコンマです"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AnalysisModel m;
    loadMeshLines(m, linesOf(kExampleMesh), "MESH.DAT");
    m.KODE[1] = 1;
    m.H[1] = 3.0;
    m.NUMMAT = 2;
    AnalysisModel before = m;
    try {
      loadMeshLines(m, linesOf(c.text), "m.DAT");
      ADD_FAILURE() << "accepted";
    } catch (const common::Error& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
    EXPECT_TRUE(m == before);
  }
}

TEST(MeshFile, ASixthFieldThatIsNoNegativeIntegerIsNotRead) {
  for (const char* sixth : {"-0", "-1.0", "-x", "4", "abc"}) {
    SCOPED_TRACE(sixth);
    AnalysisModel m;
    loadMeshLines(m, linesOf(std::string("3 1\n1 0 0\n2 1 0\n3 0 1\n1 1 2 3 0 ") + sixth + "\n"),
                  "m");
    EXPECT_EQ(m.KN[1], 3);
  }
}

TEST(MeshFile, CommasWithBlanksRoundThemStillSeparateFields) {
  AnalysisModel m;
  loadMeshLines(m, linesOf("3 , 1\n1 , 0 , 0\n2, 1.5 ,0\n3 ,0 , 1\n1 , 1 , 2 , 3 , 0\n"), "m");
  EXPECT_EQ(m.NUMNP, 3);
  EXPECT_EQ(m.X[2], 1.5);
  EXPECT_EQ(m.KI[1][3], 3);
}

TEST(MeshFile, LinesAfterTheElementsAreIgnored) {
  AnalysisModel m;
  loadMeshLines(m, linesOf(std::string(kExampleMesh) + "garbage\n"), "m");
  EXPECT_EQ(m.NUMEL, 2);
}

/// A 4 x 4 grid with conditions on it.
AnalysisModel conditionedGrid() {
  AnalysisModel m;
  loadMeshLines(m, gridMeshLines(4, 4), "first");
  for (int n = 1; n <= m.NUMNP; ++n) {
    m.KODE[n] = n % 3 == 0 ? 1 : 0;
    m.H[n] = 100.0 + n;
    m.Q[n] = 0.5 * n;
  }
  for (int e = 1; e <= m.NUMEL; ++e) m.MAT[e] = 1 + e % 4;
  m.NUMMAT = 4;
  m.NRAIN = 3;
  m.RAINN[1] = 21;
  m.RAINN[2] = 22;
  m.RAINN[3] = 25;
  m.NFLUCT = 1;
  m.NFN[1] = 2;
  storeAt(m.FLN[1], 1, 1);
  storeAt(m.FLN[1], 2, 6);
  m.NSEEP = 2;
  m.NSEEPN[1] = 1;
  m.SEEPN[1][1] = 5;
  m.NSEEPN[2] = 2;
  m.SEEPN[2][1] = 24;
  m.SEEPN[2][2] = 25;
  m.NFLUX = 1;
  m.NQN[1] = 1;
  storeAt(m.QN[1], 1, 2);
  m.NWL1 = 1;
  m.WL1[1] = 3;
  m.NWL2 = 1;
  m.WL2[1] = 4;
  return m;
}

TEST(Convert, TheSameMeshAgainKeepsEverything) {
  AnalysisModel m = conditionedGrid();
  AnalysisModel before = m;
  ConvertReport report = loadMeshLines(m, gridMeshLines(4, 4), "again");
  EXPECT_TRUE(report.converted);
  EXPECT_EQ(report.nodesWithoutPartner, 0);
  EXPECT_EQ(report.elementsWithoutPartner, 0);
  EXPECT_EQ(report.droppedEntries, 0);
  for (int n = 1; n <= m.NUMNP; ++n) {
    EXPECT_EQ(m.KODE[n], before.KODE[n]);
    EXPECT_EQ(m.H[n], before.H[n]);
    EXPECT_EQ(m.Q[n], before.Q[n]);
  }
  for (int e = 1; e <= m.NUMEL; ++e) EXPECT_EQ(m.MAT[e], before.MAT[e]);
  EXPECT_EQ(m.NRAIN, 3);
  EXPECT_EQ(m.RAINN[3], 25);
  EXPECT_EQ(m.NSEEP, 2);
  EXPECT_EQ(m.SEEPN[2][2], 25);
  EXPECT_EQ(m.QN[1][1], 2);
  EXPECT_EQ(m.WL2[1], 4);
}

TEST(Convert, NodesWithoutPartnerAreFreedAndTakeTheNearestHead) {
  AnalysisModel m = conditionedGrid();
  AnalysisModel next;
  loadMeshLines(next, gridMeshLines(4, 4), "grid");
  next.X[3] += 0.005;  // node 3 (KODE 1) moved a little: keeps its conditions
  next.X[6] += 0.02;   // node 6 moved too far: freed, head of old node 6
  loadMeshLines(m, meshLines(next), "moved");
  EXPECT_EQ(m.KODE[3], 1);
  EXPECT_EQ(m.Q[3], 1.5);
  EXPECT_EQ(m.KODE[6], 0);
  EXPECT_EQ(m.Q[6], 0.0);
  EXPECT_EQ(m.H[6], 106.0);
}

TEST(Convert, ListEntriesWithoutANodeAreDropped) {
  AnalysisModel m = conditionedGrid();
  AnalysisModel before = m;
  // A 2 x 2 grid of step 2 keeps only the even positions of the old grid:
  // old node (i, j) lies on the new mesh when i and j are even.
  ConvertReport report = loadMeshLines(m, gridMeshLines(2, 2, 2.0), "coarse");
  // Old rainfall nodes 21 (0,4), 22 (1,4), 25 (4,4) -> new 7 and 9; 22 dropped.
  EXPECT_EQ(m.NRAIN, 2);
  EXPECT_EQ(m.RAINN[1], 7);
  EXPECT_EQ(m.RAINN[2], 9);
  // Boundary nodes 1 (0,0) -> 1; 6 (0,1) dropped.
  EXPECT_EQ(m.NFN[1], 1);
  EXPECT_EQ(m.FLN[1][1], 1);
  // Face 1: node 5 (4,0) -> 3; face 2: 24 (3,4) dropped, 25 -> 9.
  EXPECT_EQ(m.NSEEPN[1], 1);
  EXPECT_EQ(m.SEEPN[1][1], 3);
  EXPECT_EQ(m.NSEEPN[2], 1);
  EXPECT_EQ(m.SEEPN[2][1], 9);
  EXPECT_EQ(m.NSEEP, 2);
  // Flux node 2 (1,0) and wells 3 (2,0), 4 (3,0).
  EXPECT_EQ(m.NQN[1], 0);
  EXPECT_EQ(m.NFLUX, 1);
  EXPECT_EQ(m.NWL1, 1);
  EXPECT_EQ(m.WL1[1], 2);
  EXPECT_EQ(m.NWL2, 0);
  EXPECT_EQ(report.droppedEntries, 5);
  // Elements: no new reference point lies on an old one.
  EXPECT_EQ(report.elementsWithoutPartner, 4);
  EXPECT_EQ(m.MAT[1], 1);
  EXPECT_EQ(report.nodesWithoutPartner, 0);
  EXPECT_EQ(m.OLDNUMNP, before.NUMNP);
}

TEST(Convert, EmptiedTopFacesLowerNseep) {
  AnalysisModel m = conditionedGrid();
  m.SEEPN[2][1] = 22;
  m.SEEPN[2][2] = 24;  // both gone in the coarse mesh
  m.NSEEPN[3] = 4;     // stale face above NSEEP: neither converted nor counted
  ConvertReport report = loadMeshLines(m, gridMeshLines(2, 2, 2.0), "coarse");
  EXPECT_EQ(m.NSEEP, 1);
  EXPECT_EQ(m.NSEEPN[3], 4);
  EXPECT_EQ(report.droppedEntries, 2 + 1 + 1 + 1 + 1);
}

TEST(Convert, EntriesThatWereNoOldNodeAreDropped) {
  AnalysisModel m = conditionedGrid();
  m.RAINN[2] = 26;  // beyond the 25 old nodes
  m.NWL1 = 0;       // no well block: neither list is touched
  m.WL2[1] = 99;
  ConvertReport report = loadMeshLines(m, gridMeshLines(4, 4), "again");
  EXPECT_EQ(m.NRAIN, 2);
  EXPECT_EQ(m.RAINN[2], 25);
  EXPECT_EQ(m.WL2[1], 99);
  EXPECT_EQ(report.droppedEntries, 1);
}

TEST(Convert, TrianglesMatchWhetherCorner4IsZeroOrRepeatsCorner3) {
  AnalysisModel m;
  loadMeshLines(m, linesOf("3 1\n1 0 0\n2 3 0\n3 0 3\n1 1 2 3 3\n"), "repeated");
  m.MAT[1] = 7;
  m.NUMMAT = 7;
  ConvertReport report = loadMeshLines(m, linesOf("3 1\n1 0 0\n2 3 0\n3 0 3\n1 1 2 3 0\n"), "t");
  EXPECT_EQ(report.elementsWithoutPartner, 0);
  EXPECT_EQ(m.MAT[1], 7);
  // and back again
  report = loadMeshLines(m, linesOf("3 1\n1 0 0\n2 3 0\n3 0 3\n1 1 2 3 3\n"), "q");
  EXPECT_EQ(m.MAT[1], 7);
  EXPECT_EQ(m.KN[1], 4);
}

TEST(Convert, WithNoOldNodesEverythingStartsFree) {
  AnalysisModel m;
  m.NUMMAT = 1;  // conditions, but no mesh yet
  m.KODE[1] = 1;
  m.H[1] = 5.0;
  m.Q[1] = 2.0;
  ConvertReport report = loadMeshLines(m, linesOf(kExampleMesh), "m");
  EXPECT_EQ(report.nodesWithoutPartner, 5);
  EXPECT_EQ(m.KODE[1], 0);
  EXPECT_EQ(m.H[1], 0.0);
  EXPECT_EQ(m.Q[1], 0.0);
}

}  // namespace
}  // namespace meshcond
