// Editing the line network with the mouse and the coordinate boxes: the
// editing modes, the two-click operations, the rubber band, snapping, the
// orthogonal switch, division, and the view commands with the scroll bars.
// No window here: the main window forwards its events and shows the state
// kept in Panel, the pressed buttons and the cursor.
#pragma once

#include <functional>
#include <string>

#include "common/history.h"
#include "linemesh/interaction/canvas.h"
#include "linemesh/interaction/face_picker.h"
#include "linemesh/interaction/view.h"
#include "linemesh/model/auto_mesh.h"
#include "linemesh/model/messages.h"
#include "linemesh/model/network.h"

namespace linemesh::ui {

enum class MouseButton { Left, Right, Middle };

/// Texts of the status panel and the coordinate boxes.
struct Panel {
  std::string xPos, yPos;                     // mouse position, "%8.3f"
  std::string snap = text::snapOn();          // lblSnap
  std::string connect = text::connectFree();  // lblConnect
  std::string det;                            // Label5: determinant of the last crossing test
  std::string editXo, editYo, editX1, editY1;
  std::string nodes = text::nodeCaption(0);        // LabelNode
  std::string elements = text::elementCaption(0);  // LabelElement
  std::string status;  // lblStatus: face picking, the last automatic meshing
};

class LineEditor {
 public:
  LineEditor(LineNetwork& net, View& view, Canvas& canvas);

  // Mode state.
  // 0 elements shown, 1 draw, 2 delete, 3 divide, 4 area selection, 5 face picking
  int stage = 1;
  bool DrawFlag = false;
  int OldStage = 0;
  bool OldFlag = false;
  bool FreeDeg = true;
  int DevNum = 2;
  int XOrg = 0, YOrg = 0, XPos = 0, YPos = 0;
  double px1 = 0, py1 = 0, px2 = 0, py2 = 0;
  int p1 = 0, p2 = 0;
  int SelNode = 0, SelLine = 0;
  double SaveXo = 0, SaveYo = 0, SaveX1 = 0, SaveY1 = 0;

  Panel panel;
  /// The mode button shown pressed: 1 線, 2 削除, 3 分割, 5 自動, 0 none.
  int pressedMode = 1;
  /// Cursor of the drawing surface: 1 draw, 2 delete, 3 divide, 4 pick.
  int cursor = 1;
  /// Scroll bar positions, 0..100.
  int horzBar = 0, vertBar = 0;
  /// True while the network differs from its file: set by every step,
  /// cleared when it is saved or read, and following the history on undo.
  bool modified = false;
  /// After 要素の成形: what it left out, for a message box; empty when nothing was.
  std::string formationMessage;

  /// Start-up state of the model, the view and the modes; draws.
  void start();

  // Mode and switch buttons, the "分割数" menu.
  void btnLineClick();     // 線: drawing lines
  void btnDelClick();      // 削除: deleting nodes and lines
  void btnDevideClick();   // 分割: dividing a line into DevNum parts
  void btnOnSnapClick();   // OnSnap: snapping clicks to nodes on or off
  void btnFreeDegClick();  // 直交: free or orthogonal lines
  void setDevNum(int n);   // 分割数: the parts of a division

  // The drawing surface.
  void mouseDown(int x, int y, MouseButton button);
  void mouseMove(int x, int y);
  /// The window's button events. The middle button drags the view; pressed
  /// and released without moving it is a click (mouseDown) on its release.
  /// The other buttons click (mouseDown) when pressed.
  void buttonPressed(int x, int y, MouseButton button);
  void buttonReleased(int x, int y, MouseButton button);
  /// The wheel turned by `notches` (positive away from the user) over pixel
  /// (x, y): zooms in by 0.75 a notch, or out, about that point.
  void wheel(int x, int y, double notches);

  // The coordinate boxes (texts in panel.editXo .. editY1). A text that is
  // not a number throws common::ConversionError; nothing is registered then.
  void EditXoExit();     // leaving the Xo box: the typed Xo, Yo start the rubber band
  void btnLine2Click();  // 決定: the typed line registered

  // View commands.
  void btnZoomInClick();    // 拡大
  void btnZoomOutClick();   // 縮小
  void btnZoomAllClick();   // 全体
  void ToolButton3Click();  // the second 拡大 (widens the view)
  void btnLeftClick();      // 左, 右, 上, 下: panning
  void btnRightClick();
  void btnUpClick();
  void btnDownClick();
  void btnAreaClick();  // 部分: zooming to a chosen rectangle
  /// A scroll bar moved (by the user or by setScrollBars); the same position does nothing.
  void HorzScrollBarChange(int position);
  void VertScrollBarChange(int position);

  /// 表示 - 要素番号: element numbers shown or hidden, then redrawn.
  void switchNumbers();

  /// "要素の成形": stage 0, elements formed and shown.
  void Yoso1Click();

  // Automatic meshing (自動メッシュ).
  /// Stage 5, the lines shown: a left click picks or unpicks the face under
  /// it, a right click ends the picking. Picking again keeps the picks and
  /// takes the new size.
  void startPicking(double size);
  /// Ends the picking, nothing meshed: back to drawing lines.
  void cancelPicking();
  /// True while picking, also while an area is chosen in between.
  bool picking() const { return stage == 5 || (stage == 4 && OldStage == 5); }
  const FacePicker& picker() const { return picker_; }
  /// Meshes every face, or the picked faces at the picking size, then forms
  /// the elements as 要素の成形 does and says in the status how many elements
  /// were made in how many faces. A failure throws with the network, the
  /// picks and the mode as they were.
  AutoMeshResult autoMeshAll(double size);
  AutoMeshResult autoMeshPicked();

  /// The network was replaced by a file: fit the extents, show them all; a
  /// new history begins.
  void networkLoaded();

  // Undo and redo: every change of the network is one named step.
  /// Runs a change of the network as one step of the history.
  void step(const std::string& name, const std::function<void()>& change);
  /// The network as it is now is in its file.
  void markSaved();
  const common::History& history() const { return history_; }
  /// Ends what is in progress, then takes back (or does again) one step.
  void undo();
  void redo();
  /// Escape: ends a started line, a pick shown red, an area selection or
  /// the picking of faces, changing nothing.
  void escape();
  /// Normal pen, Disp, node count.
  void redraw();
  /// True while the rubber band (line or area) is drawn on the surface.
  bool bandShown() const { return bandShown_; }

 private:
  struct Band {
    bool active = false;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  };
  Band saveBand(bool snap);
  void restoreBand(const Band& band);
  void viewCommand(void (View::*change)(), bool snap);
  /// A change of the window by wheel or drag: redrawn with the band kept;
  /// the scroll bars show the new centre without moving it onto their grid.
  void followView(const std::function<void()>& change);
  /// A scroll bar (`bar`) moved to `position`: the window follows, keeping the band.
  void scrollBarChange(int& bar, int position, void (View::*scrolled)(int));
  void setScrollBars();
  void setMode(int newStage, int newCursor);

  void inverting(Rgb color);
  void normalPen();
  void drawBandLine();
  void drawBandRect();
  void eraseBand();

  void clickDraw(int x, int y, MouseButton button);
  void clickDelete(int x, int y, MouseButton button);
  void clickDivide(int x, int y, MouseButton button);
  void clickArea(int x, int y, MouseButton button);
  void clickPick(int x, int y, MouseButton button);
  /// The picked faces as they lie now, highlighted, and the count in the status.
  void showPicks();
  /// Clears the picks; a picking mode becomes drawing lines.
  void endPicking();
  AutoMeshResult autoMeshFaces(const AutoMeshRequest& request);
  /// The view after a formation: elements shown, the report's marks and message.
  void showFormation();
  /// The view and the unsaved state after undo or redo.
  void afterHistoryMove();  // clears what the step invalidated; the caller redraws
  void redLine(int j);
  void registerLine(double x1, double y1, double x2, double y2);
  void divideLine(int j);
  double typed(const std::string& text, const char* box) const;

  LineNetwork& net_;
  View& view_;
  Canvas& canvas_;
  bool bandShown_ = false;
  struct MiddleDrag {
    bool down = false, moved = false;
    int x = 0, y = 0;  // where the mouse was last
  } middle_;
  int cursorBeforeArea_ = 1;
  int pressedBeforeArea_ = 1;
  common::ModelParts parts_;  // the network's tables, for the history
  common::History history_;
  FacePicker picker_;
  double pickingSize_ = 1.0;
};

/// Pick distance of line j for deletion at world (x, y).
double deletePickDistance(const LineNetwork& net, int j, double x, double y);
/// The line picked for division at world (x, y), and its distance (best is
/// 999999999.0 when none qualifies, line 0).
struct DividePick {
  int line = 0;
  double distance = 999999999.0;
};
DividePick divisionPick(const LineNetwork& net, double x, double y);

/// The element size typed in the automatic meshing dialog, metres: a number
/// above 0, else common::RangeError with a message for the user.
double meshSizeOf(const std::string& text);

}  // namespace linemesh::ui
