// The old-style import: token stream, line skips, carried and forced values.
#include "meshcond/model/legacy_file.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "meshcond/model/zep_file.h"
#include "tests/meshcond/test_support.h"

namespace meshcond {
namespace {

using testing::linesOf;

/// The curve pairs of soil type "G", three per line.
std::string gravelCurves() {
  const SoilCurves& c = soilCurves(SoilType::Gravel);
  std::string text;
  for (size_t k = 0; k < c.kr.size(); ++k)
    text +=
        std::to_string(c.thetaKr[k]) + " " + std::to_string(c.kr[k]) + (k % 3 == 2 ? "\n" : " ");
  text += "\n";
  for (size_t k = 0; k < c.psi.size(); ++k)
    text +=
        std::to_string(c.thetaPsi[k]) + " " + std::to_string(c.psi[k]) + (k % 3 == 2 ? "\n" : " ");
  return text + "\n";
}

/// A two-element old-style file; `elements` holds the element records.
std::string legacyText(const std::string& elements, const std::string& rainfall = "0 0\n") {
  return "OLD TITLE\n"
         "5 2 2 0 1 1 0 10 1 1 2 0 0 0\n"
         "0 0 0 0 0\n" +
         rainfall +
         "3 2 50 1 0 0 1 7\n"
         "21 16\n" +
         elements +
         "2 2 4\n"  // seepage face: 2 nodes
         "0.1 1.0 1.2 24.0 0.001\n"
         "12.0 24.0\n"
         "3.6 3.6 0.3 0.0001 0.5 0.5\n" +
         gravelCurves() +
         "1 1 0 0 5 0\n"
         "2 0 10 0 0 0\n"
         "3 0 10 10 0 0\n"
         "4 0 0 10 0 0\n"
         "5 0 20 0 0 0\n";
}

TEST(LegacyImport, ElementsOnePerLineOrSeveralPerLineImportAlike) {
  AnalysisModel one, several;
  importLegacyLines(one, linesOf(legacyText("1 1 2 3 4 1 0.0\n2 2 5 3 0 1 0.0\n")), "old");
  importLegacyLines(several, linesOf(legacyText("1 1 2 3 4 1 0.0 2 2 5 3 0 1 0.0\n")), "old");
  EXPECT_TRUE(one == several);
  EXPECT_EQ(one.TITLE, "OLD TITLE");
  EXPECT_EQ(one.KI[2], (Corners{0, 2, 5, 3, 0}));
  EXPECT_EQ(one.KN[2], 3);
  EXPECT_EQ(one.NSEEPN[1], 2);
  EXPECT_EQ(one.SEEPN[1][2], 4);
  EXPECT_EQ(one.IPAR10, 7);
  EXPECT_EQ(one.TOUT[2], 24.0);
  EXPECT_EQ(one.PSI[1][1], 12.0);
  EXPECT_EQ(one.H[1], 5.0);
  EXPECT_EQ(one.NFIXWL, 1);  // Initial ran
}

TEST(LegacyImport, ForcedValuesReplaceTheFilesOwn) {
  AnalysisModel m;
  importLegacyLines(m, linesOf(legacyText("1 1 2 3 4 1 0.0\n2 2 5 3 0 1 0.0\n")), "old");
  EXPECT_EQ(m.MAXITO, 20);
  EXPECT_EQ(m.MAXIT, 100);
  EXPECT_EQ(m.ISOLV, 1);
  EXPECT_EQ(m.IPAR2 + m.IPAR3 + m.IPAR9 + m.IPAR14, 4);
}

TEST(LegacyImport, SkippedLinesMayCarryExtraNumbersOrText) {
  std::string text = legacyText("1 1 2 3 4 1 0.0\n2 2 5 3 0 1 0.0\n", "0 0 99 note\n");
  text.replace(text.find("0 0 0 0 0\n"), 10, "0 0 0 0 0 1.5 x\n");
  AnalysisModel m;
  importLegacyLines(m, linesOf(text), "old");
  EXPECT_EQ(m.NRAIN, 0);
  EXPECT_EQ(m.NCUL, 3);
}

TEST(LegacyImport, RainfallWithItsSeries) {
  AnalysisModel m;
  // The rainfall item comes after the seepage faces.
  std::string text = legacyText("1 1 2 3 4 1 0.0\n2 2 5 3 0 1 0.0\n", "2 2\n");
  text.replace(text.find("2 2 4\n"), 6, "2 2 4\n0.004 0.25 extra\n3 5\n1.0 0.002 2.0 0.0025\n");
  importLegacyLines(m, linesOf(text), "old");
  EXPECT_EQ(m.NRAIN, 2);
  EXPECT_EQ(m.RAINN[2], 5);
  EXPECT_EQ(m.RAIN[2], 0.0025);
  EXPECT_EQ(m.RMAX, 0.0);  // not carried
}

TEST(LegacyImport, RainfallSeriesWithoutNodesIsNotRead) {
  AnalysisModel m;
  importLegacyLines(m, linesOf(legacyText("1 1 2 3 4 1 0.0\n2 2 5 3 0 1 0.0\n", "0 3\n")), "old");
  EXPECT_EQ(m.NRTIME, 3);
  EXPECT_EQ(m.DT, 0.1);
  prepareZepDat(m);
  std::vector<std::string> lines = zepDatLines(m);
  EXPECT_EQ(lines[10], "     0.000 0.00E+000     0.000 0.00E+000     0.000 0.00E+000");
}

TEST(LegacyImport, WellDataIsKeptAndWrittenNext) {
  AnalysisModel m;
  m.NWL1 = 1;
  m.WL1[1] = 3;
  m.WPAR1 = 2.5;
  m.DirName = "somewhere";
  importLegacyLines(m, linesOf(legacyText("1 1 2 3 4 1 0.0\n2 2 5 3 0 1 0.0\n")), "old");
  EXPECT_EQ(m.NWL1, 1);
  EXPECT_EQ(m.DirName, "somewhere");
  prepareZepDat(m);
  std::vector<std::string> lines = zepDatLines(m);
  bool found = false;
  for (const std::string& line : lines)
    found = found || line == "     2.500     0.000 0.00E+000     0.000";
  EXPECT_TRUE(found);
}

TEST(LegacyImport, FaultyFilesLeaveTheModelUnchanged) {
  const std::string good = legacyText("1 1 2 3 4 1 0.0\n2 2 5 3 0 1 0.0\n");
  struct Case {
    const char* name;
    std::string text;
    const char* message;
  };
  const Case cases[] = {
      {"empty", "", "old: 1 行目: ファイルがここで終わっています"},
      {"invalid title byte", "T\xEF\xBF\xBD\n" + good.substr(good.find('\n') + 1),
       "1 行目: タイトル"},
      {"cut short", good.substr(0, good.find("3 0 10 10")),
       "ファイルが終わっています（節点レコード 3"},
      {"real for an integer", legacyText("1 1 2 3 4 1.0 0.0\n2 2 5 3 0 1 0.0\n"),
       "要素 1: 材料: \"1.0\""},
      {"comma inside a token", legacyText("1 1,2 3 4 1 0.0\n2 2 5 3 0 1 0.0\n"), "角 1"},
      {"lone CR in a token", legacyText("1 1 2 3 4 1 0.0\r\r\n2 2 5 3 0 1 0.0\n"), "0.0\r"},
      {"bad skipped real", legacyText("1 1 2 3 4 1 x\n2 2 5 3 0 1 0.0\n"), "実数値"},
      {"element twice", legacyText("1 1 2 3 4 1 0.0\n1 2 5 3 0 1 0.0\n"), "要素 1 が 2 回現れます"},
      {"corner beyond the nodes", legacyText("1 1 2 3 6 1 0.0\n2 2 5 3 0 1 0.0\n"),
       "角 4 6 は範囲 0..5 の外です"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AnalysisModel m = testing::oneElementModel();
    AnalysisModel before = m;
    try {
      importLegacyLines(m, linesOf(c.text), "old");
      ADD_FAILURE() << "accepted";
    } catch (const common::Error& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
    EXPECT_TRUE(m == before);
  }
}

}  // namespace
}  // namespace meshcond
