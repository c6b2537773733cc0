// The condition editor's main-window logic without a window: edit modes,
// tools, the pen and area actions, the rubber band, the mouse readout and
// the undo history. The window forwards its events here and shows the texts
// kept here. What the pen and the area tool change is the model library's
// (meshcond/model/assignments.h); every change is a step of the history.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "common/history.h"
#include "meshcond/interaction/canvas.h"
#include "meshcond/interaction/drawing.h"
#include "meshcond/interaction/view.h"
#include "meshcond/model/analysis_model.h"
#include "meshcond/model/messages.h"

namespace meshcond::ui {

/// Mouse tools (`stage`).
enum Tool : int { kToolNone = 0, kToolPen = 1, kToolArea = 2, kToolZoomWindow = 3 };

enum class MouseButton { Left, Right, Middle };

/// Values the main window shares with the dialogs.
struct SharedChoices {
  int CurFixGroup = 0;       // group chosen in the fixed water level list; 0 none
  double CurFixLevel = 0.0;  // that group's level
  int CurFluctNo = 0;        // boundary last opened for its level series
};

/// The dialog that "編集" opens in the current mode.
enum class EditDialog { None, FixedLevels, Rainfall, HeadSeries };

class ConditionEditor {
 public:
  explicit ConditionEditor(AnalysisModel& model);

  /// Edit mode from the menu: labels, 編集's state, and EditMat: "1" for
  /// mode 6, the chosen fixed level in mode 2 once there is one, else the
  /// value last left in the new mode ("1", or empty in modes 2 and 4, at first).
  void setMode(int newState);
  /// The mode and the tool in force, for the status line ("水位固定・ペン").
  std::string modeCaption() const;
  /// Tool buttons: stage, status text; ends any rubber band.
  void chooseTool(int newStage);

  /// DatShow with the current settings.
  void redraw(Canvas& canvas);

  /// After a load: the view shows the new mesh's full extent.
  void resetViewToModel();

  /// A press in the drawing area at pixel (X, Y). Runs the current tool;
  /// errors (a text in EditMat that does not convert, a number out of range,
  /// a full seepage face) are thrown with the model unchanged.
  void mousePress(int X, int Y, MouseButton button, Canvas& canvas);
  /// A move: the readout, and the rubber band while one is open.
  void mouseMove(int X, int Y, Canvas& canvas);

  /// "編集": the dialog to open in the current mode (mode 6 first takes
  /// CurFluctNo from EditMat, which may throw).
  EditDialog editDialog();
  /// After the fixed water level list: EditMat := the chosen level, once a
  /// line has been chosen.
  void afterFixedLevelList(Canvas& canvas);

  /// Escape: ends a rubber band in progress (the area tool's or the zoom
  /// window's) without acting and redraws; true when there was one.
  bool cancel(Canvas& canvas);

  /// Runs change as one undoable step named name (a change that leaves the
  /// model as it was is no step). The step is kept when change throws too.
  void step(const std::string& name, const std::function<void()>& change);
  /// The same with the name given by what change did.
  void step(const std::function<std::string()>& change);

  /// Undo and redo of the last step; a rubber band in progress ends; redraws
  /// (showing the whole mesh when the step changed the mesh's extent).
  void undo(Canvas& canvas);
  void redo(Canvas& canvas);

  /// True when the model differs from its file: it follows the history, so
  /// undoing back to the state last opened or saved leaves nothing unsaved.
  bool modified() const { return !history.atSaved(); }

  AnalysisModel& model;
  View view;
  SharedChoices shared;

  int stage = kToolPen;
  int state = kModeMaterial;
  bool chkElem = true;
  bool btnEditEnabled = false;
  std::string EditMat = "1";
  std::string EditElem;
  std::string EditXX, EditYY;
  std::string LabelStage = msg::window::materialNumber();
  std::string Label2 = msg::window::elementNumber();
  std::string tStatus = msg::window::toolPen();
  /// A note for the status line from the last action; empty when none.
  std::string message;

 private:
  common::ModelParts parts_;

 public:
  /// The steps done on the model; opening a file clears it, saving marks it.
  common::History history{parts_};

 private:
  void penAction(double x, double y, MouseButton button, Canvas& canvas);
  void bandPress(int X, int Y, MouseButton button, Canvas& canvas);
  void moveInHistory(void (common::History::*move)(), Canvas& canvas);
  double nodeRadius() const { return 0.01 * (view.xmax - view.xmin); }
  /// EditMat as last left in each mode, by mode number.
  std::map<int, std::string> modeValues_;
};

}  // namespace meshcond::ui
