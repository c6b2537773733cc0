#include "linemesh/interaction/line_editor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/errors.h"
#include "common/numbers.h"
#include "linemesh/model/messages.h"

namespace linemesh::ui {

namespace {

constexpr Rgb kRed = 0xFF0000;
constexpr Rgb kBlack = 0x000000;

std::string trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(" \t");
  return s.substr(first, last - first + 1);
}

/// The message after a formation that left something out: the counts, a line
/// for each kind of fault with its first places, and the element angles.
std::string describeFormation(const LineNetwork& net, const FormationReport& r) {
  constexpr int kListed = 5;
  std::string message = text::formationHead(r.elements, r.triangles, r.quadrilaterals);
  for (const std::string& line : faultLines(r, net, kListed)) message += line + "\n";
  if (r.elements > 0) {
    message += text::angleRange(r.minAngle, r.maxAngle);
    if (!r.worstElements.empty()) {
      const ElementAngles& w = r.worstElements.front();
      message += text::worstElement(w.element, w.minAngle, w.maxAngle);
    }
    message += "\n";
  }
  message += text::formationLegend();
  return message;
}

}  // namespace

double deletePickDistance(const LineNetwork& net, int j, double x, double y) {
  const LineRecord& e = net.Elem[j];
  const double x1 = net.Node[e.N1].X, y1 = net.Node[e.N1].Y;
  const double x2 = net.Node[e.N2].X, y2 = net.Node[e.N2].Y;
  double d = 99999.0;
  if (std::fabs(x1 - x2) < net.eps) {
    if ((y1 - y) * (y2 - y) <= 0) d = std::fabs(x - x1);
  } else if ((x1 - x) * (x2 - x) <= 0) {
    // A nearly horizontal line is picked by its height; any other line by
    // the vertical distance to it within its own height range.
    if (std::fabs(y1 - y2) < net.eps && std::fabs(y1 - y) < net.eps) {
      d = std::fabs(y1 - y);
    } else if ((y1 - y) * (y2 - y) <= 0) {
      d = std::fabs(y1 + (x - x1) * (y2 - y1) / (x2 - x1) - y);
    }
  }
  return d;
}

DividePick divisionPick(const LineNetwork& net, double x, double y) {
  DividePick pick;
  for (int j = 1; j <= net.NUMEL; ++j) {
    const LineRecord& e = net.Elem[j];
    if (e.Flag < 0) continue;
    const double x1 = net.Node[e.N1].X, y1 = net.Node[e.N1].Y;
    const double x2 = net.Node[e.N2].X, y2 = net.Node[e.N2].Y;
    const bool inX = (x1 - x) * (x2 - x) <= 0;
    const bool inY = (y1 - y) * (y2 - y) <= 0;
    if (inX && inY) {
      // A vertical line under the click (x1 == x2 == x) lies at distance 0.
      const double d = (x2 == x1) ? 0.0 : std::fabs(y1 + (x - x1) * (y2 - y1) / (x2 - x1) - y);
      if (d < pick.distance) pick = {j, d};
    } else if (inX) {
      const double d = std::fabs(y1 - y);
      if (std::fabs(y1 - y2) < net.eps && d < net.eps) pick = {j, d};
    } else if (std::fabs(x1 - x2) < net.eps && inY) {
      const double d = std::fabs(x1 - x);
      if (d < pick.distance) pick = {j, d};
    }
  }
  return pick;
}

namespace {

common::ModelParts& registered(LineNetwork& net, common::ModelParts& parts) {
  net.addTo(parts);
  return parts;
}

}  // namespace

LineEditor::LineEditor(LineNetwork& net, View& view, Canvas& canvas)
    : net_(net), view_(view), canvas_(canvas), history_(registered(net, parts_)) {}

void LineEditor::start() {
  net_.NUMNP = 0;
  net_.NUMEL = 0;
  net_.ONSNAP = true;
  view_.frame = false;
  view_.reset();
  stage = 1;
  pressedMode = 1;
  cursor = 1;
  DrawFlag = false;
  FreeDeg = true;
  DevNum = 2;
  view_.cr = 0.5;
  panel = Panel{};
  redraw();
  setScrollBars();
  history_.clear();
  modified = false;
}

// ---- drawing tools ---------------------------------------------------------

void LineEditor::inverting(Rgb color) {
  canvas_.setPenMode(PenMode::Inverting);
  canvas_.setPenColor(color);
  canvas_.setPenStyle(PenStyle::Dot);
  canvas_.setPenWidth(1);
}

void LineEditor::normalPen() {
  canvas_.setPenMode(PenMode::Normal);
  canvas_.setPenStyle(PenStyle::Solid);
  canvas_.setPenColor(kBlack);
}

void LineEditor::drawBandLine() {
  inverting(kRed);
  canvas_.line(XOrg, YOrg, XPos, YPos);
}

void LineEditor::drawBandRect() {
  inverting(kRed);
  canvas_.setFillStyle(FillStyle::Clear);
  // Built from the corners' minima and maxima so that drawing it again
  // erases exactly what was drawn.
  canvas_.rectangle(std::min(XOrg, XPos), std::min(YOrg, YPos), std::max(XOrg, XPos),
                    std::max(YOrg, YPos));
}

void LineEditor::eraseBand() {
  if (!bandShown_) return;
  if (stage == 4) {
    drawBandRect();
  } else {
    drawBandLine();
  }
  bandShown_ = false;
}

void LineEditor::redraw() {
  normalPen();
  view_.Disp();
  bandShown_ = false;
  panel.nodes = view_.nodeCaption();
  panel.elements = view_.elementCaption();
}

// ---- modes -----------------------------------------------------------------

void LineEditor::setMode(int newStage, int newCursor) {
  if (stage == 4) {
    // Leaving an unfinished area selection.
    eraseBand();
    normalPen();
  }
  endPicking();
  cursor = newCursor;
  stage = newStage;
  pressedMode = newStage;
  DrawFlag = false;
  SelNode = 0;
  SelLine = 0;
}

void LineEditor::btnLineClick() {
  setMode(1, 1);
  view_.frame = false;
  redraw();
}

void LineEditor::btnDelClick() {
  setMode(2, 2);
  view_.frame = false;
  redraw();
}

void LineEditor::btnDevideClick() {
  setMode(3, 3);
  step(text::stepTidyLines(), [this] { net_.ReNum(); });
  redraw();
}

void LineEditor::btnOnSnapClick() {
  net_.ONSNAP = !net_.ONSNAP;
  panel.snap = net_.ONSNAP ? text::snapOn() : text::snapOff();
}

void LineEditor::btnFreeDegClick() {
  FreeDeg = !FreeDeg;
  panel.connect = FreeDeg ? text::connectFree() : text::connectOrthogonal();
}

void LineEditor::setDevNum(int n) {
  if (n >= 2 && n <= 10) DevNum = n;
}

// ---- mouse -----------------------------------------------------------------

void LineEditor::mouseDown(int x, int y, MouseButton button) {
  switch (stage) {
    case 1:
      clickDraw(x, y, button);
      break;
    case 2:
      clickDelete(x, y, button);
      break;
    case 3:
      clickDivide(x, y, button);
      break;
    case 4:
      clickArea(x, y, button);
      break;
    case 5:
      clickPick(x, y, button);
      break;
    default:
      break;
  }
}

void LineEditor::buttonPressed(int x, int y, MouseButton button) {
  if (button != MouseButton::Middle) {
    mouseDown(x, y, button);
    return;
  }
  middle_ = {true, false, x, y};
}

void LineEditor::buttonReleased(int x, int y, MouseButton button) {
  if (button != MouseButton::Middle || !middle_.down) return;
  const bool click = !middle_.moved;
  middle_ = {};
  if (click) mouseDown(x, y, MouseButton::Middle);
}

void LineEditor::wheel(int x, int y, double notches) {
  if (notches == 0.0) return;
  followView([&] { view_.zoomAt(x, y, std::pow(0.75, notches)); });
}

void LineEditor::followView(const std::function<void()>& change) {
  const Band band = saveBand(false);
  change();
  redraw();
  restoreBand(band);
  horzBar = view_.horzPosition();
  vertBar = view_.vertPosition();
}

void LineEditor::mouseMove(int mx, int my) {
  if (middle_.down) {
    // A few pixels of jitter keep a click a click.
    constexpr int kDragStart = 3;
    if (!middle_.moved && std::abs(mx - middle_.x) <= kDragStart &&
        std::abs(my - middle_.y) <= kDragStart) {
      return;
    }
    middle_.moved = true;
    followView([&] { view_.dragBy(mx - middle_.x, my - middle_.y); });
    middle_.x = mx;
    middle_.y = my;
  }
  panel.xPos = common::formatFixed(view_.toWorldX(mx), 8, 3);
  panel.yPos = common::formatFixed(view_.toWorldY(my), 8, 3);
  if (middle_.down) return;
  if (!DrawFlag) return;
  if (stage == 1) {
    if (!FreeDeg) {
      if (std::abs(mx - XOrg) > std::abs(my - YOrg)) {
        my = YOrg;
      } else {
        mx = XOrg;
      }
    }
    eraseBand();
    XPos = mx;
    YPos = my;
    drawBandLine();
    bandShown_ = true;
  } else if (stage == 4) {
    eraseBand();
    XPos = mx;
    YPos = my;
    drawBandRect();
    bandShown_ = true;
  }
}

void LineEditor::clickDraw(int x, int y, MouseButton button) {
  if (!DrawFlag) {
    if (button != MouseButton::Left) return;
    XOrg = XPos = x;
    YOrg = YPos = y;
    px1 = view_.toWorldX(x);
    py1 = view_.toWorldY(y);
    DrawFlag = true;
    bandShown_ = false;
    if (net_.snapToNode(px1, py1) > 0) {
      XOrg = XPos = view_.toPixelX(px1);
      YOrg = YPos = view_.toPixelY(py1);
    }
    panel.editXo = common::formatFixed(px1, 10, 3);
    panel.editYo = common::formatFixed(py1, 10, 3);
    return;
  }
  if (button != MouseButton::Left) {
    DrawFlag = false;
    redraw();
    return;
  }
  px2 = view_.toWorldX(x);
  py2 = view_.toWorldY(y);
  if (!FreeDeg) {
    if (std::abs(x - XOrg) > std::abs(y - YOrg)) {
      py2 = py1;
    } else {
      px2 = px1;
    }
  }
  int ex = x, ey = y;
  if (net_.snapToNode(px2, py2) > 0) {
    ex = view_.toPixelX(px2);
    ey = view_.toPixelY(py2);
  }
  panel.editX1 = common::formatFixed(px2, 10, 3);
  panel.editY1 = common::formatFixed(py2, 10, 3);
  eraseBand();
  normalPen();
  canvas_.line(XOrg, YOrg, ex, ey);
  registerLine(px1, py1, px2, py2);
  DrawFlag = false;
  redraw();
}

void LineEditor::registerLine(double x1, double y1, double x2, double y2) {
  step(text::stepAddLine(), [&] { net_.drawLine(x1, y1, x2, y2); });
  panel.det = common::formatE(net_.lastDet, 10, 3);
}

void LineEditor::redLine(int j) {
  const LineRecord& e = net_.Elem[j];
  view_.gLine(net_.Node[e.N1].X, net_.Node[e.N1].Y, net_.Node[e.N2].X, net_.Node[e.N2].Y, 1);
}

void LineEditor::clickDelete(int x, int y, MouseButton button) {
  if (!DrawFlag) {
    SelNode = 0;
    SelLine = 0;
    const double wx = view_.toWorldX(x), wy = view_.toWorldY(y);
    normalPen();
    const int n = net_.dgetpoint(wx, wy);
    if (n > 0) {
      for (int j = 1; j <= net_.NUMEL; ++j) {
        const LineRecord& e = net_.Elem[j];
        if (e.Flag >= 0 && (e.N1 == n || e.N2 == n)) redLine(j);
      }
      SelNode = n;
      DrawFlag = true;
      return;
    }
    double best = 999999999.0;
    for (int j = 1; j <= net_.NUMEL; ++j) {
      if (net_.Elem[j].Flag < 0) continue;
      const double d = deletePickDistance(net_, j, wx, wy);
      if (d < best) {
        best = d;
        // Every line that is the nearest so far within reach shows red.
        if (best < net_.eps) {
          redLine(j);
          DrawFlag = true;
          SelLine = j;
        }
      }
    }
    return;
  }
  if (button == MouseButton::Left) {
    if (SelNode > 0) step(text::stepDeleteNode(), [this] { net_.deleteNode(SelNode); });
    if (SelLine > 0) step(text::stepDeleteLine(), [this] { net_.deleteLine(SelLine); });
  }
  SelNode = 0;
  SelLine = 0;
  redraw();
  DrawFlag = false;
}

void LineEditor::clickDivide(int x, int y, MouseButton button) {
  if (!DrawFlag) {
    const DividePick pick = divisionPick(net_, view_.toWorldX(x), view_.toWorldY(y));
    if (pick.line > 0 && pick.distance < net_.eps) {
      normalPen();
      redLine(pick.line);
      DrawFlag = true;
      SelLine = pick.line;
    }
    return;
  }
  if (button == MouseButton::Left && SelLine > 0) divideLine(SelLine);
  SelLine = 0;
  redraw();
  DrawFlag = false;
}

void LineEditor::divideLine(int j) {
  step(text::stepDivideLine(), [&] { net_.divideLine(j, DevNum); });
}

// ---- typed coordinates -----------------------------------------------------

double LineEditor::typed(const std::string& text, const char* box) const {
  return common::toReal(trimmed(text), common::Location{box, 0, 0});
}

void LineEditor::EditXoExit() {
  if (trimmed(panel.editXo).empty() || trimmed(panel.editYo).empty()) return;
  const double x = typed(panel.editXo, "Xo");
  const double y = typed(panel.editYo, "Yo");
  XOrg = XPos = view_.toPixelX(x);
  YOrg = YPos = view_.toPixelY(y);
  px1 = x;
  py1 = y;
  DrawFlag = true;
  bandShown_ = false;
  if (net_.snapToNode(px1, py1) > 0) {
    XOrg = XPos = view_.toPixelX(px1);
    YOrg = YPos = view_.toPixelY(py1);
  }
}

void LineEditor::btnLine2Click() {
  double x1 = typed(panel.editXo, "Xo");
  double y1 = typed(panel.editYo, "Yo");
  double x2 = typed(panel.editX1, "X1");
  double y2 = typed(panel.editY1, "Y1");
  eraseBand();
  net_.snapToNode(x1, y1);
  XOrg = view_.toPixelX(x1);
  YOrg = view_.toPixelY(y1);
  net_.snapToNode(x2, y2);
  XPos = view_.toPixelX(x2);
  YPos = view_.toPixelY(y2);
  normalPen();
  canvas_.line(XOrg, YOrg, XPos, YPos);
  registerLine(x1, y1, x2, y2);
  DrawFlag = false;
  redraw();
}

// ---- view commands ---------------------------------------------------------

LineEditor::Band LineEditor::saveBand(bool snap) {
  Band band;
  band.active = stage == 1 && DrawFlag;
  if (!band.active) return band;
  band.x0 = view_.toWorldX(XOrg);
  band.y0 = view_.toWorldY(YOrg);
  band.x1 = view_.toWorldX(XPos);
  band.y1 = view_.toWorldY(YPos);
  if (snap) {
    p1 = net_.snapToNode(band.x0, band.y0);
    p2 = net_.snapToNode(band.x1, band.y1);
  }
  return band;
}

void LineEditor::restoreBand(const Band& band) {
  if (!band.active) return;
  XOrg = view_.toPixelX(band.x0);
  YOrg = view_.toPixelY(band.y0);
  XPos = view_.toPixelX(band.x1);
  YPos = view_.toPixelY(band.y1);
  drawBandLine();
  bandShown_ = true;
}

void LineEditor::viewCommand(void (View::*change)(), bool snap) {
  const Band band = saveBand(snap);
  (view_.*change)();
  view_.centre();
  redraw();
  restoreBand(band);
  setScrollBars();
}

void LineEditor::setScrollBars() {
  HorzScrollBarChange(view_.horzPosition());
  VertScrollBarChange(view_.vertPosition());
}

void LineEditor::scrollBarChange(int& bar, int position, void (View::*scrolled)(int)) {
  position = std::clamp(position, 0, 100);
  if (position == bar) return;
  bar = position;
  const Band band = saveBand(true);
  (view_.*scrolled)(position);
  redraw();
  restoreBand(band);
}

void LineEditor::HorzScrollBarChange(int position) {
  scrollBarChange(horzBar, position, &View::horzScrolled);
}

void LineEditor::VertScrollBarChange(int position) {
  scrollBarChange(vertBar, position, &View::vertScrolled);
}

void LineEditor::btnZoomInClick() { viewCommand(&View::zoomIn, false); }
void LineEditor::btnZoomOutClick() { viewCommand(&View::zoomOut, false); }
void LineEditor::btnZoomAllClick() { viewCommand(&View::zoomAll, false); }
void LineEditor::btnLeftClick() { viewCommand(&View::panLeft, true); }
void LineEditor::btnRightClick() { viewCommand(&View::panRight, true); }
void LineEditor::btnUpClick() { viewCommand(&View::panUp, true); }
void LineEditor::btnDownClick() { viewCommand(&View::panDown, true); }

void LineEditor::ToolButton3Click() {
  view_.widen();
  redraw();
}

void LineEditor::btnAreaClick() {
  if (stage == 4) {
    // Already choosing an area: start the rectangle again, keeping the
    // mode to return to.
    eraseBand();
    normalPen();
    DrawFlag = false;
    return;
  }
  SaveXo = view_.toWorldX(XOrg);
  SaveYo = view_.toWorldY(YOrg);
  SaveX1 = view_.toWorldX(XPos);
  SaveY1 = view_.toWorldY(YPos);
  OldStage = stage;
  OldFlag = DrawFlag;
  eraseBand();
  stage = 4;
  pressedBeforeArea_ = pressedMode;
  pressedMode = 0;
  cursorBeforeArea_ = cursor;
  cursor = 3;
  DrawFlag = false;
}

void LineEditor::clickArea(int x, int y, MouseButton button) {
  if (!DrawFlag) {
    XOrg = XPos = x;
    YOrg = YPos = y;
    DrawFlag = true;
    drawBandRect();
    bandShown_ = true;
    return;
  }
  if (button == MouseButton::Left) {
    eraseBand();
    normalPen();
    canvas_.setFillStyle(FillStyle::Clear);
    canvas_.rectangle(std::min(XOrg, x), std::min(YOrg, y), std::max(XOrg, x), std::max(YOrg, y));
    // A rectangle without width or height leaves the window as it was.
    view_.selectArea(view_.toWorldX(XOrg), view_.toWorldY(YOrg), view_.toWorldX(XPos),
                     view_.toWorldY(YPos));
  } else {
    eraseBand();
  }
  normalPen();
  DrawFlag = false;
  view_.centre();
  redraw();
  DrawFlag = OldFlag;
  stage = OldStage;
  cursor = cursorBeforeArea_;
  pressedMode = pressedBeforeArea_;
  if (stage == 1 && DrawFlag) {
    XOrg = view_.toPixelX(SaveXo);
    YOrg = view_.toPixelY(SaveYo);
    XPos = view_.toPixelX(SaveX1);
    YPos = view_.toPixelY(SaveY1);
    drawBandLine();
    bandShown_ = true;
  }
  setScrollBars();
}

void LineEditor::switchNumbers() {
  const Band band = saveBand(false);
  view_.numbers = !view_.numbers;
  redraw();
  restoreBand(band);
}

// ---- whole-network events --------------------------------------------------

void LineEditor::Yoso1Click() {
  step(text::stepForm(), [this] { net_.formElements(); });
  showFormation();
}

void LineEditor::showFormation() {
  if (stage == 4) eraseBand();
  endPicking();
  stage = 0;
  pressedMode = 0;
  DrawFlag = false;
  view_.frame = true;
  const FormationReport report = reportFormation(net_);
  view_.marks = FormationMarks::of(net_, report);
  formationMessage = report.faultless() ? std::string() : describeFormation(net_, report);
  redraw();
}

void LineEditor::networkLoaded() {
  endPicking();
  view_.marks = {};
  formationMessage.clear();
  view_.fitExtents();
  view_.zoomAll();
  view_.centre();
  DrawFlag = false;
  if (stage == 4) {
    stage = OldStage;
    cursor = cursorBeforeArea_;
    pressedMode = pressedBeforeArea_;
  }
  SelNode = 0;
  SelLine = 0;
  history_.clear();
  modified = false;  // what was just read is in its file
  redraw();
  setScrollBars();
}

// ---- automatic meshing ----------------------------------------------------

double meshSizeOf(const std::string& typed) {
  double size = 0.0;
  try {
    size = common::toReal(trimmed(typed), common::Location{});
  } catch (const common::ConversionError&) {
    size = 0.0;
  }
  if (!(size > 0.0) || !std::isfinite(size)) {
    throw common::RangeError(text::meshSizeInvalid(typed));
  }
  return size;
}

void LineEditor::startPicking(double size) {
  const bool again = picking();
  if (stage == 4) eraseBand();
  stage = 5;
  pressedMode = 5;
  cursor = 4;
  DrawFlag = false;
  SelNode = 0;
  SelLine = 0;
  view_.frame = false;
  if (!again) picker_.clear();
  pickingSize_ = size;
  showPicks();
  redraw();
}

void LineEditor::cancelPicking() {
  if (stage == 4) eraseBand();
  endPicking();
  DrawFlag = false;
  redraw();
}

void LineEditor::clickPick(int x, int y, MouseButton button) {
  if (button == MouseButton::Right) {
    cancelPicking();
    return;
  }
  if (button != MouseButton::Left) return;
  if (picker_.toggle(net_, view_.toWorldX(x), view_.toWorldY(y))) {
    showPicks();
    redraw();
  }
}

void LineEditor::showPicks() {
  view_.pickedFaces.clear();
  for (const Face& face : picker_.faces(net_)) view_.pickedFaces.push_back(ringsOf(net_, face));
  panel.status = text::pickingStatus(pickingSize_, view_.pickedFaces.size());
}

void LineEditor::endPicking() {
  if (!picking()) return;
  picker_.clear();
  view_.pickedFaces.clear();
  panel.status.clear();
  stage = 1;
  pressedMode = 1;
  cursor = 1;
}

AutoMeshResult LineEditor::autoMeshAll(double size) { return autoMeshFaces({size, {}}); }

AutoMeshResult LineEditor::autoMeshPicked() {
  if (picker_.empty()) {
    throw common::Error(text::noFacePicked());
  }
  return autoMeshFaces({pickingSize_, picker_.points()});
}

AutoMeshResult LineEditor::autoMeshFaces(const AutoMeshRequest& request) {
  AutoMeshResult result;
  step(text::stepAutoMesh(), [&] {
    result = linemesh::autoMesh(net_, request);
    net_.formElements();
  });
  showFormation();
  panel.status = text::autoMeshStatus(result.elements, result.facesMeshed);
  if (result.facesKept > 0) panel.status += text::facesKept(result.facesKept);
  return result;
}

// ---- undo and redo ---------------------------------------------------------

void LineEditor::step(const std::string& name, const std::function<void()>& change) {
  try {
    history_.record(name, change);
  } catch (...) {
    modified = !history_.atSaved();
    if (!picker_.empty()) showPicks();
    throw;
  }
  modified = !history_.atSaved();
  // The picked faces follow the lines; a view change alone leaves them as they are.
  if (!picker_.empty()) showPicks();
}

void LineEditor::markSaved() {
  history_.markSaved();
  modified = false;
}

namespace {

/// Steps that form elements: undone, the lines are shown again; redone, the
/// elements with their report.
bool forms(const std::string& step) {
  return step == text::stepForm() || step == text::stepAutoMesh();
}

}  // namespace

void LineEditor::undo() {
  if (!history_.canUndo()) return;
  escape();
  const bool formed = forms(history_.undoName());
  history_.undo();
  afterHistoryMove();
  // Back to the lines: btnLineClick redraws them.
  if (formed)
    btnLineClick();
  else
    redraw();
}

void LineEditor::redo() {
  if (!history_.canRedo()) return;
  escape();
  const bool formed = forms(history_.redoName());
  history_.redo();
  afterHistoryMove();
  // The elements again: showFormation redraws them with their marks.
  if (formed)
    showFormation();
  else
    redraw();
}

void LineEditor::afterHistoryMove() {
  // The marks and the message belong to the formation the step took back or
  // did again, which the tables alone no longer tell: they go.
  view_.marks = {};
  formationMessage.clear();
  SelNode = 0;
  SelLine = 0;
  modified = !history_.atSaved();
}

void LineEditor::escape() {
  if (picking() && stage != 4) {
    cancelPicking();
    return;
  }
  if (stage == 4) {
    // As a second click with another button: the window stays as it was.
    DrawFlag = true;
    clickArea(XPos, YPos, MouseButton::Right);
    return;
  }
  if (!DrawFlag) return;
  eraseBand();
  DrawFlag = false;
  SelNode = 0;
  SelLine = 0;
  redraw();
}

}  // namespace linemesh::ui
