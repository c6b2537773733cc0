// The rainfall, level-series, fixed-level and initial-level dialogs without a window.
#include "meshcond/interaction/series_forms.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace meshcond::ui {
namespace {

using Lines = std::vector<std::string>;

void setRow(CellGrid& grid, int row, const char* first, const char* second) {
  grid.setCell(1, row, first);
  grid.setCell(2, row, second);
}

TEST(RainForm, ActivationShowsTheSeriesInMillimetres) {
  AnalysisModel model;
  model.NRTIME = 2;
  model.RTIME[1] = 0;
  model.RAIN[1] = 0.0125;
  model.RTIME[2] = 1.5;
  model.RAIN[2] = 0;
  CellGrid grid = makeRainGrid();
  setRow(grid, 3, "stale", "kept");
  activateRainForm(model, grid);
  EXPECT_EQ(grid.rowCount(), 500);
  EXPECT_EQ(grid.cell(1, 0), " 時間");
  EXPECT_EQ(grid.cell(2, 0), "降雨(mm)");
  EXPECT_EQ(grid.cell(0, 1), "  1");
  EXPECT_EQ(grid.cell(0, 499), "499");
  EXPECT_EQ(grid.cell(1, 1), "   0.000");
  EXPECT_EQ(grid.cell(2, 1), "  12.500");
  EXPECT_EQ(grid.cell(1, 2), "   1.500");
  EXPECT_EQ(grid.cell(2, 3), "kept");  // rows below keep what they showed
}

TEST(RainForm, ActivationGrowsAShortGrid) {
  AnalysisModel model;
  model.NRTIME = 600;
  for (int k = 1; k <= 600; ++k) model.RTIME[k] = k;
  CellGrid grid = makeRainGrid();
  activateRainForm(model, grid);
  EXPECT_EQ(grid.rowCount(), 610);
  EXPECT_EQ(grid.cell(1, 600), " 600.000");
}

TEST(RainForm, CloseStopsAtTheFirstIncompleteRow) {
  struct Case {
    std::vector<std::pair<const char*, const char*>> rows;
    std::vector<double> times, rains;
  };
  const Case cases[] = {
      {{{"0", "10"}, {"1", "20"}, {"", ""}, {"3", "30"}}, {0, 1}, {0.010, 0.020}},
      {{{"0", "10"}, {"-1", "20"}, {"3", "30"}}, {0}, {0.010}},
      {{{"0", "10"}, {"1", ""}, {"3", "30"}}, {0}, {0.010}},
      {{{"x", "10"}}, {}, {}},
      {{{" 2.000", " 5.000"}}, {2}, {0.005}},
  };
  for (const Case& c : cases) {
    AnalysisModel model;
    model.NRTIME = 9;
    CellGrid grid = makeRainGrid();
    for (size_t i = 0; i < c.rows.size(); ++i)
      setRow(grid, static_cast<int>(i) + 1, c.rows[i].first, c.rows[i].second);
    storeRainForm(grid, model);
    ASSERT_EQ(model.NRTIME, static_cast<int>(c.times.size()));
    for (size_t k = 0; k < c.times.size(); ++k) {
      EXPECT_EQ(model.RTIME[k + 1], c.times[k]);
      EXPECT_DOUBLE_EQ(model.RAIN[k + 1], c.rains[k]);
    }
  }
}

TEST(RainForm, CloseRefusesMorePointsThanTheModelHolds) {
  AnalysisModel model;
  model.NRTIME = 1;
  CellGrid grid = makeRainGrid();
  grid.setRowCount(kRainSeriesCapacity + 5);
  for (int row = 1; row <= kRainSeriesCapacity + 1; ++row) setRow(grid, row, "1", "2");
  EXPECT_THROW(storeRainForm(grid, model), common::RangeError);
  EXPECT_EQ(model.NRTIME, 1);
  setRow(grid, kRainSeriesCapacity + 1, "", "");
  storeRainForm(grid, model);
  EXPECT_EQ(model.NRTIME, kRainSeriesCapacity);
}

TEST(RainForm, LeavingACell) {
  EXPECT_EQ(leaveRainCell(1, "2"), "   2.000");
  EXPECT_EQ(leaveRainCell(1, "two"), "");
  EXPECT_EQ(leaveRainCell(2, " 0.5"), "   0.500");
  EXPECT_THROW(leaveRainCell(2, "lots"), common::ConversionError);
}

TEST(RainForm, ImportFillsRowsPerLineAndTreatsAnEmptyRainfallAsZero) {
  CellGrid grid = makeRainGrid();
  setRow(grid, 7, "old", "old");
  importRainfall({"時間,降雨", "0,1.5", "1 2.25", "2,", "\"3\",4"}, "rain.csv", grid);
  EXPECT_EQ(grid.rowCount(), 15);
  EXPECT_EQ(grid.cell(1, 1), "   0.000");
  EXPECT_EQ(grid.cell(2, 1), "   1.500");
  EXPECT_EQ(grid.cell(2, 2), "   2.250");
  EXPECT_EQ(grid.cell(2, 3), "   0.000");
  EXPECT_EQ(grid.cell(1, 4), "   3.000");
  EXPECT_EQ(grid.cell(1, 7), "");
  EXPECT_EQ(grid.cell(0, 14), " 14");

  AnalysisModel model;
  storeRainForm(grid, model);
  EXPECT_EQ(model.NRTIME, 4);
  EXPECT_DOUBLE_EQ(model.RAIN[2], 0.00225);
}

TEST(SeriesImport, HeaderOnlyLeavesElevenEmptyRows) {
  CellGrid rain = makeRainGrid();
  setRow(rain, 1, "1", "1");
  importRainfall({"\x83\x77 header"}, "h.csv", rain);
  EXPECT_EQ(rain.rowCount(), 11);
  for (int row = 1; row < 11; ++row) EXPECT_EQ(rain.cell(1, row) + rain.cell(2, row), "");

  CellGrid levels = makeLevelGrid();
  importLevels({"header"}, "h.csv", 0, levels);
  EXPECT_EQ(levels.rowCount(), 11);
}

TEST(SeriesImport, BadLinesStopTheImportNamingTheLineAndKeepTheRowsBefore) {
  struct Case {
    Lines lines;
    const char* where;
  };
  const Case cases[] = {
      {{"h", "0,1", "5"}, "s.csv: 3 行目"},
      {{"h", "0,1", "1,2", "a,3"}, "s.csv: 4 行目: 1 番目の値"},
      {{"h", "0,1", ""}, "s.csv: 3 行目"},
      {{"h", "0,1", "2,x"}, "s.csv: 3 行目: 2 番目の値"},
  };
  for (const Case& c : cases) {
    CellGrid grid = makeRainGrid();
    try {
      importRainfall(c.lines, "s.csv", grid);
      ADD_FAILURE() << "imported " << c.where;
    } catch (const common::Error& e) {
      EXPECT_NE(std::string(e.what()).find(c.where), std::string::npos) << e.what();
    }
    EXPECT_EQ(grid.cell(2, 1), "   1.000");
    CellGrid levels = makeLevelGrid();
    EXPECT_THROW(importLevels(c.lines, "s.csv", 0, levels), common::Error);
    EXPECT_EQ(levels.cell(2, 1), "     1.000");
  }
  // A level series needs its level.
  CellGrid levels = makeLevelGrid();
  EXPECT_THROW(importLevels({"h", "1,"}, "s.csv", 0, levels), common::ConversionError);
}

TEST(LevelForm, ImportAddsTheOffsetToTheLevelsOnly) {
  CellGrid grid = makeLevelGrid();
  importLevels({"time,level", "0, 10.0", "2.5, 11.25"}, "lv.csv", 1.5, grid);
  EXPECT_EQ(grid.rowCount(), 13);
  EXPECT_EQ(grid.cell(1, 1), "     0.000");
  EXPECT_EQ(grid.cell(2, 1), "    11.500");
  EXPECT_EQ(grid.cell(1, 2), "     2.500");
  EXPECT_EQ(grid.cell(2, 2), "    12.750");
}

TEST(LevelForm, ActivationShowsTheChosenBoundarysSeries) {
  AnalysisModel model;
  model.MAXFT = 3;
  model.NFT[2] = 2;
  storeAt(model.FTIME[2], 1, 0.0);
  storeAt(model.FLEV[2], 1, 10.0);
  storeAt(model.FTIME[2], 2, 24.0);
  storeAt(model.FLEV[2], 2, 9.5);
  CellGrid grid = makeLevelGrid();
  setRow(grid, 3, "x", "y");
  activateLevelForm(model, 2, grid);
  EXPECT_EQ(grid.cell(0, 0), "No");
  EXPECT_EQ(grid.cell(2, 0), "水位(m)");
  EXPECT_EQ(grid.cell(1, 2), "    24.000");
  EXPECT_EQ(grid.cell(2, 2), "     9.500");
  EXPECT_EQ(grid.cell(1, 3), "");      // cleared
  activateLevelForm(model, 25, grid);  // no series room: an empty grid
  EXPECT_EQ(grid.cell(1, 1), "");
}

TEST(LevelForm, CloseStoresTheRowsUpToTheFirstWithoutTimeOrLevel) {
  struct Case {
    std::vector<std::pair<const char*, const char*>> rows;
    int points;
  };
  const Case cases[] = {
      {{{"0", "10"}, {"1", "11"}, {"", "12"}, {"3", "13"}}, 2},
      {{{"0", "10"}, {"1", "x"}}, 1},
      {{{"0", "10"}, {"1", ""}}, 1},
      {{{"-1", "10"}, {"1", "10"}}, 2},  // negative times are times here
  };
  for (const Case& c : cases) {
    AnalysisModel model;
    model.NFT[4] = 7;
    CellGrid grid = makeLevelGrid();
    for (size_t i = 0; i < c.rows.size(); ++i)
      setRow(grid, static_cast<int>(i) + 1, c.rows[i].first, c.rows[i].second);
    storeLevelForm(grid, 4, model);
    EXPECT_EQ(model.NFT[4], c.points);
    EXPECT_EQ(loadAt(model.FLEV[4], 1), 10.0);
  }
}

TEST(LevelForm, CloseRefusesABoundaryWithoutSeriesRoomOrTooManyPoints) {
  CellGrid grid = makeLevelGrid();
  setRow(grid, 1, "0", "1");
  for (int boundary : {0, 21, -3}) {
    AnalysisModel model;
    EXPECT_THROW(storeLevelForm(grid, boundary, model), common::RangeError) << boundary;
  }
  AnalysisModel model;
  model.NFT[20] = 3;
  grid.setRowCount(kFluctSeriesCapacity + 3);
  for (int row = 1; row <= kFluctSeriesCapacity + 1; ++row) setRow(grid, row, "1", "2");
  EXPECT_THROW(storeLevelForm(grid, 20, model), common::RangeError);
  EXPECT_EQ(model.NFT[20], 3);
}

TEST(FixedLevels, ListClickAndClose) {
  AnalysisModel model;
  model.NFIXWL = 1;
  model.FIXWL[1] = 10.0;
  Lines lines = fixedLevelLines(model);
  EXPECT_EQ(lines, Lines{" 10.000"});
  lines.push_back(fixedLevelLine(" 12.5"));
  EXPECT_EQ(lines.back(), " 12.500");
  EXPECT_THROW(fixedLevelLine("high"), common::ConversionError);

  auto choice = chooseFixedLevel(lines, 1);
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->group, 2);
  EXPECT_EQ(choice->level, 12.5);
  EXPECT_FALSE(chooseFixedLevel(lines, -1));
  EXPECT_FALSE(chooseFixedLevel(lines, 2));

  storeFixedLevels(lines, model);
  EXPECT_EQ(model.NFIXWL, 2);
  EXPECT_EQ(model.FIXWL[2], 12.5);
}

TEST(FixedLevels, CloseRefusesMoreLevelsThanTheModelHolds) {
  AnalysisModel model;
  model.NFIXWL = 1;
  Lines lines(kFixedLevelCapacity + 1, "  1.000");
  EXPECT_THROW(storeFixedLevels(lines, model), common::RangeError);
  EXPECT_EQ(model.NFIXWL, 1);
  lines.pop_back();
  storeFixedLevels(lines, model);
  EXPECT_EQ(model.NFIXWL, kFixedLevelCapacity);
}

/// Six nodes at heights 0..50: node 2 fixed at group 1 (8.0), node 3 on a
/// fluctuating boundary, node 4 a rainfall node, node 5 fixed and rainfall.
AnalysisModel initialLevelModel() {
  AnalysisModel model;
  model.NUMNP = 6;
  for (int n = 1; n <= 6; ++n) {
    model.Y[n] = 10.0 * (n - 1);
    model.H[n] = -1;
  }
  model.NFIXWL = 1;
  model.FIXWL[1] = 8.0;
  model.IFIXG[2] = 1;
  model.IFIXG[5] = 1;
  model.NFLUCT = 1;
  model.NFN[1] = 1;
  storeAt(model.FLN[1], 1, 3);
  model.NRAIN = 2;
  model.RAINN[1] = 4;
  model.RAINN[2] = 5;
  return model;
}

TEST(InitialLevel, TypedLevelGoesToEveryNodeNotHeldAtALevel) {
  AnalysisModel model = initialLevelModel();
  model.KODE[6] = 1;  // raised by an earlier closing: never cleared here
  storeInitialLevels(model, " 12.5", nullptr, "");
  const int kode[] = {0, 0, 1, 1, -4, -4, 1};
  const double h[] = {0, 12.5, 8.0, -1, 12.5, 12.5, -1};
  for (int n = 1; n <= 6; ++n) {
    EXPECT_EQ(model.KODE[n], kode[n]) << n;
    EXPECT_EQ(model.H[n], h[n]) << n;
  }
}

TEST(InitialLevel, ALevelThatIsNoNumberGivesZero) {
  AnalysisModel model = initialLevelModel();
  storeInitialLevels(model, "abc", nullptr, "");
  EXPECT_EQ(model.H[1], 0.0);
  EXPECT_EQ(model.H[2], 8.0);
}

TEST(InitialLevel, AnEmptyBoxLeavesTheLevelsButRaisesTheCodes) {
  for (const char* text : {"", "   "}) {
    SCOPED_TRACE(std::string("\"") + text + "\"");
    AnalysisModel model = initialLevelModel();
    model.H[1] = 7.25;
    model.H[6] = 3.5;
    storeInitialLevels(model, text, nullptr, "");
    EXPECT_EQ(model.H[1], 7.25);
    EXPECT_EQ(model.H[6], 3.5);
    EXPECT_EQ(model.H[2], 8.0);  // the fixed-level node still gets its group's level
    EXPECT_EQ(model.KODE[4], -4);
  }
}

TEST(InitialLevel, TheBoxShowsTheLevelTheFreeNodesShare) {
  struct Case {
    const char* name;
    double h1, h4, h6;  // nodes 2, 5 (fixed) and 3 (fluctuating) are held
    const char* expected;
  };
  const Case cases[] = {
      {"all free nodes at one level", 12.5, 12.5, 12.5, "12.500"},
      {"held nodes do not count", 0, 0, 0, "0.000"},
      {"free nodes at two levels", 12.5, 3, 12.5, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AnalysisModel model = initialLevelModel();
    model.H[1] = c.h1;
    model.H[2] = 99;
    model.H[3] = -5;
    model.H[4] = c.h4;
    model.H[5] = 42;
    model.H[6] = c.h6;
    EXPECT_EQ(initialLevelText(model), c.expected);
  }
  AnalysisModel none;
  EXPECT_EQ(initialLevelText(none), "");
}

TEST(InitialLevel, FileGivesLevelsPerNode) {
  AnalysisModel model = initialLevelModel();
  Lines file{"node,level", "1,3.5", "2,4.5", "5 6.5", "6,7"};
  storeInitialLevels(model, "99", &file, "init.csv");
  EXPECT_EQ(model.H[1], 3.5);
  EXPECT_EQ(model.H[2], 8.0);  // fixed
  EXPECT_EQ(model.H[3], -1);   // on its boundary
  EXPECT_EQ(model.H[4], -1);   // not in the file
  EXPECT_EQ(model.H[5], 6.5);  // a rainfall node though fixed
  EXPECT_EQ(model.H[6], 7);
}

TEST(InitialLevel, BadFileLineStopsAfterTheCodesAndTheLinesBefore) {
  struct Case {
    Lines lines;
    const char* where;
  };
  const Case cases[] = {
      {{"h", "1,3.5", "20001,1"}, "init.csv: 3 行目"},
      {{"h", "1,3.5", "0,1"}, "init.csv: 3 行目"},
      {{"h", "1,3.5", "1.0,1"}, "init.csv: 3 行目: 1 番目の値"},
      {{"h", "1,3.5", "6,x"}, "init.csv: 3 行目: 2 番目の値"},
      {{"h", "1,3.5", "6"}, "init.csv: 3 行目"},
  };
  for (const Case& c : cases) {
    AnalysisModel model = initialLevelModel();
    try {
      storeInitialLevels(model, "", &c.lines, "init.csv");
      ADD_FAILURE() << "stored " << c.where;
    } catch (const common::Error& e) {
      EXPECT_NE(std::string(e.what()).find(c.where), std::string::npos) << e.what();
    }
    EXPECT_EQ(model.H[1], 3.5);
    EXPECT_EQ(model.KODE[5], -4);
    EXPECT_EQ(model.H[6], -1);
  }
}

}  // namespace
}  // namespace meshcond::ui
