#include "linemesh/interaction/view.h"

#include <gtest/gtest.h>

#include "common/window_placement.h"
#include "tests/linemesh/interaction/recording_canvas.h"

namespace linemesh::ui {
namespace {

using testing::RecordingCanvas;

class ViewTest : public ::testing::Test {
 protected:
  LineNetwork net;
  RecordingCanvas canvas{1000, 400};
  View view{net, canvas};

  void SetUp() override { view.reset(); }

  void expectWindow(double x0, double x1, double y0, double y1) {
    EXPECT_DOUBLE_EQ(view.gxmin, x0);
    EXPECT_DOUBLE_EQ(view.gxmax, x1);
    EXPECT_DOUBLE_EQ(view.gymin, y0);
    EXPECT_DOUBLE_EQ(view.gymax, y1);
  }
};

TEST_F(ViewTest, StartUpScaleOnA1000By400Surface) {
  EXPECT_DOUBLE_EQ(view.gscale, 2.25);  // 0.9*1000/400 beats 0.9*400/100 = 3.6
  EXPECT_DOUBLE_EQ(net.eps, 4.0 / 2.25);
  EXPECT_EQ(view.toPixelX(0.0), 500);
  EXPECT_EQ(view.toPixelY(0.0), 200);
  expectWindow(-200, 200, -50, 50);
}

TEST_F(ViewTest, MappingBothWays) {
  // y grows upwards in the world, downwards on the surface; pixels round down.
  EXPECT_EQ(view.toPixelX(10.0), 522);   // 500 + 22.5
  EXPECT_EQ(view.toPixelY(10.0), 177);   // 200 - 22.5
  EXPECT_EQ(view.toPixelX(-10.0), 477);  // 500 - 22.5
  EXPECT_DOUBLE_EQ(view.toWorldX(545), 20.0);
  EXPECT_DOUBLE_EQ(view.toWorldY(155), 20.0);
  for (int px : {0, 17, 500, 999}) {
    EXPECT_EQ(view.toPixelX(view.toWorldX(px)), px);
    EXPECT_EQ(view.toPixelY(view.toWorldY(px % 400)), px % 400);
  }
}

TEST_F(ViewTest, ZoomOutAfterZoomAllChangesNothing) {
  view.zoomAll();
  view.zoomOut();
  expectWindow(-200, 200, -50, 50);
}

TEST_F(ViewTest, ZoomInThenOutDoesNotRestoreTheWindow) {
  view.zoomIn();
  expectWindow(-150, 150, -37.5, 37.5);
  view.centre();
  view.zoomOut();
  expectWindow(-180, 180, -45, 45);  // 0.75 * 1.2 = 0.9
}

TEST_F(ViewTest, ZoomInIsAboutTheCentre) {
  view.gxmin = 0;
  view.gxmax = 100;
  view.gymin = 0;
  view.gymax = 40;
  view.centre();
  view.zoomIn();
  expectWindow(12.5, 87.5, 5, 35);
}

TEST_F(ViewTest, WidenUsesTheBoxSize) {
  view.setBoxSize(900, 300);
  view.widen();
  expectWindow(-200 - 450 / 2.25, 200 + 450 / 2.25, -50 - 99 / 2.25, 50 + 99 / 2.25);
}

TEST_F(ViewTest, PansStopAtTheExtents) {
  view.panLeft();
  expectWindow(-200, 200, -50, 50);
  view.panRight();
  expectWindow(-200, 200, -50, 50);
  view.panUp();
  expectWindow(-200, 200, -50, 50);
  view.panDown();
  expectWindow(-200, 200, -50, 50);
}

TEST_F(ViewTest, PansMoveByATenthOfTheBox) {
  view.zoomIn();  // -150..150, -37.5..37.5 at scale 2.25
  const double xstep = 0.1 * 1000 / 2.25, ystep = 0.1 * 400 / 2.25;
  view.panLeft();
  expectWindow(-150 - xstep, 150 - xstep, -37.5, 37.5);
  view.panLeft();  // would pass xmin: stops there, keeping the width
  expectWindow(-200, 100, -37.5, 37.5);
  view.panRight();
  expectWindow(-200 + xstep, 100 + xstep, -37.5, 37.5);
  view.panUp();  // 37.5 + 17.8 would pass ymax: the step becomes what is left
  expectWindow(-200 + xstep, 100 + xstep, -25, 50);
  view.panUp();
  expectWindow(-200 + xstep, 100 + xstep, -25, 50);
  view.panDown();
  expectWindow(-200 + xstep, 100 + xstep, -25 - ystep, 50 - ystep);
}

TEST_F(ViewTest, ZoomAtKeepsThePointUnderTheMouse) {
  for (auto [sx, sy] : {std::pair{800, 100}, {17, 390}, {500, 200}}) {
    view.reset();
    const double x = view.toWorldX(sx), y = view.toWorldY(sy);
    view.zoomAt(sx, sy, 0.75);
    view.Disp();  // the scale follows the window
    EXPECT_DOUBLE_EQ(view.gscale, 2.25 / 0.75);
    EXPECT_NEAR(view.toWorldX(sx), x, 1e-9);
    EXPECT_NEAR(view.toWorldY(sy), y, 1e-9);
    EXPECT_NEAR(view.toPixelX(x), sx, 1);
    EXPECT_NEAR(view.toPixelY(y), sy, 1);
    view.zoomAt(sx, sy, 1 / 0.75);  // and back
    view.Disp();
    expectWindow(-200, 200, -50, 50);
  }
}

TEST_F(ViewTest, ZoomingOutAtStopsAtTheExtents) {
  view.zoomAt(100, 100, 1.5);  // shows them all already
  expectWindow(-200, 200, -50, 50);
  view.zoomAt(100, 100, 0.5);
  view.Disp();
  EXPECT_FALSE(view.showsExtents());
  view.zoomAt(900, 300, 1.5);  // would pass them on the left: moved back
  view.Disp();
  EXPECT_DOUBLE_EQ(view.gxmin, -200);
  EXPECT_NEAR(view.gxmax - view.gxmin, 300, 1e-9);
  EXPECT_GE(view.gymin, -50);
  EXPECT_NEAR(view.gymax - view.gymin, 75, 1e-9);
  view.zoomAt(900, 300, 3.0);  // larger than them: cut to them
  expectWindow(-200, 200, -50, 50);
  EXPECT_TRUE(view.showsExtents());
}

TEST_F(ViewTest, DragMovesTheDrawingWithTheMouse) {
  view.zoomIn();
  view.centre();
  view.Disp();
  const double x = view.toWorldX(500), y = view.toWorldY(200);
  view.dragBy(40, -20);
  view.Disp();
  EXPECT_NEAR(view.toWorldX(540), x, 1e-9);
  EXPECT_NEAR(view.toWorldY(180), y, 1e-9);
  EXPECT_NEAR(view.gxmax - view.gxmin, 300, 1e-9);  // the size stays
  view.dragBy(-100000, 100000);                     // the centre stops at the extents
  EXPECT_DOUBLE_EQ(view.xmed, 200);
  EXPECT_DOUBLE_EQ(view.ymed, 50);  // dragged down: the top comes into view
  EXPECT_NEAR(view.gxmax - view.gxmin, 300, 1e-9);
}

TEST_F(ViewTest, ScrollPositionsAndRecentring) {
  EXPECT_EQ(view.horzPosition(), 50);
  EXPECT_EQ(view.vertPosition(), 50);
  view.gxmin = -190.9;
  view.gxmax = -10.9;  // centre -100.9: 24.775 %
  view.gymin = 10.3;
  view.gymax = 30.3;  // centre 20.3: 29.7 % from the top
  view.centre();
  EXPECT_EQ(view.horzPosition(), 24);
  EXPECT_EQ(view.vertPosition(), 29);
  view.horzScrolled(24);  // centre onto the 1 % grid: -104
  view.vertScrolled(29);  // 50 - 29 = 21
  EXPECT_DOUBLE_EQ(view.xmed, -104);
  EXPECT_DOUBLE_EQ(view.gxmin, -194);
  EXPECT_DOUBLE_EQ(view.gxmax, -14);
  EXPECT_DOUBLE_EQ(view.ymed, 21);
  EXPECT_DOUBLE_EQ(view.gymin, 11);
  EXPECT_DOUBLE_EQ(view.gymax, 31);
}

TEST_F(ViewTest, ScrollPositionsAreLimitedTo0To100) {
  view.gxmin = 300;
  view.gxmax = 500;
  view.gymin = 100;
  view.gymax = 200;
  view.centre();
  EXPECT_EQ(view.horzPosition(), 100);
  EXPECT_EQ(view.vertPosition(), 0);
  view.gxmin = -900;
  view.gxmax = -500;
  view.gymin = -300;
  view.gymax = -200;
  view.centre();
  EXPECT_EQ(view.horzPosition(), 0);
  EXPECT_EQ(view.vertPosition(), 100);
}

TEST_F(ViewTest, AreaSelectionInBothDragDirections) {
  struct Case {
    double x1, y1, x2, y2;
  } cases[] = {{-10, 20, 30, -5}, {30, -5, -10, 20}, {-10, -5, 30, 20}, {30, 20, -10, -5}};
  for (const Case& c : cases) {
    view.reset();
    ASSERT_TRUE(view.selectArea(c.x1, c.y1, c.x2, c.y2));
    expectWindow(-10, 30, -5, 20);
  }
}

TEST_F(ViewTest, AreaWithoutWidthOrHeightIsRefused) {
  EXPECT_FALSE(view.selectArea(5, 5, 5, 5));
  EXPECT_FALSE(view.selectArea(5, 1, 5, 9));
  EXPECT_FALSE(view.selectArea(1, 5, 9, 5));
  expectWindow(-200, 200, -50, 50);
}

TEST_F(ViewTest, FitExtentsGivesSizeToEmptyAndPointExtents) {
  net.xmin = net.xmax = 7;
  net.ymin = -3;
  net.ymax = 4;
  view.fitExtents();
  EXPECT_DOUBLE_EQ(net.xmin, 6);
  EXPECT_DOUBLE_EQ(net.xmax, 8);
  EXPECT_DOUBLE_EQ(net.ymin, -3);
  EXPECT_DOUBLE_EQ(net.ymax, 4);
  // What a reader leaves for a file without nodes.
  net.xmin = net.ymin = 9999999.0;
  net.xmax = net.ymax = -999999.0;
  view.fitExtents();
  EXPECT_DOUBLE_EQ(net.xmin, -200);
  EXPECT_DOUBLE_EQ(net.xmax, 200);
  EXPECT_DOUBLE_EQ(net.ymin, -50);
  EXPECT_DOUBLE_EQ(net.ymax, 50);
  view.reset();
  EXPECT_GT(view.gscale, 0);
}

TEST_F(ViewTest, ColourTableWrapsAt14) {
  EXPECT_EQ(tableColor(0), 0x000000u);
  EXPECT_EQ(tableColor(1), 0xFF0000u);
  EXPECT_EQ(tableColor(5), 0x0000FFu);
  EXPECT_EQ(tableColor(13), 0x00FF00u);
  EXPECT_EQ(tableColor(15), 0xFF0000u);
}

TEST_F(ViewTest, NegativeColourChangesNothing) {
  view.gColor(3);
  view.gColor(-1);
  EXPECT_EQ(canvas.tools().penColor, 0x008000u);
  EXPECT_EQ(canvas.tools().fillColor, 0x008000u);
}

TEST_F(ViewTest, DispDrawsLiveNodesThenLines) {
  const int a = net.appendNode(0, 0), b = net.appendNode(10, 0), c = net.appendNode(10, 10);
  net.appendLine(a, b);
  net.appendLine(b, c);
  net.Elem[2].Flag = -1;
  net.Node[c].Flag = -1;
  view.Disp();
  ASSERT_GE(canvas.commands.size(), 1u);
  const auto& clear = canvas.commands.front();
  EXPECT_EQ(clear.kind, "fill");
  EXPECT_EQ(clear.tools.fillColor, 0xFFFFFFu);
  EXPECT_EQ(clear.x2, 1000);
  EXPECT_EQ(clear.y2, 400);
  const auto discs = canvas.ofKind("ellipse");
  ASSERT_EQ(discs.size(), 2u);
  EXPECT_EQ(discs[0].x1, 498);  // radius 2 px about (500, 200)
  EXPECT_EQ(discs[0].y1, 198);
  EXPECT_EQ(discs[0].x2, 502);
  EXPECT_EQ(discs[0].y2, 202);
  EXPECT_EQ(discs[0].tools.fillColor, 0x0000FFu);
  const auto lines = canvas.ofKind("line");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].x1, 500);
  EXPECT_EQ(lines[0].x2, 522);
  EXPECT_EQ(lines[0].tools.penColor, 0x000000u);
  EXPECT_EQ(lines[0].tools.penWidth, 1);
  EXPECT_DOUBLE_EQ(view.cr, 2.2 / 2.25);
  EXPECT_EQ(view.nodeCaption(), "節点：3");
  // Nodes come first.
  EXPECT_EQ(canvas.commands[1].kind, "ellipse");
}

TEST_F(ViewTest, DispShowsElementsWithNumbersAndFaultyCellsInThickRed) {
  for (auto [x, y] : {std::pair{0, 0}, {10, 0}, {10, 10}, {0, 10}, {20, 0}, {30, 5}}) {
    net.appendNode(x, y);
  }
  net.appendLine(1, 2);  // must not be drawn when elements are shown
  net.NE = 3;
  net.KI[1] = CornerRow{0, 1, 2, 3, 4, 0, 0};
  net.KN[1] = 4;
  net.KI[2] = CornerRow{0, 2, 5, 3, 0, 0, 0};
  net.KN[2] = 3;
  net.KI[3] = CornerRow{0, 1, 2, 5, 6, 3, 0};
  net.KN[3] = -1;
  view.frame = true;
  view.Disp();
  const auto lines = canvas.ofKind("line");
  ASSERT_EQ(lines.size(), 4u + 3u + 5u);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(lines[i].tools.penColor, 0x000000u);
    EXPECT_EQ(lines[i].tools.penWidth, 1);
  }
  for (int i = 7; i < 12; ++i) {
    EXPECT_EQ(lines[i].tools.penColor, 0xFF0000u);
    EXPECT_EQ(lines[i].tools.penWidth, 3);
  }
  // The triangle's last side closes back to its first corner.
  EXPECT_EQ(lines[6].x2, view.toPixelX(10));
  EXPECT_EQ(lines[6].y2, view.toPixelY(0));
  const auto texts = canvas.ofKind("text");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "1");
  EXPECT_EQ(texts[0].x1, view.toPixelX(5));
  EXPECT_EQ(texts[0].y1, view.toPixelY(5));
  EXPECT_EQ(texts[0].tools.fillStyle, FillStyle::Clear);
  EXPECT_EQ(texts[1].text, "2");
  EXPECT_EQ(texts[1].x1, view.toPixelX(40.0 / 3));
  EXPECT_EQ(canvas.tools().penWidth, 1);
  // The numbers come after the sides of all elements, so no side crosses
  // one; the thick outlines of faulty cells come last.
  std::vector<std::string> order;
  for (const auto& c : canvas.commands)
    if ((c.kind == "line" || c.kind == "text") && (order.empty() || order.back() != c.kind))
      order.push_back(c.kind);
  EXPECT_EQ(order, (std::vector<std::string>{"line", "text", "line"}));
}

TEST_F(ViewTest, ElementNumbersCanBeSwitchedOff) {
  for (auto [x, y] : {std::pair{0, 0}, {10, 0}, {10, 10}}) net.appendNode(x, y);
  net.NE = 1;
  net.KI[1] = CornerRow{0, 1, 2, 3, 0, 0, 0};
  net.KN[1] = 3;
  view.frame = true;
  view.numbers = false;
  view.Disp();
  EXPECT_TRUE(canvas.ofKind("text").empty());
  EXPECT_EQ(canvas.ofKind("line").size(), 3u);  // the sides are drawn all the same
  canvas.commands.clear();
  view.numbers = true;
  view.Disp();
  EXPECT_EQ(canvas.ofKind("text").size(), 1u);
}

TEST_F(ViewTest, MarksOfAFormationAreFilledFirstAndLooseLinesDrawnGrey) {
  net.appendNode(0, 0);
  WorldRing outer{{0, 0}, {10, 0}, {10, 10}}, hole{{2, 1}, {8, 1}, {8, 7}};
  view.marks.cells = {{outer, hole}};
  view.marks.looseLines = {{0, 0, 5, 5}};
  view.Disp();  // the line view shows no marks
  EXPECT_TRUE(canvas.ofKind("rings").empty());
  canvas.commands.clear();
  view.frame = true;
  view.Disp();
  ASSERT_GE(canvas.commands.size(), 4u);
  EXPECT_EQ(canvas.commands[0].kind, "fill");  // the white background
  const testing::Command& rings = canvas.commands[1];
  ASSERT_EQ(rings.kind, "rings");
  EXPECT_EQ(rings.tools.fillColor, kCellWarningColor);
  ASSERT_EQ(rings.rings.size(), 2u);
  EXPECT_EQ(rings.rings[1][2], (std::array<int, 2>{view.toPixelX(8), view.toPixelY(7)}));
  EXPECT_EQ(canvas.commands[2].kind, "ellipse");  // then the nodes
  const auto lines = canvas.ofKind("line");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].tools.penColor, tableColor(kLooseLineColor));
}

TEST_F(ViewTest, PickedFacesAreFilledInBothViewsOverTheFormationMarks) {
  net.appendNode(0, 0);
  WorldRing square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  view.marks.cells = {{square}};
  view.pickedFaces = {{square}};
  for (bool frame : {false, true}) {
    SCOPED_TRACE(frame);
    canvas.commands.clear();
    view.frame = frame;
    view.Disp();
    const auto rings = canvas.ofKind("rings");
    ASSERT_EQ(rings.size(), frame ? 2u : 1u);
    EXPECT_EQ(rings.back().tools.fillColor, kPickedFaceColor);
    EXPECT_EQ(rings.back().rings[0][2], (std::array<int, 2>{view.toPixelX(10), view.toPixelY(10)}));
    EXPECT_EQ(canvas.commands[1 + rings.size()].kind, "ellipse");  // the nodes over them
  }
}

TEST(WindowPlacement, TheWholeFrameFillsTheWorkArea) {
  // A work area below a 24-pixel panel; a frame with a 20-pixel title bar.
  using common::clientAreaFilling;
  using common::WindowBox;
  const WindowBox work{0, 24, 1280, 776};
  EXPECT_EQ(clientAreaFilling(work, {1, 20, 1, 4}), (WindowBox{1, 44, 1278, 752}));
  // Not framed (yet): the client area is the work area.
  EXPECT_EQ(clientAreaFilling(work, {}), work);
  // A frame larger than the work area still leaves a window.
  EXPECT_EQ(clientAreaFilling({0, 0, 10, 10}, {8, 8, 8, 8}), (WindowBox{8, 8, 1, 1}));
}

}  // namespace
}  // namespace linemesh::ui
