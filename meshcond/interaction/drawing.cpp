// DatShow: elements in material colours, element numbers, markers of the mode.
#include "meshcond/interaction/drawing.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "common/numbers.h"

namespace meshcond::ui {

namespace {

class Painter {
 public:
  Painter(const AnalysisModel& model, const View& view, Canvas& canvas)
      : model_(model), view_(view), canvas_(canvas) {
    nodes_ = std::min<int>(model.NUMNP, static_cast<int>(model.X.size()) - 1);
    nodes_ = std::min<int>(nodes_, static_cast<int>(model.Y.size()) - 1);
  }

  bool validNode(int n) const { return n >= 1 && n <= nodes_; }

  void gPolygon(int e, long long k) {
    const Corners& c = model_.KI[e];
    int fourth = c[4] > 0 ? c[4] : c[3];
    std::array<int, 4> corners = {c[1], c[2], c[3], fourth};
    std::array<Pixel, 4> points;
    for (int i = 0; i < 4; ++i) {
      if (!validNode(corners[i])) return;  // a corner that is no node cannot be placed
      points[i] = view_.toScreen(model_.X[corners[i]], model_.Y[corners[i]]);
    }
    canvas_.polygon(points, gColor(k), kBlack);
  }

  void gCircle(int n, long long k) {
    if (!validNode(n)) return;
    canvas_.circle(view_.toScreen(model_.X[n], model_.Y[n]), kMarkerRadius, gColor(k));
  }

 private:
  const AnalysisModel& model_;
  const View& view_;
  Canvas& canvas_;
  int nodes_ = 0;
};

std::string_view withoutBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

// EditMat shows numbers right-aligned ("%7.3f" after the fixed level list),
// so blanks around the number are allowed.
int editMatInteger(const std::string& text, const std::string& label) {
  return common::toInt(withoutBlanks(text), common::Location{label, 0, 0});
}

double editMatReal(const std::string& text, const std::string& label) {
  return common::toReal(withoutBlanks(text), common::Location{label, 0, 0});
}

void DatShow(const AnalysisModel& model, View& view, const DrawSettings& settings, Canvas& canvas) {
  view.prepareRedraw();
  canvas.clear(kWhite);
  Painter painter(model, view, canvas);
  const AnalysisModel& m = model;

  int elements = std::min<int>(m.NUMEL, static_cast<int>(m.KI.size()) - 1);
  elements = std::min<int>(elements, static_cast<int>(m.MAT.size()) - 1);
  for (int e = 1; e <= elements; ++e) {
    painter.gPolygon(e, settings.state == kModeMaterial ? m.MAT[e] : 2);
  }
  if (settings.showElementNumbers) {
    int numbered =
        std::min<int>(elements, static_cast<int>(std::min(m.Gx.size(), m.Gy.size())) - 1);
    for (int e = 1; e <= numbered; ++e) {
      Colour fill = gColor(settings.state == kModeMaterial ? m.MAT[e] : 2);
      canvas.text(view.toScreen(m.Gx[e], m.Gy[e]), std::to_string(e), numberColourOn(fill),
                  kTextSize);
    }
  }

  switch (settings.state) {
    case kModeFixedLevel: {
      int nodes = std::min<int>(m.NUMNP, static_cast<int>(m.IFIXG.size()) - 1);
      for (int j = 1; j <= nodes; ++j) {
        if (m.IFIXG[j] > 0) painter.gCircle(j, m.IFIXG[j] == settings.CurFixGroup ? 1 : 255);
      }
      break;
    }
    case kModeSeepage: {
      if (m.NSEEP < 1) break;
      int g = editMatInteger(settings.EditMat, settings.LabelStage);
      int faces = std::min<int>(m.NSEEP, static_cast<int>(m.SEEPN.size()) - 1);
      for (int f = 1; f <= faces; ++f) {
        int count = std::min<int>(loadAt(m.NSEEPN, f), static_cast<int>(m.SEEPN[f].size()) - 1);
        for (int k = 1; k <= count; ++k) painter.gCircle(m.SEEPN[f][k], f == g ? 7 : 5);
      }
      break;
    }
    case kModeRainfall: {
      int count = std::min<int>(m.NRAIN, static_cast<int>(m.RAINN.size()) - 1);
      for (int k = 1; k <= count; ++k) painter.gCircle(m.RAINN[k], 3);
      break;
    }
    case kModeFluctuating: {
      if (m.NFLUCT < 1) break;
      int g = editMatInteger(settings.EditMat, settings.LabelStage);
      int boundaries = std::min<int>(m.NFLUCT, static_cast<int>(m.FLN.size()) - 1);
      for (int b = 1; b <= boundaries; ++b) {
        int count = std::min<int>(loadAt(m.NFN, b), static_cast<int>(m.FLN[b].size()) - 1);
        for (int k = 1; k <= count; ++k) painter.gCircle(m.FLN[b][k], b == g ? 5 : 255);
      }
      break;
    }
    default:
      break;
  }
}

}  // namespace meshcond::ui
