// The redraw: order, colours, element numbers and the markers of each mode.
#include "meshcond/interaction/drawing.h"

#include <gtest/gtest.h>

#include <memory>

#include "common/errors.h"
#include "recording_canvas.h"
#include "test_mesh.h"

namespace meshcond::ui {
namespace {

using testing::DrawOp;
using testing::RecordingCanvas;

class DrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::makeGrid(m, 2, 1, 10, 10);  // nodes 1 (0,0) 2 (0,10) 3 (10,0) 4 (10,10) 5 6
    view.setSize(400, 200);
    Extent e = xmaxxmin(m, view.width(), view.height());
    view.setExtent(e.xmin, e.xmax, e.ymin, e.ymax);
    view.resetToExtent();
  }
  RecordingCanvas draw(const DrawSettings& s) {
    RecordingCanvas c;
    DatShow(m, view, s, c);
    return c;
  }
  std::unique_ptr<AnalysisModel> owner = std::make_unique<AnalysisModel>();
  AnalysisModel& m = *owner;
  View view;
};

TEST_F(DrawingTest, NoMeshOnlyClearsToWhite) {
  auto empty = std::make_unique<AnalysisModel>();
  RecordingCanvas c;
  DatShow(*empty, view, DrawSettings{}, c);
  ASSERT_EQ(c.ops.size(), 1u);
  EXPECT_EQ(c.ops[0].kind, DrawOp::Clear);
  EXPECT_EQ(c.ops[0].colour, kWhite);
}

TEST_F(DrawingTest, ElementsInMaterialColoursThenTheirNumbers) {
  m.MAT[1] = 30;
  m.MAT[2] = 0;
  RecordingCanvas c = draw(DrawSettings{});
  ASSERT_EQ(c.ops.size(), 5u);
  EXPECT_EQ(c.ops[0].kind, DrawOp::Clear);
  EXPECT_EQ(c.ops[1].kind, DrawOp::Polygon);
  EXPECT_EQ(c.ops[1].colour, 0x000046u);
  EXPECT_EQ(c.ops[1].outline, kBlack);
  EXPECT_EQ(c.ops[2].colour, 0x000000u);
  EXPECT_EQ(c.ops[1].points[0], view.toScreen(0, 0));
  EXPECT_EQ(c.ops[1].points[2], view.toScreen(10, 10));
  EXPECT_EQ(c.ops[3].kind, DrawOp::Text);
  EXPECT_EQ(c.ops[3].text, "1");
  EXPECT_EQ(c.ops[3].colour, kWhite);  // readable on the dark fill
  EXPECT_EQ(c.ops[3].size, 10);
  EXPECT_EQ(c.ops[3].points[0], view.toScreen(m.Gx[1], m.Gy[1]));
  EXPECT_EQ(c.ops[4].text, "2");
  EXPECT_EQ(c.ops[4].colour, kWhite);
  m.MAT[2] = 2;  // yellow: blue numbers as before
  EXPECT_EQ(draw(DrawSettings{}).ops[4].colour, kPureBlue);
}

TEST_F(DrawingTest, OtherModesDrawEveryElementYellowAndNumbersCanBeOff) {
  m.MAT[1] = 7;
  m.MAT[2] = -3;
  DrawSettings s;
  s.state = kModeRainfall;
  s.showElementNumbers = false;
  RecordingCanvas c = draw(s);
  ASSERT_EQ(c.of(DrawOp::Polygon).size(), 2u);
  for (const DrawOp& op : c.of(DrawOp::Polygon)) EXPECT_EQ(op.colour, 0x00FFFFu);
  EXPECT_TRUE(c.of(DrawOp::Text).empty());
  s.state = kModeMaterial;
  c = draw(s);
  EXPECT_EQ(c.of(DrawOp::Polygon)[1].colour, 0u);  // a negative material is colour 0
}

TEST_F(DrawingTest, TriangleRepeatsItsThirdCorner) {
  m.KI[2] = {0, 3, 5, 6, 0};
  RecordingCanvas c = draw(DrawSettings{});
  const DrawOp tri = c.of(DrawOp::Polygon)[1];  // a copy: of() gives a fresh list
  EXPECT_EQ(tri.points[2], tri.points[3]);
  EXPECT_EQ(tri.points[3], view.toScreen(20, 10));
}

TEST_F(DrawingTest, MarkersOfEachMode) {
  m.IFIXG[1] = 1;
  m.IFIXG[4] = 2;
  m.NSEEP = 2;
  m.NSEEPN[1] = 1;
  m.SEEPN[1][1] = 3;
  m.NSEEPN[2] = 2;
  m.SEEPN[2][1] = 5;
  m.SEEPN[2][2] = 6;
  m.NRAIN = 1;
  m.RAINN[1] = 2;
  m.NFLUCT = 2;
  m.NFN.resize(3, 0);
  m.FLN.resize(3);
  m.NFN[1] = 1;
  storeAt(m.FLN[1], 1, 1);
  m.NFN[2] = 1;
  storeAt(m.FLN[2], 1, 6);

  struct Case {
    int state;
    std::string editMat;
    int curFixGroup;
    std::vector<std::pair<int, Colour>> markers;  // node, colour
  };
  const Case cases[] = {
      {kModeMaterial, "1", 0, {}},
      {kModeFixedLevel, "1", 2, {{1, gColor(255)}, {4, gColor(1)}}},
      {kModeSeepage, "2", 0, {{3, gColor(5)}, {5, gColor(7)}, {6, gColor(7)}}},
      {kModeRainfall, "1", 0, {{2, gColor(3)}}},
      {kModeFluctuating, "1", 0, {{1, gColor(5)}, {6, gColor(255)}}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.state);
    DrawSettings s;
    s.state = k.state;
    s.EditMat = k.editMat;
    s.CurFixGroup = k.curFixGroup;
    RecordingCanvas c = draw(s);
    std::vector<DrawOp> circles = c.of(DrawOp::Circle);
    ASSERT_EQ(circles.size(), k.markers.size());
    for (size_t i = 0; i < circles.size(); ++i) {
      int n = k.markers[i].first;
      EXPECT_EQ(circles[i].points[0], view.toScreen(m.X[n], m.Y[n]));
      EXPECT_EQ(circles[i].colour, k.markers[i].second);
      EXPECT_EQ(circles[i].size, kMarkerRadius);
    }
    EXPECT_EQ(c.ops.back().kind, k.markers.empty() ? DrawOp::Text : DrawOp::Circle);
  }
}

TEST_F(DrawingTest, ABadFaceNumberStopsAfterTheElementsAndNumbers) {
  m.NSEEP = 1;
  m.NSEEPN[1] = 1;
  m.SEEPN[1][1] = 3;
  DrawSettings s;
  s.state = kModeSeepage;
  s.EditMat = "a";
  RecordingCanvas c;
  EXPECT_THROW(DatShow(m, view, s, c), common::ConversionError);
  EXPECT_EQ(c.of(DrawOp::Polygon).size(), 2u);
  EXPECT_EQ(c.of(DrawOp::Text).size(), 2u);
  EXPECT_TRUE(c.of(DrawOp::Circle).empty());
  // Without faces the number is not read.
  m.NSEEP = 0;
  RecordingCanvas d;
  EXPECT_NO_THROW(DatShow(m, view, s, d));
}

}  // namespace
}  // namespace meshcond::ui
