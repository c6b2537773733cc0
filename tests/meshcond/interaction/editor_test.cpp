// The pen, the area tool, the zoom window and the modes of the main window's logic.
#include "meshcond/interaction/editor.h"

#include <gtest/gtest.h>

#include <memory>

#include "common/errors.h"
#include "recording_canvas.h"
#include "test_mesh.h"

namespace meshcond::ui {
namespace {

using testing::DrawOp;
using testing::RecordingCanvas;

// Ten 10 x 10 m squares in a row (100 x 10 m) in a 1000 x 500 pixel area:
// 9.5 pixels per metre, eps and the node radius 1 m. Node (i, j) is number
// 2 i + j + 1: bottom nodes are odd, top nodes even.
class EditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::makeGrid(m, 10, 1, 10, 10);
    editor.view.setSize(1000, 500);
    editor.resetViewToModel();
    editor.redraw(canvas);
    canvas.ops.clear();
  }
  Pixel at(double x, double y) const { return editor.view.toScreen(x, y); }
  void click(double x, double y, MouseButton b = MouseButton::Left) {
    Pixel p = at(x, y);
    editor.mousePress(p.x, p.y, b, canvas);
  }
  bool redrawn() const { return !canvas.of(DrawOp::Clear).empty(); }

  std::unique_ptr<AnalysisModel> owner = std::make_unique<AnalysisModel>();
  AnalysisModel& m = *owner;
  ConditionEditor editor{m};
  RecordingCanvas canvas;
};

TEST_F(EditorTest, StartsWithThePenInMaterialMode) {
  ConditionEditor fresh(m);
  EXPECT_EQ(fresh.stage, kToolPen);
  EXPECT_EQ(fresh.state, kModeMaterial);
  EXPECT_EQ(fresh.tStatus, "ペン");
  EXPECT_EQ(fresh.LabelStage, "材質番号");
  EXPECT_EQ(fresh.EditMat, "1");
  EXPECT_TRUE(fresh.chkElem);
  EXPECT_FALSE(fresh.btnEditEnabled);
  EXPECT_FALSE(fresh.modified());
}

TEST_F(EditorTest, ModesSetLabelsAndTheEditButton) {
  // Each mode shows its own value: the one last left in it, or its first
  // ("1", or empty for a level or where none is used); mode 6 starts at "1".
  struct Case {
    int state;
    const char* label;
    bool edit;
    const char* value;
    const char* label2;
    const char* caption;
  };
  const Case cases[] = {{2, "固定水位", true, "", "要素番号", "モード: 水位固定　ツール: ペン"},
                        {3, "浸出面番号", false, "1", "要素番号", "モード: 浸出点　ツール: ペン"},
                        {4, "降雨節点", true, "", "要素番号", "モード: 降雨浸透　ツール: ペン"},
                        {6, "水位変動面", true, "1", "節点番号", "モード: 水位変動　ツール: ペン"},
                        {1, "材質番号", false, "7", "要素番号", "モード: 材質　ツール: ペン"},
                        {3, "浸出面番号", false, "1", "要素番号", "モード: 浸出点　ツール: ペン"}};
  editor.EditMat = "7";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.state);
    editor.setMode(c.state);
    EXPECT_EQ(editor.state, c.state);
    EXPECT_EQ(editor.LabelStage, c.label);
    EXPECT_EQ(editor.btnEditEnabled, c.edit);
    EXPECT_EQ(editor.EditMat, c.value);
    EXPECT_EQ(editor.Label2, c.label2);
    EXPECT_EQ(editor.modeCaption(), c.caption);
  }
  editor.chooseTool(kToolArea);
  EXPECT_EQ(editor.tStatus, "エリア");
  editor.chooseTool(kToolZoomWindow);
  EXPECT_EQ(editor.tStatus, "拡大");
  editor.chooseTool(kToolNone);
  EXPECT_EQ(editor.tStatus, "");
  EXPECT_EQ(editor.modeCaption(), "モード: 浸出点　ツール: なし");
}

TEST_F(EditorTest, FixedLevelsSayWhenNoLevelIsChosenAndKeepTheValueUntilOneIs) {
  editor.setMode(kModeFixedLevel);
  EXPECT_NE(editor.message.find("固定水位が選ばれていません"), std::string::npos);
  editor.EditMat = "-2.5";
  editor.message.clear();
  click(20, 0);  // no group yet: said again
  EXPECT_NE(editor.message.find("固定水位が選ばれていません"), std::string::npos);
  // The list closed without a line chosen leaves the value.
  editor.afterFixedLevelList(canvas);
  EXPECT_EQ(editor.EditMat, "-2.5");
  editor.shared.CurFixGroup = 1;
  editor.shared.CurFixLevel = 4;
  editor.afterFixedLevelList(canvas);
  EXPECT_EQ(editor.EditMat, "  4.000");
  EXPECT_EQ(editor.message, "");
  // The level stays with mode 2: the next mode starts from its own value.
  editor.setMode(kModeSeepage);
  EXPECT_EQ(editor.EditMat, "1");
  editor.setMode(kModeFixedLevel);
  EXPECT_EQ(editor.EditMat, "  4.000");
  EXPECT_EQ(editor.message, "");
}

TEST_F(EditorTest, PenGivesTheMaterialOfEditMat) {
  editor.EditMat = "4";
  click(25, 5);
  EXPECT_EQ(m.MAT[3], 4);
  EXPECT_EQ(editor.EditElem, "3");
  EXPECT_TRUE(editor.modified());
  EXPECT_TRUE(redrawn());
}

TEST_F(EditorTest, PenInsideAnElementFarFromItsCentroidPicksIt) {
  editor.EditMat = "4";
  click(21, 9);  // inside element 3, 5.7 m from its centroid
  EXPECT_EQ(m.MAT[3], 4);
  EXPECT_EQ(editor.EditElem, "3");
  EXPECT_TRUE(editor.modified());
}

TEST_F(EditorTest, PenOnNoElementAndFarFromEveryCentroidDoesNothing) {
  click(50, 30);  // above the mesh
  EXPECT_EQ(editor.EditElem, "");
  EXPECT_FALSE(redrawn());
  EXPECT_FALSE(editor.modified());
}

TEST_F(EditorTest, TextsThatDoNotConvertChangeNothing) {
  struct Case {
    int state;
    double x, y;
  };
  const Case cases[] = {{1, 25, 5}, {2, 20, 0}, {3, 20, 0}, {6, 20, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.state);
    SetUp();
    editor.setMode(c.state);
    editor.EditMat = "1.5x";
    EXPECT_THROW(click(c.x, c.y), common::ConversionError);
    EXPECT_EQ(m.MAT[3], 1);
    EXPECT_EQ(m.IFIXG[5], 0);
    EXPECT_EQ(m.H[5], 0.0);
    EXPECT_EQ(m.NSEEP, 0);
    EXPECT_EQ(m.NFLUCT, 0);
    EXPECT_FALSE(editor.modified());
  }
  SetUp();
  editor.EditMat = "x";
  EXPECT_THROW(click(25, 5), common::ConversionError);
  EXPECT_EQ(editor.EditElem, "3");  // the pick is shown before the conversion fails
}

TEST_F(EditorTest, RightButtonTogglesOnlyInTheListModesOfRainAndLevels) {
  struct Case {
    int state;
    bool acts;
  };
  const Case cases[] = {{1, false}, {2, false}, {3, false}, {4, true}, {6, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.state);
    SetUp();
    editor.setMode(c.state);
    editor.shared.CurFixGroup = 1;
    click(20, 0, MouseButton::Right);
    click(25, 5, MouseButton::Right);
    bool changed = m.NRAIN + m.NFLUCT + m.NSEEP + m.IFIXG[5] != 0 || m.MAT[3] != 1;
    EXPECT_EQ(changed, c.acts);
    EXPECT_EQ(redrawn(), c.acts);
  }
}

TEST_F(EditorTest, FixedLevelPenWithAndWithoutAGroup) {
  editor.setMode(kModeFixedLevel);
  editor.EditMat = "3.25";
  click(20, 0);  // node 5, no group chosen
  EXPECT_EQ(m.IFIXG[5], 0);
  EXPECT_EQ(m.H[5], 3.25);
  EXPECT_TRUE(redrawn());

  editor.shared.CurFixGroup = 2;
  editor.EditMat = "4.5";
  click(20.5, 0.5);
  EXPECT_EQ(m.IFIXG[5], 2);
  EXPECT_EQ(m.H[5], 4.5);
  editor.EditMat = "9";
  click(20, 0);  // released; the head stays
  EXPECT_EQ(m.IFIXG[5], 0);
  EXPECT_EQ(m.H[5], 4.5);

  canvas.ops.clear();
  click(50, 5);  // 5 m from every node: nothing, but a redraw
  EXPECT_TRUE(redrawn());
}

TEST_F(EditorTest, SeepageFacesStayAscendingAndTheHighestFaceIsRecomputed) {
  editor.setMode(kModeSeepage);
  for (int node : {13, 5, 9}) click(m.X[node], m.Y[node]);
  EXPECT_EQ(m.NSEEPN[1], 3);
  EXPECT_EQ(m.SEEPN[1][1], 5);
  EXPECT_EQ(m.SEEPN[1][2], 9);
  EXPECT_EQ(m.SEEPN[1][3], 13);
  EXPECT_EQ(m.NSEEP, 1);

  editor.EditMat = "3";
  click(m.X[2], m.Y[2]);
  EXPECT_EQ(m.NSEEP, 3);
  EXPECT_EQ(m.NSEEPN[2], 0);
  click(m.X[2], m.Y[2]);
  EXPECT_EQ(m.NSEEPN[3], 0);
  EXPECT_EQ(m.NSEEP, 1);

  editor.EditMat = "1";
  for (int node : {13, 5, 9}) click(m.X[node], m.Y[node]);
  EXPECT_EQ(m.NSEEP, 0);
}

TEST_F(EditorTest, FaceAndBoundaryNumbersOutsideTheRangeAreRefused) {
  for (int state : {kModeSeepage, kModeFluctuating}) {
    for (const char* text : {"0", "201", "-1"}) {
      SCOPED_TRACE(text);
      editor.setMode(state);
      editor.EditMat = text;
      EXPECT_THROW(click(20, 0), common::RangeError);
      EXPECT_EQ(m.NSEEP, 0);
      EXPECT_EQ(m.NFLUCT, 0);
    }
  }
  editor.EditMat = "200";
  click(20, 0);
  EXPECT_EQ(m.NFLUCT, 200);
}

TEST(EditorCapacity, TheTwoHundredAndFirstSeepageNodeIsRefused) {
  auto owner = std::make_unique<AnalysisModel>();
  AnalysisModel& m = *owner;
  testing::makeGrid(m, 200, 1, 1, 1);
  ConditionEditor editor(m);
  editor.view.setSize(1000, 500);
  editor.resetViewToModel();
  RecordingCanvas canvas;
  editor.setMode(kModeSeepage);
  m.NSEEP = 1;
  m.NSEEPN[1] = 200;
  for (int k = 1; k <= 200; ++k) m.SEEPN[1][k] = 2 * k - 1;  // the bottom row but its last node
  Pixel p = editor.view.toScreen(m.X[402], m.Y[402]);
  EXPECT_THROW(editor.mousePress(p.x, p.y, MouseButton::Left, canvas), common::RangeError);
  EXPECT_EQ(m.NSEEPN[1], 200);
  EXPECT_EQ(m.SEEPN[1][200], 399);
  // Taking a node out still works.
  p = editor.view.toScreen(m.X[1], m.Y[1]);
  editor.mousePress(p.x, p.y, MouseButton::Left, canvas);
  EXPECT_EQ(m.NSEEPN[1], 199);
  EXPECT_EQ(m.SEEPN[1][1], 3);
}

TEST_F(EditorTest, RainfallNodeClickedTwiceIsGoneAgain) {
  editor.setMode(kModeRainfall);
  click(m.X[8], m.Y[8]);
  click(m.X[4], m.Y[4]);
  EXPECT_EQ(m.NRAIN, 2);
  EXPECT_EQ(m.RAINN[1], 4);
  EXPECT_EQ(m.RAINN[2], 8);
  click(m.X[8], m.Y[8]);
  EXPECT_EQ(m.NRAIN, 1);
  click(m.X[4], m.Y[4]);
  EXPECT_EQ(m.NRAIN, 0);
}

TEST_F(EditorTest, NodesArePickedWithinOnePercentOfTheExtentWidth) {
  // The full extent is 100 m wide: a node is found closer than 1 m. Clicks
  // go through pixels (9.5 a metre), so the test stays clear of the edge.
  editor.setMode(kModeRainfall);
  click(20.8, 0.3);  // 0.85 m from node 5
  EXPECT_EQ(m.NRAIN, 1);
  EXPECT_EQ(m.RAINN[1], 5);
  click(21.2, 0);  // 1.2 m from node 5
  EXPECT_EQ(m.NRAIN, 1);
  EXPECT_TRUE(redrawn());
}

TEST_F(EditorTest, FluctuatingBoundariesByNumber) {
  editor.setMode(kModeFluctuating);
  editor.EditMat = "2";
  click(m.X[3], m.Y[3]);
  click(m.X[1], m.Y[1]);
  EXPECT_EQ(m.NFLUCT, 2);
  EXPECT_EQ(m.NFN[1], 0);
  EXPECT_EQ(m.NFN[2], 2);
  EXPECT_EQ(loadAt(m.FLN[2], 1), 1);
  EXPECT_EQ(loadAt(m.FLN[2], 2), 3);
  EXPECT_EQ(editor.editDialog(), EditDialog::HeadSeries);
  EXPECT_EQ(editor.shared.CurFluctNo, 2);
}

TEST_F(EditorTest, StaleListsBeyondTheCountDoNotComeBack) {
  m.NFN.resize(4, 0);
  m.NFN[3] = 5;  // left from an earlier file, not in use
  editor.setMode(kModeFluctuating);
  editor.EditMat = "4";
  click(m.X[3], m.Y[3]);
  EXPECT_EQ(m.NFLUCT, 4);
  EXPECT_EQ(m.NFN[3], 0);
}

TEST_F(EditorTest, AStaleListTakenIntoUseStartsEmpty) {
  // Left from an earlier file beyond the counts: face 2 with nodes 1 and 5,
  // boundary 2 with node 1.
  m.NSEEPN[2] = 2;
  m.SEEPN[2][1] = 1;
  m.SEEPN[2][2] = 5;
  m.NFN.resize(3, 0);
  m.NFN[2] = 1;
  storeAt(m.FLN[2], 1, 1);
  for (int state : {kModeSeepage, kModeFluctuating}) {
    editor.setMode(state);
    editor.EditMat = "2";
    click(m.X[3], m.Y[3]);
  }
  EXPECT_EQ(m.NSEEP, 2);
  EXPECT_EQ(m.NSEEPN[2], 1);
  EXPECT_EQ(m.SEEPN[2][1], 3);
  EXPECT_EQ(m.NFLUCT, 2);
  EXPECT_EQ(m.NFN[2], 1);
  EXPECT_EQ(loadAt(m.FLN[2], 1), 3);
}

TEST_F(EditorTest, EditButtonPerMode) {
  struct Case {
    int state;
    EditDialog dialog;
  };
  const Case cases[] = {{1, EditDialog::None},
                        {2, EditDialog::FixedLevels},
                        {3, EditDialog::None},
                        {4, EditDialog::Rainfall}};
  for (const Case& c : cases) {
    editor.setMode(c.state);
    EXPECT_EQ(editor.editDialog(), c.dialog);
  }
  editor.shared.CurFixLevel = 12.3456;
  editor.shared.CurFixGroup = 1;
  editor.afterFixedLevelList(canvas);
  EXPECT_EQ(editor.EditMat, " 12.346");
  EXPECT_TRUE(redrawn());
  // The pen takes the level as the list wrote it, blanks and all.
  editor.setMode(kModeFixedLevel);
  click(20, 0);
  EXPECT_EQ(m.IFIXG[5], 1);
  EXPECT_EQ(m.H[5], 12.346);
}

TEST_F(EditorTest, AreaToolAssignsOnTheSecondLeftPress) {
  editor.chooseTool(kToolArea);
  editor.EditMat = "6";
  click(9, 11);
  EXPECT_TRUE(editor.view.DrawFlag);
  ASSERT_EQ(canvas.of(DrawOp::Band).size(), 1u);
  Pixel end = at(31, -1);
  editor.mouseMove(end.x, end.y, canvas);
  EXPECT_EQ(canvas.of(DrawOp::Band).size(), 3u);  // erased and drawn again

  click(31, -1, MouseButton::Right);  // the band stays open
  EXPECT_TRUE(editor.view.DrawFlag);
  EXPECT_EQ(m.MAT[2], 1);

  click(31, -1);
  EXPECT_FALSE(editor.view.DrawFlag);
  // Nodes at x = 10, 20, 30 are inside: elements 1 to 4 have a corner there.
  for (int e = 1; e <= 10; ++e) EXPECT_EQ(m.MAT[e], e <= 4 ? 6 : 1) << e;
  EXPECT_TRUE(redrawn());
  EXPECT_EQ(canvas.of(DrawOp::Rectangle).size(), 1u);
}

TEST_F(EditorTest, AreaToolWithABadNumberEndsTheBandAndChangesNothing) {
  editor.chooseTool(kToolArea);
  editor.EditMat = "six";
  click(9, 11);
  Pixel end = at(31, -1);
  editor.mouseMove(end.x, end.y, canvas);
  EXPECT_THROW(click(31, -1), common::ConversionError);
  EXPECT_FALSE(editor.view.DrawFlag);
  EXPECT_EQ(m.MAT[2], 1);
}

TEST_F(EditorTest, ZoomWindowActsOnAnySecondPress) {
  editor.chooseTool(kToolZoomWindow);
  click(40, 10);
  Pixel end = at(60, 0);
  editor.mouseMove(end.x, end.y, canvas);
  click(60, 0, MouseButton::Right);
  EXPECT_FALSE(editor.view.DrawFlag);
  EXPECT_NEAR(editor.view.gxmax - editor.view.gxmin, 20, 0.2);
  EXPECT_NEAR((editor.view.gxmax + editor.view.gxmin) / 2, 50, 0.2);
  EXPECT_EQ(editor.stage, kToolZoomWindow);
  EXPECT_TRUE(redrawn());
}

TEST_F(EditorTest, MouseReadoutInMetres) {
  editor.mouseMove(595, 155, canvas);
  EXPECT_EQ(editor.EditXX, "    60.000");
  EXPECT_EQ(editor.EditYY, "    15.000");
  EXPECT_TRUE(canvas.ops.empty());  // no band open: nothing drawn
}

TEST_F(EditorTest, NoToolDoesNothing) {
  editor.chooseTool(kToolNone);
  click(25, 5);
  EXPECT_TRUE(canvas.ops.empty());
  EXPECT_EQ(m.MAT[3], 1);
}

// Each kind of step the mouse makes: done, undone and redone, the whole
// model compared with its state before and after.
TEST_F(EditorTest, EveryClickIsAStepThatUndoAndRedoGiveBackExactly) {
  struct Case {
    const char* name;
    int state;
    int stage;
    const char* editMat;
    std::vector<Point> clicks;  // the last one makes the step
    MouseButton button;
    const char* step;
  };
  const Case cases[] = {
      {"material", kModeMaterial, kToolPen, "4", {{25, 5}}, MouseButton::Left, "材質の設定"},
      {"area",
       kModeMaterial,
       kToolArea,
       "6",
       {{9, 11}, {31, -1}},
       MouseButton::Left,
       "材質の設定（エリア）"},
      {"fixed level",
       kModeFixedLevel,
       kToolPen,
       "2.5",
       {{20, 0}},
       MouseButton::Left,
       "固定水位の設定"},
      {"fixed level released",
       kModeFixedLevel,
       kToolPen,
       "2.5",
       {{20, 0}, {20, 0}},
       MouseButton::Left,
       "固定水位の解除"},
      {"seepage", kModeSeepage, kToolPen, "3", {{20, 0}}, MouseButton::Left, "浸出面の設定"},
      {"seepage released",
       kModeSeepage,
       kToolPen,
       "3",
       {{20, 0}, {20, 0}},
       MouseButton::Left,
       "浸出面の解除"},
      {"rainfall", kModeRainfall, kToolPen, "1", {{20, 10}}, MouseButton::Right, "降雨節点の設定"},
      {"rainfall released",
       kModeRainfall,
       kToolPen,
       "1",
       {{20, 10}, {20, 10}},
       MouseButton::Left,
       "降雨節点の解除"},
      {"fluctuating",
       kModeFluctuating,
       kToolPen,
       "2",
       {{0, 0}},
       MouseButton::Left,
       "水位変動面の設定"},
      {"fluctuating released",
       kModeFluctuating,
       kToolPen,
       "2",
       {{0, 0}, {0, 0}},
       MouseButton::Right,
       "水位変動面の解除"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    *owner = AnalysisModel();
    SetUp();
    editor.history.clear();
    editor.setMode(c.state);
    editor.chooseTool(c.stage);
    editor.EditMat = c.editMat;
    editor.shared.CurFixGroup = 1;
    for (size_t i = 0; i + 1 < c.clicks.size(); ++i) click(c.clicks[i].x, c.clicks[i].y);
    auto before = std::make_unique<AnalysisModel>(m);
    size_t steps = editor.history.steps();
    Pixel last = at(c.clicks.back().x, c.clicks.back().y);
    editor.mouseMove(last.x, last.y, canvas);  // where the area tool's band ends
    editor.mousePress(last.x, last.y, c.button, canvas);
    auto after = std::make_unique<AnalysisModel>(m);
    ASSERT_FALSE(*after == *before);
    EXPECT_EQ(editor.history.steps(), steps + 1);
    EXPECT_EQ(editor.history.undoName(), c.step);
    EXPECT_TRUE(editor.modified());
    canvas.ops.clear();
    editor.undo(canvas);
    EXPECT_TRUE(m == *before);
    EXPECT_TRUE(redrawn());
    EXPECT_EQ(editor.history.redoName(), c.step);
    editor.redo(canvas);
    EXPECT_TRUE(m == *after);
  }
}

TEST_F(EditorTest, AClickThatChangesNothingIsNoStep) {
  editor.EditMat = "1";
  click(25, 5);  // element 3 has material 1 already
  editor.setMode(kModeRainfall);
  click(50, 5);  // no node near
  EXPECT_FALSE(editor.history.canUndo());
  EXPECT_FALSE(editor.modified());
}

TEST_F(EditorTest, AHundredStepsAreKept) {
  editor.setMode(kModeRainfall);
  for (int i = 0; i < 101; ++i) click(m.X[1], m.Y[1]);  // in, out, in, ...
  EXPECT_EQ(editor.history.steps(), 100u);
  while (editor.history.canUndo()) editor.undo(canvas);
  EXPECT_EQ(m.NRAIN, 1);  // the first click is beyond the limit
}

TEST_F(EditorTest, UnsavedStateFollowsTheHistory) {
  editor.EditMat = "4";
  click(25, 5);
  EXPECT_TRUE(editor.modified());
  editor.undo(canvas);
  EXPECT_FALSE(editor.modified());
  editor.redo(canvas);
  editor.history.markSaved();  // as a save does
  EXPECT_FALSE(editor.modified());
  editor.EditMat = "5";
  click(25, 5);
  EXPECT_TRUE(editor.modified());
  editor.undo(canvas);
  EXPECT_FALSE(editor.modified());
  editor.undo(canvas);
  EXPECT_TRUE(editor.modified());
}

TEST_F(EditorTest, EscapeEndsARubberBandWithoutActing) {
  for (int tool : {kToolArea, kToolZoomWindow}) {
    SCOPED_TRACE(tool);
    editor.chooseTool(tool);
    editor.EditMat = "6";
    Extent view{editor.view.gxmin, editor.view.gxmax, editor.view.gymin, editor.view.gymax};
    click(9, 11);
    ASSERT_TRUE(editor.view.DrawFlag);
    canvas.ops.clear();
    EXPECT_TRUE(editor.cancel(canvas));
    EXPECT_FALSE(editor.view.DrawFlag);
    EXPECT_TRUE(redrawn());  // the band is gone from the picture
    click(31, -1);           // a new band starts: nothing assigned, no zoom
    EXPECT_TRUE(editor.view.DrawFlag);
    EXPECT_EQ(m.MAT[2], 1);
    EXPECT_EQ(editor.view.gxmax, view.xmax);
    editor.cancel(canvas);
  }
  canvas.ops.clear();
  EXPECT_FALSE(editor.cancel(canvas));  // nothing in progress: nothing done
  EXPECT_TRUE(canvas.ops.empty());
}

TEST_F(EditorTest, UndoEndsABandInProgress) {
  click(25, 5);
  editor.EditMat = "3";
  click(25, 5);
  editor.chooseTool(kToolArea);
  click(9, 11);
  editor.undo(canvas);
  EXPECT_FALSE(editor.view.DrawFlag);
  EXPECT_EQ(m.MAT[3], 1);
}

}  // namespace
}  // namespace meshcond::ui
