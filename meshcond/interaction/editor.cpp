// Edit modes, tools and the mouse actions of the condition editor.
#include "meshcond/interaction/editor.h"

#include "common/errors.h"
#include "common/numbers.h"
#include "meshcond/interaction/picking.h"
#include "meshcond/model/assignments.h"
#include "meshcond/model/messages.h"
#include "meshcond/model/model_parts.h"

namespace meshcond::ui {

namespace {

struct ModeTexts {
  int state;
  const char* label;
  bool editEnabled;
  const char* caption;     // the menu item's
  const char* firstValue;  // EditMat before the mode has been used
};

const ModeTexts kModes[] = {
    {kModeMaterial, msg::window::materialNumber(), false, msg::window::modeMaterial(), "1"},
    {kModeFixedLevel, msg::window::fixedLevel(), true, msg::window::modeFixedLevel(), ""},
    {kModeSeepage, msg::window::seepageFaceNumber(), false, msg::window::modeSeepage(), "1"},
    {kModeRainfall, msg::window::rainfallNode(), true, msg::window::modeRainfall(), ""},
    {kModeFluctuating, msg::window::fluctSurface(), true, msg::window::modeFluctuating(), "1"},
};

}  // namespace

ConditionEditor::ConditionEditor(AnalysisModel& m) : model(m) { addModelParts(model, parts_); }

void ConditionEditor::step(const std::string& name, const std::function<void()>& change) {
  history.record(name, change);
}

void ConditionEditor::step(const std::function<std::string()>& change) {
  history.begin();
  std::string name;
  try {
    name = change();
  } catch (...) {
    history.commit(name);
    throw;
  }
  history.commit(name);
}

void ConditionEditor::undo(Canvas& canvas) { moveInHistory(&common::History::undo, canvas); }

void ConditionEditor::redo(Canvas& canvas) { moveInHistory(&common::History::redo, canvas); }

void ConditionEditor::moveInHistory(void (common::History::*move)(), Canvas& canvas) {
  view.endBand();
  Extent mesh = nodeBounds(model);
  (history.*move)();
  // A step that changed the mesh (a load that carried conditions over)
  // shows the whole mesh it leaves, as a load does.
  Extent now = nodeBounds(model);
  if (now.xmin != mesh.xmin || now.xmax != mesh.xmax || now.ymin != mesh.ymin ||
      now.ymax != mesh.ymax)
    resetViewToModel();
  redraw(canvas);
}

bool ConditionEditor::cancel(Canvas& canvas) {
  if (!view.DrawFlag) return false;
  view.endBand();
  redraw(canvas);
  return true;
}

void ConditionEditor::setMode(int newState) {
  for (const ModeTexts& mode : kModes) {
    if (mode.state != newState) continue;
    modeValues_[state] = EditMat;
    state = newState;
    LabelStage = mode.label;
    btnEditEnabled = mode.editEnabled;
    Label2 =
        newState == kModeFluctuating ? msg::window::nodeNumber() : msg::window::elementNumber();
    auto last = modeValues_.find(newState);
    if (newState == kModeFluctuating) {
      EditMat = "1";
    } else if (newState == kModeFixedLevel && shared.CurFixGroup > 0) {
      EditMat = common::formatFixed(shared.CurFixLevel, 7, 3);
    } else if (last != modeValues_.end()) {
      EditMat = last->second;
    } else {
      EditMat = mode.firstValue;
    }
    message =
        newState == kModeFixedLevel && shared.CurFixGroup == 0 ? msg::missingFixedLevel() : "";
    return;
  }
}

std::string ConditionEditor::modeCaption() const {
  std::string caption = msg::window::modeHead();
  for (const ModeTexts& mode : kModes)
    if (mode.state == state) caption += mode.caption;
  caption += msg::window::toolHead();
  caption += tStatus.empty() ? msg::window::noTool() : tStatus;
  return caption;
}

void ConditionEditor::chooseTool(int newStage) {
  stage = newStage;
  switch (newStage) {
    case kToolPen:
      tStatus = msg::window::toolPen();
      break;
    case kToolArea:
      tStatus = msg::window::toolArea();
      break;
    case kToolZoomWindow:
      tStatus = msg::window::toolZoom();
      break;
    default:
      tStatus.clear();
      break;
  }
  view.endBand();
}

void ConditionEditor::redraw(Canvas& canvas) {
  DrawSettings settings;
  settings.state = state;
  settings.showElementNumbers = chkElem;
  settings.EditMat = EditMat;
  settings.LabelStage = LabelStage;
  settings.CurFixGroup = shared.CurFixGroup;
  DatShow(model, view, settings, canvas);
}

void ConditionEditor::resetViewToModel() {
  Extent e = xmaxxmin(model, view.width(), view.height());
  view.setExtent(e.xmin, e.xmax, e.ymin, e.ymax);
  view.resetToExtent();
}

void ConditionEditor::mousePress(int X, int Y, MouseButton button, Canvas& canvas) {
  switch (stage) {
    case kToolPen: {
      ModelPoint p = view.toModel(X, Y);
      penAction(p.x, p.y, button, canvas);
      break;
    }
    case kToolArea:
    case kToolZoomWindow:
      bandPress(X, Y, button, canvas);
      break;
    default:
      break;
  }
}

void ConditionEditor::mouseMove(int X, int Y, Canvas& canvas) {
  ModelPoint p = view.toModel(X, Y);
  EditXX = common::formatFixed(p.x, 10, 3);
  EditYY = common::formatFixed(p.y, 10, 3);
  if (view.DrawFlag && (stage == kToolArea || stage == kToolZoomWindow)) {
    canvas.bandRectangle({view.XOrg, view.YOrg}, {view.XPos, view.YPos});
    canvas.bandRectangle({view.XOrg, view.YOrg}, {X, Y});
    view.moveBand(X, Y);
  }
}

void ConditionEditor::bandPress(int X, int Y, MouseButton button, Canvas& canvas) {
  if (!view.DrawFlag) {
    view.startBand(X, Y);
    canvas.bandRectangle({view.XOrg, view.YOrg}, {view.XPos, view.YPos});
    return;
  }
  if (stage == kToolArea && button != MouseButton::Left) return;  // the band stays open
  if (button == MouseButton::Left) {
    canvas.bandRectangle({view.XOrg, view.YOrg}, {view.XPos, view.YPos});
    canvas.rectangle({view.XOrg, view.YOrg}, {X, Y}, kBlack);
  }
  if (stage == kToolZoomWindow) {
    view.zoomToBand();
    view.endBand();
    redraw(canvas);
    return;
  }
  // Area tool: the band ends whether or not EditMat converts.
  view.endBand();
  int k = 0;
  try {
    k = editMatInteger(EditMat, LabelStage);
  } catch (const common::Error&) {
    redraw(canvas);
    throw;
  }
  ModelPoint org = view.toModel(view.XOrg, view.YOrg);
  ModelPoint pos = view.toModel(view.XPos, view.YPos);
  step(msg::window::stepMaterialArea(), [&] { ELSelect(model, pos.x, org.y, org.x, pos.y, k); });
  redraw(canvas);
}

void ConditionEditor::penAction(double x, double y, MouseButton button, Canvas& canvas) {
  bool left = button == MouseButton::Left;
  switch (state) {
    case kModeMaterial: {
      if (!left) return;
      int e = elmsearch(model, view.eps, x, y);
      if (e < 1) return;
      EditElem = std::to_string(e);
      int k = editMatInteger(EditMat, LabelStage);
      step(msg::window::stepMaterial(), [&] { setMaterial(model, e, k); });
      break;
    }
    case kModeFixedLevel: {
      if (!left) return;
      if (shared.CurFixGroup == 0) message = msg::missingFixedLevel();
      int j = nodesearch(model, nodeRadius(), x, y);
      if (j > 0) {
        double v = editMatReal(EditMat, LabelStage);
        step([&] {
          return toggleStepName(msg::window::fixedLevel(),
                                toggleFixedLevel(model, j, shared.CurFixGroup, v));
        });
      }
      break;
    }
    case kModeSeepage: {
      if (!left) return;
      int g = editMatInteger(EditMat, LabelStage);
      int j = nodesearch(model, nodeRadius(), x, y);
      step([&] {
        return toggleStepName(msg::field::seepageFaces(), toggleSeepage(model, j, g, LabelStage));
      });
      break;
    }
    case kModeRainfall: {
      int j = nodesearch(model, nodeRadius(), x, y);
      step([&] { return toggleStepName(msg::window::rainfallNode(), toggleRainfall(model, j)); });
      break;
    }
    case kModeFluctuating: {
      int g = editMatInteger(EditMat, LabelStage);
      int j = nodesearch(model, nodeRadius(), x, y);
      step([&] {
        return toggleStepName(msg::window::fluctSurface(),
                              toggleFluctuating(model, j, g, LabelStage));
      });
      break;
    }
    default:
      return;
  }
  redraw(canvas);
}

EditDialog ConditionEditor::editDialog() {
  switch (state) {
    case kModeFixedLevel:
      return EditDialog::FixedLevels;
    case kModeRainfall:
      return EditDialog::Rainfall;
    case kModeFluctuating:
      shared.CurFluctNo = editMatInteger(EditMat, LabelStage);
      return EditDialog::HeadSeries;
    default:
      return EditDialog::None;
  }
}

void ConditionEditor::afterFixedLevelList(Canvas& canvas) {
  if (shared.CurFixGroup > 0) {
    EditMat = common::formatFixed(shared.CurFixLevel, 7, 3);
    message.clear();
  }
  redraw(canvas);
}

}  // namespace meshcond::ui
