#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "common/errors.h"
#include "common/text_file.h"
#include "linemesh/files/dxf_writer.h"
#include "linemesh/files/m2w_file.h"
#include "linemesh/files/m3w_file.h"
#include "linemesh/files/mesh_file.h"
#include "linemesh/files/plots.h"
#include "linemesh/files/voka_file.h"
#include "test_networks.h"
#include "tests/support/test_scratch_folder.h"

namespace linemesh::files {
namespace {

using Lines = std::vector<std::string>;
using testing::networkOf;
using testing::polygon;
using testing::tablesOf;

class TempDir : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return scratch_.path(name); }
  std::string bytesOf(const std::string& name) const { return common::readFileBytes(path(name)); }
  void put(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
  }

  common::testing::TestScratchFolder scratch_{"linemesh_files"};
  const std::filesystem::path& dir_ = scratch_.dir();
};

std::string crlf(const Lines& lines) {
  std::string bytes;
  for (const auto& l : lines) bytes += l + "\r\n";
  return bytes;
}

LineNetwork threeNodes() {
  LineNetwork net;
  net.appendNode(0, 0);
  net.appendNode(10, 0);
  net.appendNode(10, -5.5);
  net.appendLine(1, 2);
  net.appendLine(2, 3);
  return net;
}

const Lines kThreeNodeM3W = {"       3       2",
                             "       1     0.000     0.000",
                             "       2    10.000     0.000",
                             "       3    10.000    -5.500",
                             "       1       1       2",
                             "       2       2       3"};

/// One quadrilateral and one triangle sharing an edge, as formed elements.
LineNetwork twoElements() {
  LineNetwork net;
  for (auto [x, y] :
       std::vector<std::pair<double, double>>{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {20, 0}})
    net.appendNode(x, y);
  net.NE = 2;
  net.KI[1] = {0, 1, 2, 3, 4, 0, 0};
  net.KN[1] = 4;
  net.KI[2] = {0, 2, 5, 3, 0, 0, 0};
  net.KN[2] = 3;
  return net;
}

const Lines kTwoElementMesh = {"           5           2",
                               "       1     0.000     0.000",
                               "       2    10.000     0.000",
                               "       3    10.000    10.000",
                               "       4     0.000    10.000",
                               "       5    20.000     0.000",
                               "       1       1       2       3       4    4",
                               "       2       2       5       3       0    3"};

TEST_F(TempDir, M3WWorkedExampleIsWrittenByteForByte) {
  writeM3W(threeNodes(), path("a.M3W"));
  EXPECT_EQ(bytesOf("a.M3W"), crlf(kThreeNodeM3W));
}

TEST_F(TempDir, M3WSaveTidiesTheNetworkFirst) {
  LineNetwork net = threeNodes();
  net.tidyForSave();  // an open chain: every line dangles
  writeM3W(net, path("a.M3W"));
  EXPECT_EQ(bytesOf("a.M3W"), "       0       0\r\n");
}

TEST_F(TempDir, M3WReadRegistersTheLinesAndSetsTheExtents) {
  Lines file = kThreeNodeM3W;
  file[1] = "      17     0.000     0.000 extra fields are ignored";
  file.push_back("lines after the records are ignored \xFF");
  put("a.M3W", crlf(file));
  LineNetwork net;
  readM3W(net, path("a.M3W"));
  EXPECT_EQ(net.NUMNP, 3);
  EXPECT_EQ(net.NUMEL, 2);
  EXPECT_EQ(net.Elem[2].N1, 2);
  EXPECT_EQ(net.Elem[2].N2, 3);
  EXPECT_EQ(net.xmin, 0);
  EXPECT_EQ(net.xmax, 10);
  EXPECT_EQ(net.ymin, -5.5);
  EXPECT_EQ(net.ymax, 0);
  writeM3W(net, path("b.M3W"));
  EXPECT_EQ(bytesOf("b.M3W"), crlf(kThreeNodeM3W));
}

TEST_F(TempDir, EmptyM3WLeavesEmptyTablesAndStartExtents) {
  put("a.M3W", "       0       0\r\n");
  LineNetwork net = threeNodes();
  readM3W(net, path("a.M3W"));
  EXPECT_EQ(net.NUMNP, 0);
  EXPECT_EQ(net.NUMEL, 0);
  EXPECT_EQ(net.xmax, -999999.0);
  EXPECT_EQ(net.xmin, 9999999.0);
}

TEST_F(TempDir, WideCoordinatesGetASeparatingBlankAndReadBack) {
  LineNetwork net;
  net.appendNode(-12345.5, 123456.25);
  net.appendNode(-9999.999, 99999.999);
  net.appendLine(1, 2);
  EXPECT_EQ(m3wLines(net)[1], "       1 -12345.500 123456.250");
  EXPECT_EQ(m3wLines(net)[2], "       2 -9999.999 99999.999");
  writeM3W(net, path("a.M3W"));
  LineNetwork back;
  readM3W(back, path("a.M3W"));
  EXPECT_EQ(back.Node[1].X, -12345.5);
  EXPECT_EQ(back.Node[1].Y, 123456.25);
  EXPECT_EQ(meshLines(net)[1], "       1 -12345.500 123456.250");
}

struct BadFile {
  const char* name;
  std::string bytes;
  const char* message;  // a part of the error text
};

void expectRefusedAndUnchanged(void (*read)(LineNetwork&, const std::string&),
                               const std::string& file, const BadFile& c) {
  SCOPED_TRACE(c.name);
  LineNetwork net = networkOf(polygon({{0, 0}, {1, 0}, {1, 1}}));
  net.formElements();
  auto before = tablesOf(net);
  double xmin = net.xmin;
  try {
    read(net, file);
    ADD_FAILURE() << "no error";
  } catch (const common::Error& e) {
    EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
  }
  EXPECT_EQ(tablesOf(net), before);
  EXPECT_EQ(net.xmin, xmin);
}

TEST_F(TempDir, MalformedM3WFilesLeaveTheModelUnchanged) {
  const BadFile cases[] = {
      {"empty file", "", "1 行目: M3W ファイルではありません"},
      {"a DXF drawing", "  0\r\nSECTION\r\n", "1 行目: M3W ファイルではありません"},
      {"short", crlf({"       3       2", "       1     0.000     0.000"}),
       "3 行目: 節点 2/3（番号、x、y）がありません"},
      {"bad number", crlf({"       1       0", "       1     0.0x0     0.000"}),
       "2 行目: 2 番目の値「0.0x0」は実数ではありません"},
      {"too many nodes", crlf({"   30001       0"}), "1 行目: 1 番目の値: 節点数 30001 が範囲"},
      {"too many lines", crlf({"       0   40001"}), "線数 40001 が範囲 0..40000 の外"},
      {"negative count", crlf({"      -1       0"}), "節点数 -1"},
      {"node out of range", crlf({"       1       1", "       1     0.000     0.000", "1 1 2"}),
       "3 行目: 3 番目の値: 節点番号 2 が範囲 1..1 の外にあります"},
      {"too few fields", crlf({"       1       0", "       1     0.000"}),
       "2 行目: 節点 1/1（番号、x、y）がありません（欄が 3 個必要ですが 2 個です）"},
      {"empty record line", crlf({"       1       0", ""}), "0 個です"},
      {"decimal comma in a coordinate", crlf({"       1       0", "       1     0,5     0.000"}),
       "2 行目: 2 番目の値「0,5」は小数点がコンマです"},
      {"decimal comma in a line record", crlf({"       2       1", "1 0 0", "2 1 0", "1 1,2"}),
       "4 行目: 2 番目の値「1,2」は小数点がコンマです"},
  };
  for (const BadFile& c : cases) {
    put("bad.M3W", c.bytes);
    expectRefusedAndUnchanged(readM3W, path("bad.M3W"), c);
  }
}

TEST_F(TempDir, CommasWithBlanksRoundThemStillSeparateFields) {
  put("a.M3W", crlf({"2 , 1", "1 , 0.5 , 0", "2, 10 ,-5.5", "1 , 1 , 2"}));
  LineNetwork net;
  readM3W(net, path("a.M3W"));
  ASSERT_EQ(net.NUMNP, 2);
  EXPECT_EQ(net.Node[1].X, 0.5);
  EXPECT_EQ(net.Node[2].Y, -5.5);
  EXPECT_EQ(net.NUMEL, 1);
  put("MESH.DAT", crlf({"3 , 1", "1 , 0 , 0", "2 , 1 , 0", "3 , 1 , 1", "1 , 1 , 2 , 3 , 0 , 3"}));
  readMesh(net, path("MESH.DAT"));
  EXPECT_EQ(net.NUMNP, 3);
  EXPECT_EQ(net.NUMEL, 3);
}

TEST_F(TempDir, MeshWorkedExampleIsWrittenByteForByte) {
  writeMesh(twoElements(), path("MESH.DAT"));
  EXPECT_EQ(bytesOf("MESH.DAT"), crlf(kTwoElementMesh));
}

TEST_F(TempDir, MeshReadMakesOneLinePerDistinctSideAndKeepsTheElements) {
  put("MESH.DAT", crlf(kTwoElementMesh));
  LineNetwork net = networkOf(polygon({{0, 0}, {1, 0}, {1, 1}}));
  net.formElements();
  auto elementsBefore = tablesOf(net).back();
  readMesh(net, path("MESH.DAT"));
  EXPECT_EQ(net.NUMNP, 5);
  EXPECT_EQ(net.NUMEL, 6);
  EXPECT_EQ(net.NE, 1);
  EXPECT_EQ(tablesOf(net).back(), elementsBefore);
  EXPECT_EQ(net.xmax, 20);
  net.formElements();
  ASSERT_EQ(net.NE, 2);
  EXPECT_EQ(net.KN[1], 4);
  EXPECT_EQ(net.KN[2], 3);
}

TEST_F(TempDir, MeshCornerCountsDecideTheSides) {
  struct Case {
    const char* name;
    std::string row;
    int lines;
  };
  const Case cases[] = {
      {"triangle: the 0 is never a node", "1 1 2 3 0 3", 3},
      {"quadrilateral", "1 1 2 3 4 4", 4},
      {"no corners", "1 1 2 3 4 0", 0},
      {"one corner: a loop side", "1 1 2 3 4 1", 0},
      {"two corners: one side", "1 1 2 3 4 2", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    put("MESH.DAT", crlf({"4 1", "1 0 0", "2 1 0", "3 1 1", "4 0 1", c.row}));
    LineNetwork net;
    readMesh(net, path("MESH.DAT"));
    EXPECT_EQ(net.NUMEL, c.lines);
  }
  put("MESH.DAT", crlf({"6 2", "1 0 0", "2 1 0", "3 1 1", "4 0 1", "5 2 0", "6 2 1", "1 1 2 3 4 4",
                        "2 2 5 6 3 4"}));
  LineNetwork net;
  readMesh(net, path("MESH.DAT"));
  EXPECT_EQ(net.NUMEL, 7);  // two quadrilaterals sharing a side
}

TEST_F(TempDir, MalformedMeshFilesLeaveTheModelUnchanged) {
  const std::string nodes = crlf({"1 0 0", "2 1 0", "3 1 1"});
  const BadFile cases[] = {
      {"empty", "", "1 行目: メッシュデータファイルではありません"},
      {"short", crlf({"3 1", "1 0 0"}), "3 行目: 節点 2/3（番号、x、y）がありません"},
      {"missing element", crlf({"3 1"}) + nodes,
       "5 行目: 要素 1/1（番号、4 つの角、角の数）がありません"},
      {"five-corner row", crlf({"3 1"}) + nodes + crlf({"1 1 2 3 0 -1"}),
       "5 行目: 6 番目の値: 角の数 -1 が範囲 0..4 の外にあります"},
      {"bad number", crlf({"3 1"}) + nodes + crlf({"1 1 2 x 0 3"}), "5 行目: 4 番目の値"},
      {"corner out of range", crlf({"3 1"}) + nodes + crlf({"1 1 2 4 0 3"}),
       "5 行目: 4 番目の値: 角の節点 4 が範囲 1..3 の外にあります"},
      {"too many nodes", crlf({"30001 0"}), "節点数 30001"},
      {"too many elements", crlf({"0 40001"}), "要素数 40001"},
      {"negative count", crlf({"0 -1"}), "要素数 -1"},
      {"decimal comma", crlf({"1 0", "1 100.000 1,5"}),
       "2 行目: 3 番目の値「1,5」は小数点がコンマです"},
  };
  for (const BadFile& c : cases) {
    put("MESH.DAT", c.bytes);
    expectRefusedAndUnchanged(readMesh, path("MESH.DAT"), c);
  }
}

TEST_F(TempDir, MeshReaderRefusesThe20001stDistinctSide) {
  // 10001 separate two-corner "elements", each a distinct side: 10001 sides fit;
  // triangles on a strip of 20002 nodes give 1 + 2 * rows sides.
  Lines file = {"20002 10000"};
  for (int i = 0; i < 10001; ++i) {
    file.push_back(std::to_string(2 * i + 1) + " " + std::to_string(i) + " 0");
    file.push_back(std::to_string(2 * i + 2) + " " + std::to_string(i) + " 1");
  }
  // Each triangle adds two new sides: 10000 triangles -> 20001 distinct sides.
  for (int i = 0; i < 10000; ++i) {
    int a = 2 * i + 1;
    file.push_back("1 " + std::to_string(a) + " " + std::to_string(a + 2) + " " +
                   std::to_string(a + 1) + " 0 3");
  }
  put("MESH.DAT", crlf(file));
  BadFile c{"edges", "", "要素の辺が 20000 本を超えます"};
  expectRefusedAndUnchanged(readMesh, path("MESH.DAT"), c);
}

TEST(M2W, EmptyNetworkAndTheOneLineExample) {
  LineNetwork net;
  EXPECT_EQ(m2wLine(net), "      0     0     0    0    0");
  net.appendNode(0, 0);
  net.appendNode(10, 0);
  net.appendLine(1, 2);
  EXPECT_EQ(m2wLine(net), std::string("      1") + "     1     2" + "     2     2" +
                              "    0  0.0000000000E+000  0.0000000000E+000" +
                              "    0  1.0000000000E+001  0.0000000000E+000" + "    0    0" +
                              "    1    1");
}

TEST_F(TempDir, M2WIsOneLineEndedByCrLf) {
  writeM2W(LineNetwork(), path("a.M2W"));
  EXPECT_EQ(bytesOf("a.M2W"), "      0     0     0    0    0\r\n");
}

TEST(Voka, FixedLinesElementsAndNodes) {
  LineNetwork net = twoElements();
  net.Node[3] = {0, 12.5, -4, 0};
  Lines lines = vokaLines(net);
  ASSERT_EQ(lines.size(), 3 + 2 + 4 + 5 + 3u);
  EXPECT_EQ(lines[0], "TITLE");
  EXPECT_EQ(lines[1],
            "    5    2   10    1    1    1   20    1    0       0.0    1    1    1    0    0");
  EXPECT_EQ(lines[1].size(), 80u);
  EXPECT_EQ(lines[3], "    1    1    2    3    4    1    0.0");
  EXPECT_EQ(lines[4], "    2    2    5    3    0    1    0.0");
  EXPECT_EQ(lines[5], "     0.010     0.000     0.000     0.000     0.010 1.60E-004      1E-5");
  EXPECT_EQ(lines[11],
            "    3    0    0    12.500    -4.000       0.0       0.0       0.0       0.0");
  EXPECT_EQ(lines[14], "");
  EXPECT_EQ(lines[16], "");
}

TEST_F(TempDir, VokaRefusesACoordinateWiderThanItsColumnsAndWritesNothing) {
  LineNetwork net = twoElements();
  net.Node[4].X = -99999.999;  // exactly fills the ten columns
  EXPECT_EQ(vokaLines(net)[12].substr(15, 10), "-99999.999");
  put("VOKA.DAT", "old");
  net.Node[5].Y = 1234567.5;
  try {
    writeVoka(net, path("VOKA.DAT"));
    ADD_FAILURE() << "no error";
  } catch (const common::RangeError& e) {
    EXPECT_NE(
        std::string(e.what()).find("節点 5: Y = 1234567.500 は VOKA が読む 10 桁に収まりません"),
        std::string::npos)
        << e.what();
  }
  EXPECT_EQ(bytesOf("VOKA.DAT"), "old");
}

TEST_F(TempDir, FiveCornerCellsAreRefusedByTheAnalysisFilesOnly) {
  // A pentagon beside a square: formation records the pentagon once per corner.
  auto sides = polygon({{0, 0}, {2, 0}, {2.5, 1}, {1, 2}, {-0.5, 1}});
  for (const auto& s : polygon({{2, 0}, {4, 0}, {4, 1}, {2.5, 1}})) sides.push_back(s);
  LineNetwork net = networkOf(sides);
  net.formElements();
  ASSERT_EQ(net.fiveCornerCells().size(), 1u);
  const auto cell = net.fiveCornerCells()[0];
  const std::string where = "節点 " + std::to_string(cell[0]) + " の座標";

  struct Writer {
    const char* file;
    const char* kind;
    void (*write)(const LineNetwork&, const std::string&);
  };
  for (const Writer& w : {Writer{"MESH.DAT", "メッシュデータ", writeMesh},
                          Writer{"VOKA.DAT", "VOKAデータ", writeVoka}}) {
    SCOPED_TRACE(w.file);
    put(w.file, "old");
    try {
      w.write(net, path(w.file));
      ADD_FAILURE() << "no error";
    } catch (const common::Error& e) {
      const std::string text = e.what();
      EXPECT_EQ(text.rfind(w.kind, 0), 0u) << text;
      EXPECT_NE(text.find("五角形のセルが 1 個"), std::string::npos) << text;
      EXPECT_NE(text.find(where), std::string::npos) << text;
      EXPECT_NE(text.find("分割"), std::string::npos) << text;
    }
    EXPECT_EQ(bytesOf(w.file), "old");
  }
  // The line files and the element plot are still written.
  writeM3W(net, path("a.M3W"));
  writeM2W(net, path("a.M2W"));
  writeElementPlot(net, path("a.DXF"));
  EXPECT_NE(bytesOf("a.DXF").find("LINE"), std::string::npos);
}

TEST(Dxf, LineEntityAndEmptyDrawing) {
  DxfWriter dxf;
  dxf.dxfLayer("MESH");
  dxf.dxfLine(0, 0, 12.5, 3);
  EXPECT_EQ(dxf.lines(), (Lines{"  0", "LINE", "  8", "MESH", " 10", "0", " 20", "0", " 30", "0",
                                " 11", "12.5", " 21", "3", " 31", "0", " 62", "  0"}));
  EXPECT_EQ(linePlotLines(LineNetwork()),
            (Lines{"  0", "SECTION", "  2", "ENTITIES", "  0", "ENDSEC", "  0", "EOF"}));
}

TEST(Dxf, CentredTextAndCircle) {
  DxfWriter dxf;
  dxf.dxfBegin();
  dxf.dxfLayer("");
  dxf.dxfCircle(1e-6, -0.5, 0.03);
  dxf.dxfCentre(1);
  dxf.dxfText("7", 1, 2, 0, 0.1);
  EXPECT_EQ(
      dxf.lines(),
      (Lines{"  0", "SECTION",  "  2", "ENTITIES", "  0", "CIRCLE", "  8", "0",      " 10", "1E-6",
             " 20", "-0.5",     " 30", "0.0",      " 40", "0.03",   " 62", "  0",    "  0", "TEXT",
             "  7", "STANDARD", "  8", "0",        " 10", "1",      " 20", "2",      " 30", "0.0",
             " 40", "0.1",      "  1", "7",        " 50", "0",      " 72", "     1", " 11", "1",
             " 21", "2",        " 31", "0.0",      " 62", "  0"}));
}

TEST(Dxf, ElementPlotNumbersTrianglesAtTheMeanOfThreeCorners) {
  LineNetwork net = twoElements();
  Lines lines = elementPlotLines(net);
  // Five centred node texts (28 lines each) after the 4-line header; then element
  // 1's four lines (18 each) and its text, then element 2's three lines and its text.
  size_t triangle = 4 + 5 * 28 + 4 * 18 + 28;
  EXPECT_EQ(lines[triangle + 3], "メッシュ");
  size_t text = triangle + 3 * 18;
  EXPECT_EQ(lines[text + 5], "要素番号");
  EXPECT_EQ(lines[text + 7], "13.3333333333333");  // (10 + 20 + 10) / 3
  EXPECT_EQ(lines[text + 9], "3.33333333333333");
  EXPECT_EQ(lines[text + 15], "2");
  EXPECT_EQ(lines.size(), text + 28 + 4);
}

TEST_F(TempDir, ElementPlotRefusesStaleElements) {
  LineNetwork net = twoElements();
  net.NUMNP = 4;
  put("e.DXF", "old");
  EXPECT_THROW(writeElementPlot(net, path("e.DXF")), common::RangeError);
  EXPECT_EQ(bytesOf("e.DXF"), "old");
}

TEST_F(TempDir, LayerNamesAreWrittenInCp932) {
  LineNetwork net;
  net.appendNode(0, 0);
  writeLinePlot(net, path("l.DXF"));
  EXPECT_NE(bytesOf("l.DXF").find("\x90\xDF\x93\x5F\r\n"), std::string::npos);  // 節点
}

}  // namespace
}  // namespace linemesh::files
