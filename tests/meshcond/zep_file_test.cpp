// ZEP.DAT: the worked example line for line, round trips, the n-per-line
// boundaries, values that do not fit, and malformed files.
#include "meshcond/model/zep_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include "common/errors.h"
#include "common/text_file.h"
#include "tests/meshcond/test_support.h"

namespace meshcond {
namespace {

using testing::everyBlockModel;
using testing::linesOf;
using testing::oneElementModel;

std::vector<std::string> prepared(AnalysisModel m) {
  prepareZepDat(m);
  return zepDatLines(m);
}

TEST(ZepDat, OneElementExampleLineForLine) {
  std::vector<std::string> lines = prepared(oneElementModel());
  const std::vector<std::string> head = {
      "TEST",
      "    4    1    2    0    1    1    0   10    1    0    0    0    0    0",
      "    0    0    0    0    0",
      "    0    0    0    0    0",
      "    3    2   10    1    0    0    1    0    1    0    0    0    1    0",
      "   21   16",
      "    1    1    2    3    4    1       0.0",
      "    0.1000     1.000     1.200    24.000 1.00E-003 1.00E-008  500",
      "    12.000    24.000",
      "3.600E+0003.600E+000     0.300 1.00E-004     0.000     0.000",
      "     0.000     0.000     0.010     0.010     0.020     0.020",
  };
  ASSERT_GE(lines.size(), head.size());
  for (size_t k = 0; k < head.size(); ++k) EXPECT_EQ(lines[k], head[k]) << "line " << k + 1;
  // 7 lines of the 21-point curve, 6 of the 16-point curve, then 4 nodes and 3 empty lines.
  ASSERT_EQ(lines.size(), 10 + 7 + 6 + 4 + 3);
  EXPECT_EQ(lines[16], "     0.180     0.650     0.190     0.800     0.200     1.000");
  EXPECT_EQ(lines[22], "     0.200     0.000");
  EXPECT_EQ(lines[23], "    1    1     0.000     0.000     5.000     0.000");
  EXPECT_EQ(lines[26], "    4    0     0.000    10.000     0.000     0.000");
  EXPECT_EQ(lines[27], "");
  EXPECT_EQ(lines[29], "");
}

TEST(ZepDat, PreparationForcesTheSolverValues) {
  AnalysisModel m = oneElementModel();
  m.IPAR15 = m.IPAR16 = m.IPAR17 = m.IPAR18 = 9;
  m.ISOLV = 0;
  prepareZepDat(m);
  EXPECT_EQ(m.TSOLV, 1.0e-8);
  EXPECT_EQ(m.ISOLV, 1);
  EXPECT_EQ(m.IPAR15 + m.IPAR16 + m.IPAR17 + m.IPAR18, 0);
  EXPECT_EQ(m.KODE[1], 1);
  EXPECT_EQ(m.H[1], 5.0);
}

TEST(ZepDat, EveryBlockRoundTrips) {
  AnalysisModel original = everyBlockModel();
  prepareZepDat(original);
  std::vector<std::string> lines = zepDatLines(original);
  AnalysisModel read;
  readZepDatLines(read, lines, "ZEP64.DAT");
  EXPECT_EQ(zepDatLines(read), lines);
  EXPECT_EQ(read.TITLE, original.TITLE);
  EXPECT_EQ(read.NSEEP, 3);
  EXPECT_EQ(read.NSEEPN[2], 0);
  EXPECT_EQ(read.SEEPN[3][1], 16);
  EXPECT_EQ(read.SEEPPAR[1], 0.0);
  EXPECT_EQ(read.RAINN[4], 16);
  EXPECT_EQ(read.RAIN[2], 0.005);
  EXPECT_EQ(read.RMAX, 0.01);
  EXPECT_EQ(read.FLN[1][2], 5);
  EXPECT_EQ(read.FLEV[1][4], 4.0);
  EXPECT_EQ(read.FTIME[2][2], 10.0);
  EXPECT_EQ(read.QN[1][2], 12);
  EXPECT_EQ(read.QVAL[1][1], -0.5);
  EXPECT_EQ(read.WL1[2], 7);
  EXPECT_EQ(read.WL2[1], 10);
  EXPECT_EQ(read.WPAR3, 3e-5);
  EXPECT_EQ(read.KH[2], 0.025);
  EXPECT_EQ(read.PSI[2][1], 12.0);
  EXPECT_EQ(read.TOUT[9], 216.0);
  EXPECT_EQ(read.DT, 0.0125);
  EXPECT_EQ(read.KODE[2], 1);
  EXPECT_EQ(read.KODE[13], 4);
  EXPECT_EQ(read.H[2], 3.0);
  EXPECT_EQ(read.Q[9], 0.125);
  EXPECT_EQ(read.IPAR13, 13);
  EXPECT_EQ(read.ISTEADY, -1);
}

TEST(ZepDat, ListsBreakAfterTheirNthEntry) {
  struct Case {
    const char* name;
    int materials, rainNodes;
    size_t countLines, rainLines;
  };
  const Case cases[] = {{"7 materials, 14 rainfall nodes", 7, 14, 1, 1},
                        {"8 materials, 15 rainfall nodes", 8, 15, 2, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AnalysisModel m;
    loadMeshLines(m, testing::gridMeshLines(5, 5), "grid");
    for (int e = 1; e <= c.materials; ++e) m.MAT[e] = e;
    m.NRAIN = c.rainNodes;
    for (int k = 1; k <= c.rainNodes; ++k) m.RAINN[k] = k;
    std::vector<std::string> lines = prepared(m);
    // Title, four control lines, then the curve counts.
    EXPECT_EQ(lines[5].substr(0, 10), "    0    0");
    size_t element = 5 + c.countLines;
    EXPECT_EQ(lines[element].substr(0, 5), "    1");
    if (c.countLines == 2) {
      EXPECT_EQ(lines[6], "    0    0");
    }
    size_t rainHeader = element + 25;
    EXPECT_EQ(lines[rainHeader], " 0.00E+000 0.00E+000");
    EXPECT_EQ(lines[rainHeader + 1].size(), 70u);
    if (c.rainLines == 2) {
      EXPECT_EQ(lines[rainHeader + 2], "   15");
    }
    // and the text reads back into the same text
    AnalysisModel read;
    readZepDatLines(read, lines, "z");
    EXPECT_EQ(zepDatLines(read), lines);
  }
}

TEST(ZepDat, NodeNumbersOf10000AndMoreReadBack) {
  AnalysisModel m;
  m.NUMNP = 10001;
  for (int n = 1; n <= m.NUMNP; ++n) m.X[n] = n % 100;
  m.NRAIN = 1;
  m.RAINN[1] = 10001;
  m.NWL1 = 1;
  m.WL1[1] = 10000;  // first on its line: fine
  std::vector<std::string> lines = prepared(m);
  EXPECT_EQ(lines[lines.size() - 4], "10001    4     1.000     0.000     0.000     0.000");
  AnalysisModel read;
  readZepDatLines(read, lines, "z");
  EXPECT_EQ(read.RAINN[1], 10001);
  EXPECT_EQ(read.WL1[1], 10000);
  EXPECT_EQ(read.X[10001], 1.0);
}

TEST(ZepDat, ValuesThatWouldNotReadBackAreRefused) {
  struct Case {
    const char* name;
    void (*change)(AnalysisModel&);
    const char* message;
  };
  const Case cases[] = {
      {"x below -9999.999", [](AnalysisModel& m) { m.X[2] = -10000.0; }, "節点 2 X = -10000"},
      {"NOUT of 10000",
       [](AnalysisModel& m) {
         m.NOUT = 10000;
         for (int k = 1; k <= 10000; ++k) m.TOUT[k] = k;
       },
       "NOUT = 10000"},
      {"ITMAX of 10000", [](AnalysisModel& m) { m.ITMAX = 10000; }, "ITMAX"},
      {"negative TOL", [](AnalysisModel& m) { m.TOL = -0.001; }, "TOL = -0.001"},
      {"negative KH", [](AnalysisModel& m) { m.KH[1] = -3.6; }, "\"%10.4e\""},
      {"infinite level", [](AnalysisModel& m) { m.Q[1] = std::numeric_limits<double>::infinity(); },
       "infinity"},
      {"y of 100000", [](AnalysisModel& m) { m.Y[1] = 123456.0; }, "Y = 123456"},
      {"well node 10000 second",
       [](AnalysisModel& m) {
         m.NUMNP = 10000;
         m.NWL1 = 2;
         m.WL1[1] = 1;
         m.WL1[2] = 10000;
       },
       "井戸リスト 1 節点 2"},
      {"rainfall node outside the mesh",
       [](AnalysisModel& m) {
         m.NRAIN = 1;
         m.RAINN[1] = 5;
       },
       "降雨節点 の 1 番目: 節点 5 は範囲 1..4 の外です"},
      {"seepage node 0",
       [](AnalysisModel& m) {
         m.NSEEP = 1;
         m.NSEEPN[1] = 1;
       },
       "浸出面 1 の 1 番目: 節点 0"},
      {"material 201", [](AnalysisModel& m) { m.MAT[1] = 201; }, "材料番号 201"},
      {"series beyond boundary 20",
       [](AnalysisModel& m) {
         m.NFLUCT = 21;
         m.NFT[21] = 1;
       },
       "NFT: 境界 21"},
      {"corner 100000", [](AnalysisModel& m) { m.KI[1][2] = 100000; }, "要素 1 角 2 = 100000"},
      {"level series time",
       [](AnalysisModel& m) {
         m.NFLUCT = 1;
         m.NFT[1] = 2;
         storeAt(m.FTIME[1], 2, 12345678.0);
         storeAt(m.FLEV[1], 2, 1.0);
       },
       "境界 1 水位時系列の点 2 時刻 = 12345678"},
      {"suction curve", [](AnalysisModel& m) { m.PSI[1][3] = 12345678.0; },
       "材料 1 サクション曲線の点 3 サクション = 12345678"},
      {"title not in CP932", [](AnalysisModel& m) { m.TITLE = "\xF0\x9F\x98\x80"; }, ""},
  };
  std::string path = ::testing::TempDir() + "refused_zep.dat";
  std::remove(path.c_str());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AnalysisModel m = oneElementModel();
    c.change(m);
    AnalysisModel before = m;
    try {
      writeZepDat(m, path);
      ADD_FAILURE() << "written";
    } catch (const common::Error& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
    EXPECT_TRUE(m == before);
    EXPECT_FALSE(common::pathExists(path));
  }
}

TEST(ZepDat, NoWellBlockWithoutList1) {
  AnalysisModel m = everyBlockModel();
  m.NWL1 = 0;
  m.WL2[1] = 999;  // not written, not checked
  prepareZepDat(m);
  std::vector<std::string> lines = zepDatLines(m);
  AnalysisModel read;
  read.WL2[1] = 77;
  readZepDatLines(read, lines, "z");
  EXPECT_EQ(read.NWL2, 1);
  EXPECT_EQ(read.WL2[1], 77);
}

TEST(ZepDat, MalformedFilesLeaveTheModelUnchanged) {
  AnalysisModel source = everyBlockModel();
  prepareZepDat(source);
  const std::vector<std::string> good = zepDatLines(source);
  struct Case {
    const char* name;
    void (*edit)(std::vector<std::string>&);
    const char* message;
  };
  const Case cases[] = {
      {"empty file", [](std::vector<std::string>& l) { l.clear(); },
       "z: 1 行目: ファイルがここで終わっています"},
      {"invalid byte in the title", [](std::vector<std::string>& l) { l[0] = "A\xEF\xBF\xBD"; },
       "1 行目: タイトル"},
      {"letter in control 1 行目", [](std::vector<std::string>& l) { l[1][4] = 'x'; },
       "2 行目: 1-5 桁 (NUMNP)"},
      {"tab in a fixed column", [](std::vector<std::string>& l) { l[1][0] = '\t'; }, "2 行目"},
      {"NUMMAT above 200", [](std::vector<std::string>& l) { l[1].replace(20, 5, "  201"); },
       "NUMMAT 201 は範囲 0..200 の外です"},
      {"NWL2 above 200", [](std::vector<std::string>& l) { l[2] = "    2    3    4  201    5"; },
       "NWL2 201"},
      {"control line 4 short", [](std::vector<std::string>& l) { l[4] = "    2    9"; },
       "5 行目: 値が足りません"},
      {"element number twice", [](std::vector<std::string>& l) { l[7].replace(0, 5, "    1"); },
       "要素 1 が 2 回現れます"},
      {"corner beyond the nodes", [](std::vector<std::string>& l) { l[6].replace(5, 5, "   17"); },
       "角 1 17"},
      {"cut before the nodes", [](std::vector<std::string>& l) { l.resize(l.size() - 10); },
       "（節点行"},
      {"node twice", [](std::vector<std::string>& l) { l[l.size() - 4].replace(0, 5, "    1"); },
       "節点 1 が 2 回現れます"},
      {"node 0", [](std::vector<std::string>& l) { l[l.size() - 4].replace(0, 5, "    0"); },
       "節点番号 0"},
      {"decimal comma on a node line",
       [](std::vector<std::string>& l) { l[l.size() - 4].replace(10, 10, "       0,5"); },
       "3 番目の値「0,5」は小数点がコンマです"},
      {"decimal comma in control line 4",
       [](std::vector<std::string>& l) { l[4].replace(0, 5, "  2,5"); },
       "5 行目: 1 番目の値「2,5」は小数点がコンマです"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> lines = good;
    c.edit(lines);
    AnalysisModel m = oneElementModel();
    AnalysisModel before = m;
    try {
      readZepDatLines(m, lines, "z");
      ADD_FAILURE() << "accepted";
    } catch (const common::Error& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
    EXPECT_TRUE(m == before);
  }
}

TEST(ZepDat, CommasWithBlanksRoundThemStillSeparateBlankReadFields) {
  AnalysisModel source = everyBlockModel();
  prepareZepDat(source);
  std::vector<std::string> lines = zepDatLines(source);
  std::string& node = lines[lines.size() - 4];
  node = node.substr(0, 5) + " , " + node.substr(5, 5) + " ," + node.substr(10);
  AnalysisModel read;
  readZepDatLines(read, lines, "z");
  AnalysisModel expected;
  readZepDatLines(expected, zepDatLines(source), "z");
  EXPECT_TRUE(read == expected);
}

TEST(ZepDat, OpenSetsTheFolderAndRebuildsGroups) {
  std::string dir = ::testing::TempDir() + "zep_open";
  std::filesystem::create_directories(dir);
  AnalysisModel m = everyBlockModel();
  writeZepDat(m, dir + "/ZEP64.DAT");
  AnalysisModel read;
  openZepDat(read, dir + "/ZEP64.DAT");
  EXPECT_EQ(read.DirName, dir);
  EXPECT_EQ(read.NFIXWL, 1);
  EXPECT_EQ(read.IFIXG[2], 1);
  EXPECT_EQ(read.IFIXG[1], 0);  // on a fluctuating boundary
}

}  // namespace
}  // namespace meshcond
