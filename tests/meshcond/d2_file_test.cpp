// D2.DAT: the worked excerpt line for line, its lists and codes, the
// initial-level line, and the marker file.
#include "meshcond/model/d2_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/errors.h"
#include "common/text_file.h"
#include "meshcond/model/zep_file.h"
#include "tests/meshcond/test_support.h"

namespace meshcond {
namespace {

using testing::everyBlockModel;
using testing::oneElementModel;

/// The lines after the tag line `tag`, `count` of them.
std::vector<std::string> section(const std::vector<std::string>& lines, const std::string& tag,
                                 size_t count) {
  for (size_t k = 0; k < lines.size(); ++k)
    if (lines[k].rfind(tag, 0) == 0)
      return std::vector<std::string>(lines.begin() + k + 1,
                                      lines.begin() + std::min(lines.size(), k + 1 + count));
  ADD_FAILURE() << "no tag " << tag;
  return {};
}

TEST(D2Dat, OneElementExcerptLineForLine) {
  AnalysisModel m = oneElementModel();
  prepareZepDat(m);
  std::vector<std::string> lines = d2DatLines(m);
  const std::vector<std::string> head = {
      "",
      "$$TITLE$$     //=====  タイトル  =====//",
      "TEST",
      "",
      "$$MESH$$     //=====  メッシュ  =====//",
      " ",
      "    1    4",
      "    1    1    2    3    4",
      "    1     0.000     0.000",
      "    2    10.000     0.000",
      "    3    10.000    10.000",
      "    4     0.000    10.000",
      "",
      "$$CALC_CONDITION$$",
      "    2    0    1    1",
      "     1.000E-008  500",
      "     1.000E-003   10    3",
      "     1.000E-001     1.000E+000     1.200E+000     2.400E+001"};
  ASSERT_GE(lines.size(), head.size());
  for (size_t k = 0; k < head.size(); ++k) EXPECT_EQ(lines[k], head[k]) << "line " << k + 1;
  EXPECT_EQ(lines[18], "    0 \"          \" \"" + std::string(80, ' ') + "\"");
  EXPECT_EQ(lines[18].size(), 101u);
  EXPECT_EQ(lines[19], "    2");
  EXPECT_EQ(lines[20], "         12.000 10         24.000 10");
  EXPECT_EQ(lines[21], "      1.0000e+0   20    3");
  EXPECT_EQ(section(lines, "$$MATERIAL$$", 2),
            (std::vector<std::string>{
                "    1",
                "       255     1.000E-003     1.000E-003     1.000E-004     0.000     "
                "1.800    1    1 \"材料1       \""}));
  EXPECT_EQ(section(lines, "$$INIT_WATER_LEVEL$$", 2),
            (std::vector<std::string>{"    2", "     0.000     0.000    10.000     0.000"}));
  EXPECT_EQ(section(lines, "$$WL_FIX$$", 3),
            (std::vector<std::string>{"    1", "    1     5.000", "    1"}));
  EXPECT_EQ(section(lines, "$$RAINFALL$$", 4),
            (std::vector<std::string>{"    0    0.0000", "    0", "    0"}));
  EXPECT_EQ(lines.back(), "    0");
}

TEST(D2Dat, RainfallNodesTwentyPerLine) {
  for (int count : {20, 21}) {
    SCOPED_TRACE(count);
    AnalysisModel m;
    m.NUMNP = 30;
    m.NRAIN = count;
    for (int k = 1; k <= count; ++k) m.RAINN[k] = k;
    m.RMAX = 0.0025;
    m.NRTIME = 1;
    m.RTIME[1] = 1;
    m.RAIN[1] = 0.0025;
    std::vector<std::string> rain = section(d2DatLines(m), "$$RAINFALL$$", 6);
    EXPECT_EQ(rain[0], "    1    0.0025");
    EXPECT_EQ(rain[1], count == 20 ? "   20" : "   21");
    EXPECT_EQ(rain[2].size(), 100u);
    if (count == 20) {
      EXPECT_EQ(rain[3], "    1");
      EXPECT_EQ(rain[4], "     1.000     2.500");
    } else {
      EXPECT_EQ(rain[3], "   21");
      EXPECT_EQ(rain[4], "    1");
    }
  }
}

TEST(D2Dat, SoilCodesFollowTheFirstSuctionWaterContent) {
  struct Case {
    double theta;
    const char* code;
  };
  for (const Case& c : {Case{0.049, "    1    1"}, Case{0.05, "    3    3"},
                        Case{0.0999, "    3    3"}, Case{0.1, "    2    2"}}) {
    SCOPED_TRACE(c.theta);
    AnalysisModel m;
    m.NUMMAT = 1;
    m.THPSI[1][1] = c.theta;
    std::string line = section(d2DatLines(m), "$$MATERIAL$$", 2)[1];
    EXPECT_EQ(line.substr(75, 10), c.code);
  }
}

TEST(D2Dat, FixedLevelNodesWriteAPairEach) {
  AnalysisModel m = everyBlockModel();
  prepareZepDat(m);  // nodes 2 and 3 at level 3.0 get KODE 1
  m.Initial();
  std::vector<std::string> fixed = section(d2DatLines(m), "$$WL_FIX$$", 5);
  EXPECT_EQ(fixed, (std::vector<std::string>{"    2", "    1     3.000", "    2", "    1     3.000",
                                             "    3"}));
}

TEST(D2Dat, InitialLevelLine) {
  struct Case {
    const char* name;
    int nodes;
    int freeNode;  // 0: every node fixed
    const char* line;
  };
  const Case cases[] = {{"no nodes", 0, 0, "     0.000     0.000     0.000     0.000"},
                        {"first free node", 3, 2, "    -1.000     2.000     5.000     2.000"},
                        {"no free node: node 1", 3, 0, "    -1.000     1.000     5.000     1.000"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AnalysisModel m;
    m.NUMNP = c.nodes;
    double xs[] = {0, 5, -1};
    for (int n = 1; n <= c.nodes; ++n) {
      m.X[n] = xs[n - 1];
      m.H[n] = n;
      m.KODE[n] = n == c.freeNode ? 0 : 1;
    }
    EXPECT_EQ(section(d2DatLines(m), "$$INIT_WATER_LEVEL$$", 2)[1], c.line);
  }
}

TEST(D2Dat, MarkerIsWrittenOnceAndNothingWhenRefused) {
  namespace fs = std::filesystem;
  fs::path dir = fs::path(::testing::TempDir()) / "d2_marker";
  fs::remove_all(dir);
  fs::create_directories(dir);
  AnalysisModel m = oneElementModel();
  m.NUMMAT = 41;
  EXPECT_THROW(writeD2Dat(m, (dir / "D2.DAT").string()), common::RangeError);
  EXPECT_TRUE(fs::is_empty(dir));

  m.NUMMAT = 40;
  EXPECT_TRUE(writeD2Dat(m, (dir / "D2.DAT").string()));
  EXPECT_EQ(common::readFileBytes((dir / kMarkerName).string()), "     \r\n");
  common::writeFileBytes((dir / kMarkerName).string(), "mine");
  EXPECT_FALSE(writeD2Dat(m, (dir / "D2.DAT").string()));
  EXPECT_EQ(common::readFileBytes((dir / kMarkerName).string()), "mine");
  std::string bytes = common::readFileBytes((dir / "D2.DAT").string());
  EXPECT_EQ(bytes.substr(0, 2), "\r\n");
}

TEST(D2Dat, CoordinateBeyondItsFieldIsRefused) {
  AnalysisModel m = oneElementModel();
  m.X[2] = -10000.0;  // ten characters: written
  EXPECT_NO_THROW(d2DatLines(m));
  m.X[2] = 1234567.0;
  EXPECT_THROW(d2DatLines(m), common::RangeError);
}

TEST(D2Dat, RefusalsNameTheValueAndItsLine) {
  struct Case {
    const char* name;
    void (*change)(AnalysisModel&);
    const char* message;
  };
  const Case cases[] = {
      {"x", [](AnalysisModel& m) { m.X[2] = 1234567.0; }, "D2.DAT: 10 行目: 節点 2 X = 1234567"},
      {"corner", [](AnalysisModel& m) { m.KI[1][3] = 100000; },
       "D2.DAT: 8 行目: 要素 1 角 3 = 100000"},
      {"material", [](AnalysisModel& m) { m.MAT[1] = -10000; }, "要素 1 材料 = -10000"},
      {"level series",
       [](AnalysisModel& m) {
         m.NFLUCT = 1;
         m.NFT[1] = 2;
         storeAt(m.FTIME[1], 2, 1.0);
         storeAt(m.FLEV[1], 2, 12345678.0);
       },
       "水位変動境界 1 水位 2 = 12345678"},
      {"rainfall",
       [](AnalysisModel& m) {
         m.NRTIME = 1;
         m.RAIN[1] = 1e4;
       },
       "降雨強度 1 (mm/h) = 1e+07"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AnalysisModel m = oneElementModel();
    c.change(m);
    try {
      d2DatLines(m);
      ADD_FAILURE() << "not refused";
    } catch (const common::RangeError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace meshcond
