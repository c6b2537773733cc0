// Edit modes, tools and the mouse actions of the condition editor.
#include "meshcond/ui/editor.h"

#include <algorithm>
#include <vector>

#include "common/errors.h"
#include "common/numbers.h"
#include "meshcond/ui/picking.h"

namespace meshcond::ui {

namespace {

struct ModeTexts {
  int state;
  const char* label;
  bool editEnabled;
};

constexpr ModeTexts kModes[] = {
    {kModeMaterial, "材質番号", false},     {kModeFixedLevel, "固定水位", true},
    {kModeSeepage, "浸出面番号", false},    {kModeRainfall, "降雨節点", true},
    {kModeFluctuating, "水位変動面", true},
};

/// The first count entries of a 1-based list.
std::vector<int32_t> entriesOf(const std::vector<int32_t>& table, int count) {
  std::vector<int32_t> out;
  int n = std::min<int>(count, static_cast<int>(table.size()) - 1);
  for (int k = 1; k <= n; ++k) out.push_back(table[k]);
  return out;
}

/// Writes a list back into a 1-based table; true when the list changed.
bool storeList(std::vector<int32_t>& table, int32_t& count, const std::vector<int32_t>& list) {
  bool changed = entriesOf(table, count) != list || static_cast<size_t>(count) != list.size();
  for (size_t k = 0; k < list.size(); ++k) storeAt(table, static_cast<int>(k) + 1, list[k]);
  count = static_cast<int32_t>(list.size());
  return changed;
}

void ensureSlot(std::vector<int32_t>& counts, int g) {
  if (static_cast<int>(counts.size()) <= g) counts.resize(static_cast<size_t>(g) + 1, 0);
}

/// Before a list number above the count comes into use, the lists above the
/// count up to it, itself included, are emptied: they were not in use,
/// whatever their tables still hold.
void openUpTo(std::vector<int32_t>& counts, int inUse, int g) {
  ensureSlot(counts, g);
  for (int f = inUse + 1; f <= g; ++f) counts[f] = 0;
}

int highestInUse(const std::vector<int32_t>& counts, int limit) {
  for (int f = std::min<int>(limit, static_cast<int>(counts.size()) - 1); f >= 1; --f) {
    if (counts[f] > 0) return f;
  }
  return 0;
}

}  // namespace

ConditionEditor::ConditionEditor(AnalysisModel& m) : model(m) {}

void ConditionEditor::setMode(int newState) {
  for (const ModeTexts& mode : kModes) {
    if (mode.state != newState) continue;
    state = newState;
    LabelStage = mode.label;
    btnEditEnabled = mode.editEnabled;
    if (newState == kModeFluctuating) {
      EditMat = "1";
      Label2 = "節点番号";
    }
    return;
  }
}

void ConditionEditor::chooseTool(int newStage) {
  stage = newStage;
  switch (newStage) {
    case kToolPen:
      tStatus = "ペン";
      break;
    case kToolArea:
      tStatus = "エリア";
      break;
    case kToolZoomWindow:
      tStatus = "拡大";
      break;
    default:
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
  if (ELSelect(model, pos.x, org.y, org.x, pos.y, k) > 0) modified = true;
  redraw(canvas);
}

int ConditionEditor::listNumber() const {
  int g = editMatInteger(EditMat, LabelStage);
  if (g < 1 || g > kListNumberLimit) {
    throw common::RangeError(LabelStage + ": " + std::to_string(g) + " is outside 1.." +
                             std::to_string(kListNumberLimit));
  }
  return g;
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
      if (model.MAT[e] != k) modified = true;
      model.MAT[e] = k;
      break;
    }
    case kModeFixedLevel: {
      if (!left) return;
      int g = shared.CurFixGroup;
      int j = nodesearch(model, nodeRadius(), x, y);
      if (j > 0) {
        double v = editMatReal(EditMat, LabelStage);
        if (model.IFIXG[j] == 0) {
          model.IFIXG[j] = g;
          model.H[j] = v;
        } else {
          model.IFIXG[j] = 0;
        }
        modified = true;
      }
      break;
    }
    case kModeSeepage: {
      if (!left) return;
      int g = listNumber();
      toggleSeepage(nodesearch(model, nodeRadius(), x, y), g);
      break;
    }
    case kModeRainfall:
      toggleRainfall(nodesearch(model, nodeRadius(), x, y));
      break;
    case kModeFluctuating: {
      int g = listNumber();
      toggleFluctuating(nodesearch(model, nodeRadius(), x, y), g);
      break;
    }
    default:
      return;
  }
  redraw(canvas);
}

void ConditionEditor::toggleSeepage(int node, int g) {
  if (static_cast<int>(model.SEEPN.size()) <= g) model.SEEPN.resize(static_cast<size_t>(g) + 1);
  if (g > model.NSEEP) openUpTo(model.NSEEPN, model.NSEEP, g);
  ensureSlot(model.NSEEPN, g);
  std::vector<int32_t> list =
      toggledList(entriesOf(model.SEEPN[g], model.NSEEPN[g]), model.NUMNP, node);
  if (static_cast<int>(list.size()) > kSeepNodeCapacity) {
    throw common::RangeError("浸出面 " + std::to_string(g) + ": a seepage face holds at most " +
                             std::to_string(kSeepNodeCapacity) + " nodes");
  }
  if (storeList(model.SEEPN[g], model.NSEEPN[g], list)) modified = true;
  model.NSEEP = highestInUse(model.NSEEPN, std::max(model.NSEEP, g));
}

void ConditionEditor::toggleRainfall(int node) {
  std::vector<int32_t> list = toggledList(entriesOf(model.RAINN, model.NRAIN), model.NUMNP, node);
  int32_t count = model.NRAIN;
  if (storeList(model.RAINN, count, list)) modified = true;
  model.NRAIN = count;
}

void ConditionEditor::toggleFluctuating(int node, int g) {
  if (static_cast<int>(model.FLN.size()) <= g) model.FLN.resize(static_cast<size_t>(g) + 1);
  if (g > model.NFLUCT) openUpTo(model.NFN, model.NFLUCT, g);
  ensureSlot(model.NFN, g);
  std::vector<int32_t> list = toggledList(entriesOf(model.FLN[g], model.NFN[g]), model.NUMNP, node);
  if (storeList(model.FLN[g], model.NFN[g], list)) modified = true;
  model.NFLUCT = highestInUse(model.NFN, std::max(model.NFLUCT, g));
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
  EditMat = common::formatFixed(shared.CurFixLevel, 7, 3);
  redraw(canvas);
}

}  // namespace meshcond::ui
