#include "meshcond/interaction/condition_marks.h"

#include <gtest/gtest.h>

#include "meshcond/interaction/drawing.h"
#include "tests/meshcond/interaction/recording_canvas.h"
#include "tests/meshcond/interaction/test_mesh.h"

namespace meshcond::ui {
namespace {

using figure::LegendEntry;
using figure::Symbol;
using testing::DrawOp;

TEST(ConditionLegend, MaterialsInUseThenEachLevelWithItsValueThenTheKindsOfBoundary) {
  AnalysisModel m;
  testing::makeConditionModel(m);
  const std::vector<LegendEntry> expected = {
      {Symbol::Swatch, 0xFF0000, "材質 1"},
      {Symbol::Swatch, 0xFFFF00, "材質 2"},
      {Symbol::Swatch, 0x0000CD, "材質 5"},
      {Symbol::Circle, fixedLevelColour(1), "水位固定 H = 12.500 m"},
      {Symbol::Circle, fixedLevelColour(2), "水位固定 H = 8.250 m"},
      {Symbol::Square, kSeepageMarkColour, "浸出面"},
      {Symbol::Diamond, kFluctuatingMarkColour, "水位変動境界"},
      {Symbol::Triangle, kRainfallMarkColour, "降雨浸透"},
  };
  EXPECT_EQ(conditionLegend(m), expected);
  EXPECT_NE(fixedLevelColour(1), fixedLevelColour(2));
}

TEST(ConditionLegend, OnlyWhatTheModelHas) {
  AnalysisModel m;
  testing::makeGrid(m, 2, 1, 1, 1);
  m.IFIXG[1] = 3;  // a group without a level read yet
  m.NSEEP = 1;     // a face without nodes
  m.NFLUCT = 1;
  const std::vector<LegendEntry> expected = {
      {Symbol::Swatch, 0xFF0000, "材質 1"},
      {Symbol::Circle, fixedLevelColour(3), "水位固定 グループ 3"},
  };
  EXPECT_EQ(conditionLegend(m), expected);
  EXPECT_TRUE(conditionLegend(AnalysisModel()).empty());
}

TEST(ConditionMarks, EveryConditionNodeGetsTheSymbolOfItsEntry) {
  AnalysisModel m;
  testing::makeConditionModel(m);
  View view;
  view.setSize(400, 300);
  view.setExtent(-5, 35, -5, 15);
  view.showExtent();
  view.prepareRedraw();
  testing::RecordingCanvas canvas;
  drawConditionMarks(m, view, canvas);
  auto at = [&](int n) { return view.toScreen(m.X[n], m.Y[n]); };

  // Fixed levels: a black ring under a disc of the group's colour.
  const std::vector<DrawOp> circles = canvas.of(DrawOp::Circle);
  ASSERT_EQ(circles.size(), 12u);
  const int fixed[] = {1, 2, 3, 10, 11, 12};
  for (int i = 0; i < 6; ++i) {
    const int n = fixed[i];
    const Colour group = fixedLevelColour(m.IFIXG[n]);
    EXPECT_EQ(circles[2 * i].points[0], at(n));
    EXPECT_EQ(circles[2 * i].colour, kBlack);
    EXPECT_EQ(circles[2 * i].size, kMarkerRadius + 1);
    EXPECT_EQ(circles[2 * i + 1].size, kMarkerRadius);
    // Packed 0x00BBGGRR on the canvas.
    EXPECT_EQ(circles[2 * i + 1].colour,
              ((group & 0xFF) << 16) | (group & 0xFF00) | ((group >> 16) & 0xFF));
  }

  // Seepage squares, fluctuating diamonds, rainfall triangles, in that order,
  // centred on their nodes and outlined in black.
  struct Mark {
    int node;
    Symbol symbol;
    uint32_t rgb;
  } marks[] = {
      {10, Symbol::Square, kSeepageMarkColour},     {11, Symbol::Square, kSeepageMarkColour},
      {1, Symbol::Diamond, kFluctuatingMarkColour}, {2, Symbol::Diamond, kFluctuatingMarkColour},
      {3, Symbol::Triangle, kRainfallMarkColour},   {6, Symbol::Triangle, kRainfallMarkColour},
      {9, Symbol::Triangle, kRainfallMarkColour},   {12, Symbol::Triangle, kRainfallMarkColour},
  };
  const std::vector<DrawOp> polygons = canvas.of(DrawOp::Polygon);
  ASSERT_EQ(polygons.size(), std::size(marks));
  for (size_t i = 0; i < std::size(marks); ++i) {
    const Pixel centre = at(marks[i].node);
    const auto corners = figure::symbolCorners(marks[i].symbol, kMarkerRadius);
    for (size_t k = 0; k < 4; ++k) {
      EXPECT_EQ(polygons[i].points[k], (Pixel{centre.x + static_cast<int>(corners[k][0]),
                                              centre.y + static_cast<int>(corners[k][1])}))
          << "mark " << i << " corner " << k;
    }
    const uint32_t c = marks[i].rgb;
    EXPECT_EQ(polygons[i].colour, ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
    EXPECT_EQ(polygons[i].outline, kBlack);
  }
}

TEST(ConditionMarks, NodesOutsideTheModelAreLeftOut) {
  AnalysisModel m;
  testing::makeGrid(m, 1, 1, 1, 1);
  m.NRAIN = 2;
  m.RAINN[1] = 0;
  m.RAINN[2] = 99;
  View view;
  view.setSize(100, 100);
  view.prepareRedraw();
  testing::RecordingCanvas canvas;
  drawConditionMarks(m, view, canvas);
  EXPECT_TRUE(canvas.ops.empty());
}

TEST(FigureTitle, TheModelsTitleTrimmedOrMesh) {
  AnalysisModel m;
  for (auto [title, shown] : {std::pair{"  堤体 A  ", "堤体 A"}, std::pair{"", "メッシュ"},
                              std::pair{"   ", "メッシュ"}}) {
    m.TITLE = title;
    EXPECT_EQ(figureTitle(m), shown);
  }
}

}  // namespace
}  // namespace meshcond::ui
