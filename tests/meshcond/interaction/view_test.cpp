// The view arithmetic: extent, scale, zoom, pan, scroll bars, zoom window.
#include "meshcond/interaction/view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "meshcond/model/analysis_model.h"

namespace meshcond::ui {
namespace {

/// The full extent of a model holding just these nodes, as a load sets it.
void showNodes(View& view, const std::vector<std::pair<double, double>>& nodes) {
  auto m = std::make_unique<AnalysisModel>();
  for (const auto& [x, y] : nodes) {
    ++m->NUMNP;
    m->X[m->NUMNP] = x;
    m->Y[m->NUMNP] = y;
  }
  Extent e = xmaxxmin(*m, view.width(), view.height());
  view.setExtent(e.xmin, e.xmax, e.ymin, e.ymax);
  view.resetToExtent();
  view.prepareRedraw();
}

// A 100 m x 10 m mesh from (0, 0) to (100, 10) in a 1000 x 500 pixel area.
class WideMeshView : public ::testing::Test {
 protected:
  void SetUp() override {
    view.setSize(1000, 500);
    showNodes(view, {{0, 0}, {100, 10}});
  }
  double windowWidth() const { return view.gxmax - view.gxmin; }
  double windowHeight() const { return view.gymax - view.gymin; }

  View view;
};

TEST(ViewStart, StartsWithTheFourThousandMetreSquare) {
  View view;
  view.setSize(801, 401);
  EXPECT_EQ(view.cx, 400);
  EXPECT_EQ(view.cy, 200);
  EXPECT_EQ(view.gscale, 1.0);
  EXPECT_EQ(view.xmin, -2000.0);
  EXPECT_EQ(view.gymax, 2000.0);
  EXPECT_FALSE(view.DrawFlag);
}

TEST_F(WideMeshView, FullExtentTakesTheAreaShapeAroundTheBox) {
  EXPECT_DOUBLE_EQ(view.xmin, 0.0);
  EXPECT_DOUBLE_EQ(view.xmax, 100.0);
  EXPECT_DOUBLE_EQ(view.ymin, 5.0 - 25.0);
  EXPECT_DOUBLE_EQ(view.ymax, 5.0 + 25.0);
  EXPECT_DOUBLE_EQ(view.gscale, 9.5);
  EXPECT_DOUBLE_EQ(view.eps, 1.0);
  EXPECT_EQ(view.hScroll.position, 0);
  EXPECT_EQ(view.hScroll.page, 500);
  EXPECT_EQ(view.vScroll.page, 500);
}

TEST_F(WideMeshView, MapsBothWays) {
  // The centre of the window is the centre of the area.
  EXPECT_EQ(view.toScreen(50, 5), (Pixel{500, 250}));
  // 9.5 pixels per metre, y upwards in the model, downwards on the screen.
  EXPECT_EQ(view.toScreen(60, 15), (Pixel{595, 155}));
  EXPECT_EQ(view.toScreen(49.99, 5), (Pixel{499, 250}));  // floor, not truncation
  ModelPoint p = view.toModel(595, 155);
  EXPECT_DOUBLE_EQ(p.x, 60.0);
  EXPECT_DOUBLE_EQ(p.y, 15.0);
}

TEST_F(WideMeshView, ZoomInThenOutLeavesTheWindowWiderByAnEighth) {
  double w = windowWidth();
  view.zoomIn();
  EXPECT_DOUBLE_EQ(windowWidth(), w * 0.75);
  EXPECT_EQ(view.hScroll.page, 375);
  EXPECT_EQ(view.hScroll.position, 62);  // floor(12.5 / 100 * 500)
  view.prepareRedraw();
  view.zoomIn();
  view.prepareRedraw();
  double before = windowWidth();
  view.zoomOut();
  EXPECT_DOUBLE_EQ(windowWidth(), before * 1.5);
  EXPECT_DOUBLE_EQ(view.xrange, windowWidth());
}

TEST_F(WideMeshView, ZoomOutBeyondTheExtentShowsTheExtent) {
  view.zoomIn();
  view.prepareRedraw();
  view.panLeft();  // off centre, so that a plain 1.5 would leave the extent
  view.prepareRedraw();
  view.zoomOut();
  EXPECT_EQ(view.gxmin, view.xmin);
  EXPECT_EQ(view.gxmax, view.xmax);
  EXPECT_EQ(view.gymin, view.ymin);
  EXPECT_EQ(view.gymax, view.ymax);
  EXPECT_EQ(view.hScroll.page, 500);
  EXPECT_EQ(view.hScroll.position, 0);
}

TEST_F(WideMeshView, PanStopsAtTheEdgeAndKeepsTheSize) {
  view.zoomIn();
  view.prepareRedraw();
  double w = windowWidth();
  for (int i = 0; i < 5; ++i) view.panLeft();
  EXPECT_EQ(view.gxmax, view.xmax);
  EXPECT_DOUBLE_EQ(windowWidth(), w);
  EXPECT_EQ(view.hScroll.position, 125);
  for (int i = 0; i < 5; ++i) view.panRight();
  EXPECT_EQ(view.gxmin, view.xmin);
  EXPECT_DOUBLE_EQ(windowWidth(), w);
  double h = windowHeight();
  view.panUp();
  EXPECT_DOUBLE_EQ(view.dy, 0.25 * h);
  EXPECT_EQ(view.gymin, view.ymin);  // 6.25 m from the edge, a step of 9.375
  EXPECT_DOUBLE_EQ(windowHeight(), h);
  for (int i = 0; i < 5; ++i) view.panDown();
  EXPECT_EQ(view.gymax, view.ymax);
  EXPECT_EQ(view.vScroll.position, 0);
  EXPECT_DOUBLE_EQ(windowHeight(), h);
}

TEST_F(WideMeshView, ExtentButtonsLeaveTheScrollBarsAlone) {
  view.zoomIn();
  ScrollSetting h = view.hScroll;
  view.showExtentWithMargin();
  EXPECT_DOUBLE_EQ(view.gxmin, -5.0);
  EXPECT_DOUBLE_EQ(view.gxmax, 105.0);
  EXPECT_DOUBLE_EQ(view.gymin, -22.5);
  EXPECT_DOUBLE_EQ(view.gymax, 32.5);
  EXPECT_EQ(view.hScroll.page, h.page);
  view.showExtent();
  EXPECT_EQ(view.gxmin, view.xmin);
  EXPECT_EQ(view.hScroll.position, h.position);
}

TEST_F(WideMeshView, ScrollingMovesTheWindowAndKeepsItsSize) {
  view.zoomIn();
  view.prepareRedraw();
  double w = windowWidth(), h = windowHeight();
  view.scrollHorizontal(100);
  EXPECT_DOUBLE_EQ(view.gxmin, 20.0);
  EXPECT_DOUBLE_EQ(windowWidth(), w);
  EXPECT_DOUBLE_EQ(view.xrange, w);
  view.scrollVertical(250);
  EXPECT_DOUBLE_EQ(view.gymax, 5.0);
  EXPECT_DOUBLE_EQ(windowHeight(), h);
  EXPECT_EQ(view.hScroll.position, 100);
  EXPECT_EQ(view.vScroll.position, 250);
}

TEST_F(WideMeshView, ZoomWindowIsTheSameDrawnEitherWay) {
  struct Case {
    const char* name;
    Pixel org, pos;
  };
  const Case cases[] = {
      {"top-left to bottom-right", {300, 100}, {500, 250}},
      {"bottom-right to top-left", {500, 250}, {300, 100}},
      {"bottom-left to top-right", {300, 250}, {500, 100}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WideMeshView::SetUp();
    view.startBand(c.org.x, c.org.y);
    view.moveBand(c.pos.x, c.pos.y);
    view.zoomToBand();
    // 200 x 150 pixels = 21.05 x 15.79 m; the tighter share is the width's.
    double r = (200 / 9.5) / 100;
    EXPECT_NEAR(view.gxmax - view.gxmin, 100 * r, 1e-9);
    EXPECT_NEAR(view.gymax - view.gymin, 50 * r, 1e-9);
    EXPECT_NEAR((view.gxmax + view.gxmin) / 2, 50 - 100 / 9.5, 1e-9);
    EXPECT_NEAR((view.gymax + view.gymin) / 2, 5 + 75 / 9.5, 1e-9);
    EXPECT_EQ(view.hScroll.page, 105);  // floor(21.05 / 100 * 500)
    EXPECT_EQ(view.vScroll.page, 105);
  }
}

TEST_F(WideMeshView, AClosedZoomWindowStillGivesAFiniteView) {
  view.startBand(400, 300);
  view.zoomToBand();
  view.prepareRedraw();
  EXPECT_GT(view.gxmax - view.gxmin, 0.0);
  EXPECT_GT(view.gymax - view.gymin, 0.0);
  EXPECT_TRUE(std::isfinite(view.gscale));
  for (int i = 0; i < 100; ++i) {
    view.zoomIn();
    view.prepareRedraw();
  }
  EXPECT_TRUE(std::isfinite(view.gscale));
  EXPECT_GT(view.gxmax - view.gxmin, 0.0);
  // Far points are kept within the int range.
  Pixel far = view.toScreen(-1e300, 1e300);
  EXPECT_LT(far.x, 0);
  EXPECT_LT(far.y, 0);
}

TEST(ViewExtent, DegenerateBoxesGetAUsableExtent) {
  struct Case {
    const char* name;
    double x1, y1, x2, y2;
  };
  const Case cases[] = {
      {"one node", 7, 3, 7, 3},
      {"a horizontal row", 0, 3, 100, 3},
      {"a vertical column", 5, 0, 5, 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    View view;
    view.setSize(400, 200);
    showNodes(view, {{c.x1, c.y1}, {c.x2, c.y2}});
    EXPECT_GT(view.xmax - view.xmin, 0.0);
    EXPECT_GT(view.ymax - view.ymin, 0.0);
    EXPECT_NEAR((view.xmax - view.xmin) / (view.ymax - view.ymin), 2.0, 1e-12);
    EXPECT_TRUE(std::isfinite(view.gscale));
    EXPECT_GT(view.gscale, 0.0);
    EXPECT_DOUBLE_EQ((view.xmax + view.xmin) / 2, (c.x1 + c.x2) / 2);
    EXPECT_DOUBLE_EQ((view.ymax + view.ymin) / 2, (c.y1 + c.y2) / 2);
  }
}

TEST(ViewExtent, NoNodesGiveAFiniteView) {
  View view;
  view.setSize(400, 200);
  showNodes(view, {});
  EXPECT_GT(view.xmax - view.xmin, 0.0);
  EXPECT_TRUE(std::isfinite(view.gscale));
  EXPECT_GT(view.gscale, 0.0);
}

TEST(ViewBand, FollowsTheCursor) {
  View view;
  view.startBand(10, 20);
  EXPECT_TRUE(view.DrawFlag);
  EXPECT_EQ(view.XPos, 10);
  view.moveBand(30, 5);
  EXPECT_EQ(view.XOrg, 10);
  EXPECT_EQ(view.YOrg, 20);
  EXPECT_EQ(view.XPos, 30);
  EXPECT_EQ(view.YPos, 5);
  view.endBand();
  EXPECT_FALSE(view.DrawFlag);
}

}  // namespace
}  // namespace meshcond::ui
