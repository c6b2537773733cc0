#include "linemesh/interaction/line_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "common/errors.h"
#include "tests/linemesh/interaction/recording_canvas.h"

namespace linemesh::ui {
namespace {

using testing::Command;
using testing::RecordingCanvas;

class LineEditorTest : public ::testing::Test {
 protected:
  LineNetwork net;
  RecordingCanvas canvas{1000, 400};
  View view{net, canvas};
  LineEditor editor{net, view, canvas};

  void SetUp() override { editor.start(); }

  int px(double x) const { return view.toPixelX(x); }
  int py(double y) const { return view.toPixelY(y); }
  void leftAt(double x, double y) { editor.mouseDown(px(x), py(y), MouseButton::Left); }
  void typedLine(double x1, double y1, double x2, double y2) {
    editor.panel.editXo = std::to_string(x1);
    editor.panel.editYo = std::to_string(y1);
    editor.panel.editX1 = std::to_string(x2);
    editor.panel.editY1 = std::to_string(y2);
    editor.btnLine2Click();
  }
  int liveLines() const {
    int n = 0;
    for (int j = 1; j <= net.NUMEL; ++j) n += net.Elem[j].Flag >= 0;
    return n;
  }
  int liveNodes() const {
    int n = 0;
    for (int k = 1; k <= net.NUMNP; ++k) n += net.Node[k].Flag >= 0;
    return n;
  }
  bool hasNodeAt(double x, double y) const {
    for (int k = 1; k <= net.NUMNP; ++k) {
      if (net.Node[k].Flag >= 0 && std::fabs(net.Node[k].X - x) < 1e-9 &&
          std::fabs(net.Node[k].Y - y) < 1e-9)
        return true;
    }
    return false;
  }
  static bool isBand(const Command& c) {
    return c.tools.penMode == PenMode::Inverting && c.tools.penStyle == PenStyle::Dot &&
           c.tools.penColor == 0xFF0000u;
  }
};

TEST_F(LineEditorTest, StartUpState) {
  EXPECT_EQ(editor.stage, 1);
  EXPECT_EQ(editor.pressedMode, 1);
  EXPECT_EQ(editor.cursor, 1);
  EXPECT_FALSE(editor.DrawFlag);
  EXPECT_TRUE(net.ONSNAP);
  EXPECT_TRUE(editor.FreeDeg);
  EXPECT_EQ(editor.DevNum, 2);
  EXPECT_EQ(editor.horzBar, 50);
  EXPECT_EQ(editor.vertBar, 50);
  EXPECT_EQ(editor.panel.snap, "ONSNAP");
  EXPECT_EQ(editor.panel.connect, "自由");
  EXPECT_EQ(editor.panel.nodes, "節点：0");
  EXPECT_FALSE(editor.modified);
}

TEST_F(LineEditorTest, TwoClicksDrawALineAndFillTheBoxes) {
  leftAt(0, 0);
  EXPECT_TRUE(editor.DrawFlag);
  EXPECT_EQ(editor.panel.editXo, "     0.000");
  leftAt(20, 0);
  EXPECT_FALSE(editor.DrawFlag);
  EXPECT_EQ(net.NUMNP, 2);
  EXPECT_EQ(net.NUMEL, 1);
  EXPECT_EQ(editor.panel.editX1, "    20.000");
  EXPECT_EQ(editor.panel.nodes, "節点：2");
  EXPECT_TRUE(editor.modified);
}

TEST_F(LineEditorTest, ClicksNearANodeSnapToIt) {
  leftAt(0, 0);
  leftAt(20, 0);
  const double x2 = net.Node[net.Elem[1].N1].X;
  // One pixel beside each end: both within the 4 pixel tolerance.
  editor.mouseDown(px(0) + 1, py(0) + 1, MouseButton::Left);
  EXPECT_EQ(editor.px1, 0.0);
  EXPECT_EQ(editor.XOrg, px(0));
  editor.mouseDown(px(x2) - 1, py(0) - 1, MouseButton::Left);
  EXPECT_EQ(net.NUMNP, 2);
  EXPECT_EQ(liveLines(), 1);  // the same pair again adds nothing new
}

TEST_F(LineEditorTest, WithSnapOffALineGetsNodesOfItsOwn) {
  typedLine(0, 0, 20, 0);
  editor.btnOnSnapClick();
  EXPECT_EQ(editor.panel.snap, "OFFSNAP");
  EXPECT_FALSE(net.ONSNAP);
  leftAt(0, 0);
  leftAt(0, 20);
  EXPECT_EQ(net.NUMNP, 4);  // a second node on top of (0, 0)
  editor.btnOnSnapClick();
  EXPECT_EQ(editor.panel.snap, "ONSNAP");
}

TEST_F(LineEditorTest, OrthogonalModeKeepsTheLongerDirection) {
  editor.btnFreeDegClick();
  EXPECT_EQ(editor.panel.connect, "直交");
  editor.mouseDown(500, 200, MouseButton::Left);
  editor.mouseDown(530, 210, MouseButton::Left);  // 30 right, 10 down: horizontal
  ASSERT_EQ(net.NUMEL, 1);
  EXPECT_EQ(editor.py2, editor.py1);
  EXPECT_DOUBLE_EQ(editor.px2, 30 / 2.25);
  editor.mouseDown(700, 100, MouseButton::Left);
  editor.mouseDown(705, 130, MouseButton::Left);  // 5 right, 30 down: vertical
  EXPECT_EQ(editor.px2, editor.px1);
  EXPECT_DOUBLE_EQ(editor.py2, view.toWorldY(130));
  editor.btnFreeDegClick();
  EXPECT_EQ(editor.panel.connect, "自由");
}

TEST_F(LineEditorTest, OtherButtonsDoNotStartAndDoCancel) {
  editor.mouseDown(500, 200, MouseButton::Right);
  EXPECT_FALSE(editor.DrawFlag);
  editor.mouseDown(500, 200, MouseButton::Left);
  editor.mouseMove(560, 220);
  editor.mouseDown(560, 220, MouseButton::Right);
  EXPECT_FALSE(editor.DrawFlag);
  EXPECT_FALSE(editor.bandShown());
  EXPECT_EQ(net.NUMEL, 0);
  EXPECT_EQ(net.NUMNP, 0);
}

TEST_F(LineEditorTest, RubberBandIsDrawnInvertingAndErasedByRepeating) {
  editor.mouseDown(500, 200, MouseButton::Left);
  canvas.commands.clear();
  editor.mouseMove(540, 230);
  ASSERT_EQ(canvas.commands.size(), 1u);  // nothing to erase yet
  EXPECT_TRUE(isBand(canvas.commands[0]));
  canvas.commands.clear();
  editor.mouseMove(560, 250);
  ASSERT_EQ(canvas.commands.size(), 2u);
  const Command& erase = canvas.commands[0];
  const Command& draw = canvas.commands[1];
  EXPECT_TRUE(isBand(erase));
  EXPECT_TRUE(isBand(draw));
  EXPECT_EQ(erase.x2, 540);
  EXPECT_EQ(erase.y2, 230);
  EXPECT_EQ(draw.x1, 500);
  EXPECT_EQ(draw.x2, 560);
  EXPECT_EQ(draw.y2, 250);
  EXPECT_EQ(editor.panel.xPos, "  26.667");
  EXPECT_EQ(editor.panel.yPos, " -22.222");
}

TEST_F(LineEditorTest, OrthogonalRubberBandIsConstrainedInPixels) {
  editor.btnFreeDegClick();
  editor.mouseDown(500, 200, MouseButton::Left);
  editor.mouseMove(540, 210);
  EXPECT_EQ(editor.XPos, 540);
  EXPECT_EQ(editor.YPos, 200);
  editor.mouseMove(505, 260);
  EXPECT_EQ(editor.XPos, 500);
  EXPECT_EQ(editor.YPos, 260);
}

TEST_F(LineEditorTest, MouseReadoutInEveryStage) {
  editor.Yoso1Click();
  editor.mouseMove(545, 155);
  EXPECT_EQ(editor.panel.xPos, "  20.000");
  EXPECT_EQ(editor.panel.yPos, "  20.000");
}

TEST_F(LineEditorTest, DeletingANodeDeletesItsLines) {
  typedLine(0, 0, 40, 0);
  typedLine(40, 0, 40, 30);
  typedLine(-40, 30, 40, 30);
  ASSERT_EQ(liveLines(), 3);
  const int lines = net.NUMEL;
  editor.btnDelClick();
  EXPECT_EQ(editor.stage, 2);
  EXPECT_EQ(editor.cursor, 2);
  canvas.commands.clear();
  leftAt(40, 0);
  EXPECT_TRUE(editor.DrawFlag);
  EXPECT_GT(editor.SelNode, 0);
  const auto red = canvas.ofKind("line");
  ASSERT_EQ(red.size(), 2u);  // both lines at (40, 0)
  for (const Command& c : red) EXPECT_EQ(c.tools.penColor, 0xFF0000u);
  leftAt(-100, -40);  // the second click may be anywhere
  EXPECT_FALSE(editor.DrawFlag);
  EXPECT_EQ(liveLines(), 1);
  EXPECT_EQ(net.NUMEL, lines);  // slots are kept until the next ReNum
  EXPECT_FALSE(hasNodeAt(40, 0));
}

TEST_F(LineEditorTest, DeletingALine) {
  typedLine(0, 0, 40, 0);
  typedLine(0, 0, 0, 40);
  editor.btnDelClick();
  leftAt(20, 0.5);
  EXPECT_TRUE(editor.DrawFlag);
  EXPECT_GT(editor.SelLine, 0);
  EXPECT_EQ(editor.SelNode, 0);
  leftAt(20, 0.5);
  EXPECT_EQ(liveLines(), 1);
  EXPECT_EQ(liveNodes(), 3);
}

TEST_F(LineEditorTest, ASlopedLineIsNotPickedAtItsFirstEndsHeight) {
  typedLine(0, 0, 40, 40);
  editor.btnDelClick();
  leftAt(30, 0);  // within the line's x range, level with an end, far from the line
  EXPECT_FALSE(editor.DrawFlag);
  leftAt(30, 30.5);
  EXPECT_TRUE(editor.DrawFlag);
}

TEST_F(LineEditorTest, RightClickCancelsDeletionAndDivision) {
  typedLine(0, 0, 40, 0);
  editor.btnDelClick();
  leftAt(20, 0);
  editor.mouseDown(0, 0, MouseButton::Right);
  EXPECT_EQ(liveLines(), 1);
  EXPECT_EQ(editor.SelLine, 0);
  editor.btnDevideClick();
  leftAt(20, 0);
  EXPECT_TRUE(editor.DrawFlag);
  editor.mouseDown(0, 0, MouseButton::Right);
  EXPECT_FALSE(editor.DrawFlag);
  EXPECT_EQ(net.NUMEL, 1);
  EXPECT_EQ(net.NUMNP, 2);
}

TEST_F(LineEditorTest, DividingALineIntoThree) {
  typedLine(0, 0, 9, 0);
  editor.setDevNum(3);
  editor.btnDevideClick();
  EXPECT_EQ(editor.stage, 3);
  EXPECT_EQ(editor.cursor, 3);
  leftAt(4.5, 0);
  ASSERT_EQ(editor.SelLine, 1);
  const int a = net.Elem[1].N1, b = net.Elem[1].N2;
  const double step = (net.Node[b].X - net.Node[a].X) / 3;
  leftAt(4.5, 0);
  EXPECT_EQ(net.NUMNP, 4);
  EXPECT_EQ(net.NUMEL, 3);
  EXPECT_TRUE(hasNodeAt(3, 0));
  EXPECT_TRUE(hasNodeAt(6, 0));
  // The picked line keeps its slot as the first part; the others are appended.
  EXPECT_EQ(net.Elem[1].N1, a);
  EXPECT_DOUBLE_EQ(net.Node[net.Elem[1].N2].X, net.Node[a].X + step);
  EXPECT_EQ(net.Elem[2].N1, net.Elem[1].N2);
  EXPECT_EQ(net.Elem[3].N1, net.Elem[2].N2);
  EXPECT_EQ(net.Elem[3].N2, b);
}

TEST_F(LineEditorTest, DivisionCountFromTheMenu) {
  for (int n : {2, 5, 10}) {
    editor.setDevNum(n);
    EXPECT_EQ(editor.DevNum, n);
  }
  editor.setDevNum(11);
  EXPECT_EQ(editor.DevNum, 10);
}

TEST_F(LineEditorTest, DivisionPickOfAVerticalLineUnderTheClick) {
  typedLine(10, -20, 10, 20);
  const DividePick pick = divisionPick(net, 10.0, 5.0);
  EXPECT_EQ(pick.line, 1);
  EXPECT_EQ(pick.distance, 0.0);
}

TEST_F(LineEditorTest, TypedLineIsRegisteredAndSplit) {
  typedLine(-50, 0, 50, 0);
  typedLine(0, -20, 0, 20);
  EXPECT_EQ(liveLines(), 4);
  EXPECT_TRUE(hasNodeAt(0, 0));
  EXPECT_FALSE(editor.DrawFlag);
  EXPECT_FALSE(editor.panel.det.empty());
  EXPECT_EQ(editor.panel.det.size(), 10u);
}

TEST_F(LineEditorTest, TypedTextThatIsNotANumberRegistersNothing) {
  editor.panel.editXo = "1.5";
  editor.panel.editYo = "abc";
  editor.panel.editX1 = "3";
  editor.panel.editY1 = "4";
  EXPECT_THROW(editor.btnLine2Click(), common::ConversionError);
  EXPECT_THROW(editor.EditXoExit(), common::ConversionError);
  EXPECT_EQ(net.NUMEL, 0);
  EXPECT_FALSE(editor.DrawFlag);
}

TEST_F(LineEditorTest, LeavingTheStartBoxesStartsALine) {
  editor.panel.editXo = "  10.000";
  editor.panel.editYo = "";
  editor.EditXoExit();
  EXPECT_FALSE(editor.DrawFlag);  // both boxes must hold something
  editor.panel.editYo = "5";
  editor.EditXoExit();
  EXPECT_TRUE(editor.DrawFlag);
  EXPECT_EQ(editor.XOrg, px(10));
  EXPECT_EQ(editor.YOrg, py(5));
  leftAt(30, 5);
  EXPECT_EQ(net.NUMEL, 1);
  EXPECT_TRUE(hasNodeAt(10, 5));
}

TEST_F(LineEditorTest, ZoomKeepsThePendingRubberBand) {
  // (20, 20) and (40, 20) lie on whole pixels at the start and after zooming.
  leftAt(20, 20);
  editor.mouseMove(px(40), py(20));
  editor.btnZoomInClick();
  EXPECT_DOUBLE_EQ(view.gscale, 3.0);
  EXPECT_TRUE(editor.bandShown());
  EXPECT_EQ(editor.XOrg, px(20));
  EXPECT_EQ(editor.YOrg, py(20));
  EXPECT_EQ(editor.XPos, px(40));
  EXPECT_TRUE(isBand(canvas.commands.back()));
  leftAt(40, 20);
  EXPECT_TRUE(hasNodeAt(20, 20));
  EXPECT_TRUE(hasNodeAt(40, 20));
}

TEST_F(LineEditorTest, ViewCommandsSetTheScrollBarsOnTheOnePercentGrid) {
  editor.btnZoomInClick();
  EXPECT_EQ(editor.horzBar, 50);
  editor.btnLeftClick();
  // Left by 0.1 * 1000 / 3 from -150..150: centre -33.3, 41.7 % -> 41 %.
  EXPECT_EQ(editor.horzBar, 41);
  EXPECT_DOUBLE_EQ(view.xmed, 41 * 4.0 - 200);
  EXPECT_DOUBLE_EQ(view.gxmax - view.gxmin, 300);
  editor.btnZoomAllClick();
  EXPECT_EQ(editor.horzBar, 50);
  EXPECT_DOUBLE_EQ(view.gxmin, -200);
}

TEST_F(LineEditorTest, ASettingThatChangesNothingDoesNothing) {
  canvas.commands.clear();
  editor.HorzScrollBarChange(editor.horzBar);
  editor.VertScrollBarChange(editor.vertBar);
  EXPECT_TRUE(canvas.commands.empty());
  editor.HorzScrollBarChange(60);
  EXPECT_FALSE(canvas.commands.empty());
  EXPECT_DOUBLE_EQ(view.xmed, 40);
  editor.VertScrollBarChange(0);
  EXPECT_DOUBLE_EQ(view.ymed, 50);
}

TEST_F(LineEditorTest, AreaSelectionInBothDragDirections) {
  struct Drag {
    int x1, y1, x2, y2;
  } drags[] = {{100, 50, 300, 150}, {300, 150, 100, 50}, {300, 50, 100, 150}};
  for (const Drag& d : drags) {
    editor.btnZoomAllClick();
    const double wx1 = view.toWorldX(d.x1), wy1 = view.toWorldY(d.y1);
    const double wx2 = view.toWorldX(d.x2), wy2 = view.toWorldY(d.y2);
    editor.btnAreaClick();
    EXPECT_EQ(editor.stage, 4);
    EXPECT_EQ(editor.cursor, 3);
    EXPECT_EQ(editor.pressedMode, 0);
    editor.mouseDown(d.x1, d.y1, MouseButton::Left);
    editor.mouseMove(d.x2, d.y2);
    EXPECT_TRUE(editor.bandShown());
    editor.mouseDown(d.x2, d.y2, MouseButton::Left);
    EXPECT_EQ(editor.stage, 1);
    EXPECT_EQ(editor.cursor, 1);
    const double cx = view.xmed, cy = view.ymed;
    // The window is the box (then re-centred on the scroll bars' 1 % grid).
    EXPECT_NEAR(view.gxmax - view.gxmin, std::fabs(wx2 - wx1), 1e-9);
    EXPECT_NEAR(view.gymax - view.gymin, std::fabs(wy2 - wy1), 1e-9);
    EXPECT_NEAR(cx, (wx1 + wx2) / 2, 4.0);
    EXPECT_NEAR(cy, (wy1 + wy2) / 2, 1.0);
  }
}

TEST_F(LineEditorTest, AreaWithoutMovementLeavesTheWindow) {
  editor.btnAreaClick();
  editor.mouseDown(200, 100, MouseButton::Left);
  editor.mouseDown(200, 100, MouseButton::Left);
  EXPECT_DOUBLE_EQ(view.gxmin, -200);
  EXPECT_DOUBLE_EQ(view.gxmax, 200);
  EXPECT_TRUE(std::isfinite(view.gscale));
  EXPECT_EQ(editor.stage, 1);
}

TEST_F(LineEditorTest, AreaWithAnotherButtonLeavesTheWindow) {
  editor.btnAreaClick();
  editor.mouseDown(100, 50, MouseButton::Left);
  editor.mouseMove(300, 150);
  editor.mouseDown(300, 150, MouseButton::Right);
  EXPECT_DOUBLE_EQ(view.gxmin, -200);
  EXPECT_EQ(editor.stage, 1);
}

TEST_F(LineEditorTest, SwitchingNumbersRedrawsTheElementsWithoutThem) {
  typedLine(0, 0, 10, 0);
  typedLine(10, 0, 10, 10);
  typedLine(10, 10, 0, 0);
  editor.Yoso1Click();
  canvas.commands.clear();
  editor.switchNumbers();
  EXPECT_FALSE(view.numbers);
  EXPECT_TRUE(canvas.ofKind("text").empty());
  EXPECT_EQ(canvas.ofKind("line").size(), 3u);
  editor.switchNumbers();
  EXPECT_TRUE(view.numbers);
  EXPECT_EQ(canvas.ofKind("text").size(), 1u);
}

TEST_F(LineEditorTest, MiddleClickIsTheDocumentedClickOnRelease) {
  leftAt(20, 20);
  editor.buttonPressed(px(40), py(20), MouseButton::Middle);
  EXPECT_TRUE(editor.DrawFlag);              // nothing yet
  editor.mouseMove(px(40) + 2, py(20) - 1);  // a little jitter is no drag
  editor.buttonReleased(px(40) + 2, py(20) - 1, MouseButton::Middle);
  EXPECT_FALSE(editor.DrawFlag);  // as another button than left: cancelled
  EXPECT_EQ(net.NUMEL, 0);
  editor.buttonPressed(px(40), py(20), MouseButton::Left);
  EXPECT_TRUE(editor.DrawFlag);  // the left button clicks when pressed
  editor.buttonReleased(px(40), py(20), MouseButton::Left);
  EXPECT_TRUE(editor.DrawFlag);
}

TEST_F(LineEditorTest, MiddleDragPansKeepingTheLineStarted) {
  editor.btnZoomInClick();
  leftAt(20, 20);
  editor.mouseMove(px(40), py(20));
  const double xmed = view.xmed, ymed = view.ymed;
  const int x0 = px(0), y0 = py(0);
  editor.buttonPressed(300, 200, MouseButton::Middle);
  editor.mouseMove(330, 190);
  editor.mouseMove(357, 171);
  editor.buttonReleased(357, 171, MouseButton::Middle);
  EXPECT_EQ(px(0), x0 + 57);  // the drawing followed the mouse
  EXPECT_EQ(py(0), y0 - 29);
  EXPECT_NEAR(view.xmed, xmed - 57 / view.gscale, 1e-9);  // not moved onto the bars' grid
  EXPECT_NEAR(view.ymed, ymed - 29 / view.gscale, 1e-9);
  EXPECT_EQ(editor.horzBar, view.horzPosition());
  EXPECT_EQ(editor.vertBar, view.vertPosition());
  EXPECT_TRUE(editor.DrawFlag);  // the line started is still there, band and all
  EXPECT_TRUE(editor.bandShown());
  EXPECT_NEAR(editor.XOrg, px(20), 1);
  EXPECT_NEAR(editor.YOrg, py(20), 1);
  leftAt(40, 20);
  EXPECT_EQ(liveLines(), 1);
}

TEST_F(LineEditorTest, WheelZoomsAboutTheMouse) {
  const int sx = 700, sy = 120;
  const double x = view.toWorldX(sx), y = view.toWorldY(sy);
  editor.wheel(sx, sy, 2);  // two notches in
  EXPECT_NEAR(view.gxmax - view.gxmin, 400 * 0.75 * 0.75, 1e-9);
  EXPECT_NEAR(view.toWorldX(sx), x, 1e-9);
  EXPECT_NEAR(view.toWorldY(sy), y, 1e-9);
  EXPECT_EQ(editor.horzBar, view.horzPosition());
  editor.wheel(sx, sy, -1);
  EXPECT_NEAR(view.gxmax - view.gxmin, 400 * 0.75, 1e-9);
  EXPECT_NEAR(view.toWorldX(sx), x, 1e-9);
  editor.wheel(sx, sy, -5);  // out no further than the extents
  EXPECT_DOUBLE_EQ(view.gxmin, -200);
  EXPECT_DOUBLE_EQ(view.gxmax, 200);
}

TEST_F(LineEditorTest, AreaSelectionShowsTheRestoredModePressedAgain) {
  struct Case {
    void (LineEditor::*mode)();
    int pressed;
    MouseButton second;
  } cases[] = {{&LineEditor::btnDelClick, 2, MouseButton::Left},
               {&LineEditor::btnDevideClick, 3, MouseButton::Right},
               {&LineEditor::btnLineClick, 1, MouseButton::Left}};
  for (const Case& c : cases) {
    (editor.*c.mode)();
    editor.btnAreaClick();
    EXPECT_EQ(editor.pressedMode, 0);
    editor.mouseDown(100, 50, MouseButton::Left);
    editor.mouseMove(300, 150);
    editor.mouseDown(300, 150, c.second);
    EXPECT_EQ(editor.pressedMode, c.pressed);
    EXPECT_EQ(editor.stage, c.pressed);
  }
  editor.btnDelClick();
  editor.btnAreaClick();
  editor.escape();
  EXPECT_EQ(editor.pressedMode, 2);
}

TEST_F(LineEditorTest, AreaSelectionRestoresAPendingLine) {
  leftAt(20, 20);
  editor.mouseMove(px(40), py(20));
  editor.btnAreaClick();
  EXPECT_FALSE(editor.DrawFlag);
  editor.btnAreaClick();  // pressed again: still returns to drawing
  editor.mouseDown(400, 100, MouseButton::Left);
  editor.mouseMove(700, 300);
  editor.mouseDown(700, 300, MouseButton::Left);
  EXPECT_EQ(editor.stage, 1);
  EXPECT_TRUE(editor.DrawFlag);
  EXPECT_TRUE(editor.bandShown());
  EXPECT_EQ(editor.XOrg, px(20));
  EXPECT_EQ(editor.YOrg, py(20));
  leftAt(40, 20);
  EXPECT_TRUE(hasNodeAt(20, 20));
}

TEST_F(LineEditorTest, FormingElementsOfATwoByTwoGrid) {
  // Lines cross through each other: a line is split only where another
  // passes through it, and the overshooting stubs go when elements are formed.
  for (double v : {0.0, 10.0, 20.0}) typedLine(-5, v, 25, v);
  for (double v : {0.0, 10.0, 20.0}) typedLine(v, -5, v, 25);
  editor.modified = false;
  editor.Yoso1Click();
  EXPECT_EQ(editor.stage, 0);
  EXPECT_EQ(editor.pressedMode, 0);
  EXPECT_TRUE(view.frame);
  EXPECT_EQ(net.NE, 4);
  EXPECT_TRUE(editor.modified);
  canvas.commands.clear();
  editor.redraw();
  EXPECT_EQ(canvas.ofKind("text").size(), 4u);
  // Clicks do nothing now.
  leftAt(5, 5);
  leftAt(15, 15);
  EXPECT_EQ(net.NUMEL, 12);
  EXPECT_EQ(net.NUMNP, 9);
  editor.btnLineClick();
  EXPECT_FALSE(view.frame);
  EXPECT_EQ(editor.stage, 1);
}

TEST_F(LineEditorTest, LoadedNetworkWithOneNodeStillHasAWindow) {
  net.NUMNP = 1;
  net.Node[1] = NodeRecord{1, 5, 5, 0};
  net.xmin = net.xmax = 5;
  net.ymin = net.ymax = 5;
  editor.networkLoaded();
  EXPECT_TRUE(std::isfinite(view.gscale));
  EXPECT_GT(view.gscale, 0);
  EXPECT_DOUBLE_EQ(view.xmed, 5);
  EXPECT_FALSE(editor.modified);  // what was just read is in its file
}

// ---- picking faces for automatic meshing ----------------------------------

class FacePickingTest : public LineEditorTest {
 protected:
  using Spans = std::vector<std::array<double, 2>>;

  /// Two squares of 20 side by side: (0..20) and (20..40) by (0..20).
  void SetUp() override {
    LineEditorTest::SetUp();
    typedLine(0, 0, 40, 0);
    typedLine(0, 20, 40, 20);
    for (double x : {0.0, 20.0, 40.0}) typedLine(x, 0, x, 20);
  }
  /// The smallest and largest x of each highlighted face's outer ring.
  Spans pickedSpans() const {
    Spans spans;
    for (const FaceRings& face : view.pickedFaces) {
      double lo = 1e300, hi = -1e300;
      for (const auto& [x, y] : face.front()) lo = std::min(lo, x), hi = std::max(hi, x);
      spans.push_back({lo, hi});
    }
    return spans;
  }
};

TEST_F(FacePickingTest, ClicksPickAndUnpickFacesAndTheyAreHighlighted) {
  editor.startPicking(0.5);
  EXPECT_EQ(editor.stage, 5);
  EXPECT_TRUE(editor.picking());
  EXPECT_EQ(editor.pressedMode, 5);
  EXPECT_EQ(editor.cursor, 4);
  EXPECT_FALSE(view.frame);
  EXPECT_EQ(editor.panel.status, "自動メッシュ 0.5 m: 選んだ面 0、Enter で作成、Esc で中止");

  leftAt(10, 10);
  leftAt(30, 10);
  EXPECT_EQ(pickedSpans(), (Spans{{0, 20}, {20, 40}}));
  EXPECT_NE(editor.panel.status.find("選んだ面 2、"), std::string::npos) << editor.panel.status;
  canvas.commands.clear();
  leftAt(5, 15);  // another point of the first face unpicks it
  EXPECT_EQ(pickedSpans(), (Spans{{20, 40}}));
  ASSERT_EQ(editor.picker().points().size(), 1u);
  // Redrawn with the picked face filled under the lines.
  const auto rings = canvas.ofKind("rings");
  ASSERT_EQ(rings.size(), 1u);
  EXPECT_EQ(rings[0].tools.fillColor, kPickedFaceColor);
  EXPECT_EQ(rings[0].rings[0].size(), 4u);

  leftAt(60, 10);  // outside every face
  editor.mouseDown(px(10), py(10), MouseButton::Middle);
  EXPECT_EQ(pickedSpans(), (Spans{{20, 40}}));
  EXPECT_EQ(net.NUMEL, 7);  // clicks draw nothing while picking

  editor.mouseDown(px(10), py(10), MouseButton::Right);  // ends the picking
  EXPECT_FALSE(editor.picking());
  EXPECT_EQ(editor.stage, 1);
  EXPECT_EQ(editor.pressedMode, 1);
  EXPECT_EQ(editor.cursor, 1);
  EXPECT_TRUE(editor.picker().empty());
  EXPECT_TRUE(view.pickedFaces.empty());
  EXPECT_TRUE(editor.panel.status.empty());
}

TEST_F(FacePickingTest, PicksFollowNewLinesAndSurviveAnAreaSelection) {
  editor.startPicking(1.0);
  leftAt(5, 10);
  typedLine(10, 0, 10, 20);  // splits the picked square: its left half stays picked
  EXPECT_EQ(pickedSpans(), (Spans{{0, 10}}));

  editor.btnAreaClick();
  EXPECT_TRUE(editor.picking());
  editor.mouseDown(px(-5), py(25), MouseButton::Left);
  editor.mouseMove(px(45), py(-5));
  editor.mouseDown(px(45), py(-5), MouseButton::Left);
  EXPECT_EQ(editor.stage, 5);
  EXPECT_EQ(editor.cursor, 4);
  EXPECT_EQ(pickedSpans(), (Spans{{0, 10}}));  // in the new window too
  leftAt(30, 10);
  EXPECT_EQ(pickedSpans(), (Spans{{0, 10}, {20, 40}}));

  editor.startPicking(2.0);  // chosen again: the picks stay, the size changes
  EXPECT_EQ(editor.picker().points().size(), 2u);
  EXPECT_EQ(editor.panel.status.rfind("自動メッシュ 2 m: 選んだ面 2、", 0), 0u)
      << editor.panel.status;
}

TEST_F(FacePickingTest, OtherModesFormationAndLoadingEndThePicking) {
  const std::vector<void (LineEditor::*)()> enders = {
      &LineEditor::btnLineClick, &LineEditor::btnDelClick,   &LineEditor::btnDevideClick,
      &LineEditor::Yoso1Click,   &LineEditor::networkLoaded, &LineEditor::cancelPicking};
  for (auto end : enders) {
    editor.startPicking(1.0);
    leftAt(10, 10);
    (editor.*end)();
    EXPECT_FALSE(editor.picking());
    EXPECT_TRUE(editor.picker().empty());
    EXPECT_TRUE(view.pickedFaces.empty());
    EXPECT_NE(editor.stage, 5);
  }
  // A fresh picking starts with nothing picked.
  editor.startPicking(1.0);
  EXPECT_TRUE(editor.picker().empty());
  // An area selection left by another button does not return to picking.
  editor.btnAreaClick();
  editor.btnLineClick();
  EXPECT_EQ(editor.stage, 1);
  EXPECT_FALSE(editor.picking());
}

TEST_F(FacePickingTest, MeshingNothingPickedIsRefusedAndChangesNothing) {
  editor.startPicking(1.0);
  const int nodes = net.NUMNP, lines = net.NUMEL;
  EXPECT_THROW(editor.autoMeshPicked(), common::Error);
  EXPECT_EQ(net.NUMNP, nodes);
  EXPECT_EQ(net.NUMEL, lines);
  EXPECT_EQ(editor.stage, 5);
}

TEST(MeshSizeTest, APositiveNumberOfMetres) {
  EXPECT_DOUBLE_EQ(meshSizeOf("0.5"), 0.5);
  EXPECT_DOUBLE_EQ(meshSizeOf(" 2 "), 2.0);
  EXPECT_DOUBLE_EQ(meshSizeOf("1e-2"), 0.01);
  for (const char* bad : {"0", "-1", "abc", "", "1,5", "nan", "inf"}) {
    SCOPED_TRACE(bad);
    try {
      meshSizeOf(bad);
      ADD_FAILURE() << "accepted";
    } catch (const common::RangeError& e) {
      EXPECT_NE(std::string(e.what()).find("0 より大きい数"), std::string::npos) << e.what();
    }
  }
}

// The tables as bytes, the slots beyond the counts included.
std::string tableBytes(const LineNetwork& n) {
  auto bytes = [](const auto& v) {
    return std::string(reinterpret_cast<const char*>(v.data()), v.size() * sizeof(v[0]));
  };
  return bytes(n.Node) + bytes(n.Elem) + bytes(n.KI) + bytes(n.KN) + std::to_string(n.NUMNP) + "/" +
         std::to_string(n.NUMEL) + "/" + std::to_string(n.NE);
}

TEST_F(LineEditorTest, EveryStepOfTheEditorIsUndoneAndRedoneWhole) {
  struct Step {
    const char* name;
    std::function<void()> act;
  };
  const Step steps[] = {
      {"線の追加", [&] { typedLine(0, 0, 40, 0); }},
      {"線の追加", [&] { typedLine(20, -10, 20, 30); }},
      {"線の追加", [&] { typedLine(0, 0, 0, 30); }},
      {"節点の削除",
       [&] {
         editor.btnDelClick();
         leftAt(0, 30);
         leftAt(0, 30);
       }},
      {"線の整理", [&] { editor.btnDevideClick(); }},
      {"線の分割",
       [&] {
         leftAt(30, 0);
         leftAt(30, 0);
       }},
      {"線の削除",
       [&] {
         editor.btnDelClick();
         leftAt(20, 25);
         leftAt(20, 25);
       }},
      {"要素の成形", [&] { editor.Yoso1Click(); }},
  };
  std::vector<std::string> states{tableBytes(net)};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    s.act();
    EXPECT_EQ(editor.history().undoName(), s.name);
    EXPECT_NE(tableBytes(net), states.back());
    states.push_back(tableBytes(net));
  }
  EXPECT_TRUE(editor.modified);
  for (size_t i = states.size() - 1; i-- > 0;) {
    editor.undo();
    EXPECT_EQ(tableBytes(net), states[i]) << steps[i].name;
  }
  EXPECT_FALSE(editor.history().canUndo());
  EXPECT_FALSE(editor.modified);  // back where the editor started
  for (size_t i = 1; i < states.size(); ++i) {
    editor.redo();
    EXPECT_EQ(tableBytes(net), states[i]) << steps[i - 1].name;
  }
  EXPECT_TRUE(editor.modified);
}

TEST_F(LineEditorTest, AutomaticMeshingWithItsFormationIsOneStep) {
  for (auto [x1, y1, x2, y2] :
       {std::array<double, 4>{0, 0, 10, 0}, {10, 0, 10, 10}, {10, 10, 0, 10}, {0, 10, 0, 0}})
    typedLine(x1, y1, x2, y2);
  const std::string before = tableBytes(net);
  editor.autoMeshAll(2.0);
  EXPECT_EQ(editor.history().undoName(), "自動メッシュ");
  EXPECT_GT(net.NE, 10);
  EXPECT_TRUE(view.frame);
  editor.undo();
  EXPECT_EQ(tableBytes(net), before);
  EXPECT_EQ(editor.history().undoName(), "線の追加");
  EXPECT_FALSE(view.frame);  // the lines are shown again, ready to draw
  EXPECT_EQ(editor.stage, 1);
  editor.redo();
  EXPECT_TRUE(view.frame);
  EXPECT_EQ(editor.stage, 0);
}

TEST_F(LineEditorTest, EscapeEndsWhatIsInProgressAndChangesNothing) {
  typedLine(0, 0, 40, 0);
  const std::string before = tableBytes(net);
  leftAt(5, 20);  // a line started: the band follows the mouse
  editor.mouseMove(px(15), py(25));
  ASSERT_TRUE(editor.DrawFlag);
  editor.escape();
  EXPECT_FALSE(editor.DrawFlag);
  EXPECT_FALSE(editor.bandShown());
  leftAt(10, 20);  // a new line starts afresh
  EXPECT_TRUE(editor.DrawFlag);
  editor.escape();

  editor.btnDelClick();
  leftAt(20, 0.5);
  ASSERT_GT(editor.SelLine, 0);
  editor.escape();
  EXPECT_EQ(editor.SelLine, 0);
  EXPECT_FALSE(editor.DrawFlag);

  editor.btnAreaClick();
  leftAt(0, 0);
  editor.mouseMove(px(10), py(10));
  editor.escape();
  EXPECT_EQ(editor.stage, 2);
  EXPECT_FALSE(editor.bandShown());
  EXPECT_EQ(tableBytes(net), before);
}

}  // namespace
}  // namespace linemesh::ui
