// The redraw at capacity: 20000 elements, their numbers and the markers of a
// mode, on an off-screen image of 1100 x 600 pixels; and the figure of the
// same model written as PDF, SVG and PNG.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <memory>

#include "meshcond/interaction/drawing.h"
#include "meshcond/model/analysis_model.h"
#include "meshcond/ui/condition_figure.h"
#include "meshcond/ui/image_canvas.h"

namespace {

using namespace meshcond;
using namespace meshcond::ui;

QGuiApplication& application() {
  static int argc = 1;
  static char name[] = "meshcond_draw_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
  return app;
}

// A 200 x 50 m section at capacity: 20000 nodes on a 1 x 0.5 m grid (the
// last column cut short), 19701 quadrilaterals and 299 triangles, 40
// materials, rainfall on the top row and two columns of fixed levels.
std::unique_ptr<AnalysisModel> capacityModel() {
  auto m = std::make_unique<AnalysisModel>();
  const int nx = 200, ny = 99;  // 19800 elements, 20000 nodes
  m->NUMNP = (nx + 1) * (ny + 1) - 100;
  auto node = [&](int i, int j) { return i * (ny + 1) + j + 1; };
  for (int i = 0; i <= nx; ++i)
    for (int j = 0; j <= ny; ++j) {
      int n = node(i, j);
      if (n > kNodeCapacity) continue;
      m->X[n] = i * 1.0;
      m->Y[n] = j * 0.5;
    }
  int e = 0;
  for (int i = 0; i < nx && e < kElementCapacity; ++i)
    for (int j = 0; j < ny && e < kElementCapacity; ++j) {
      if (node(i + 1, j + 1) > m->NUMNP) continue;
      ++e;
      m->KI[e] = {0, node(i, j), node(i + 1, j), node(i + 1, j + 1), node(i, j + 1)};
      m->MAT[e] = 1 + e % 40;
    }
  // Fill up to capacity with triangles over the first column.
  for (int j = 0; e < kElementCapacity; j = (j + 1) % ny) {
    ++e;
    m->KI[e] = {0, node(0, j), node(1, j), node(0, j + 1), 0};
    m->MAT[e] = 3;
  }
  m->NUMEL = e;
  m->computeCentroids();
  // Rainfall on the top row, fixed levels on both sides.
  for (int i = 0; i <= nx; ++i) {
    int n = node(i, ny);
    if (n <= m->NUMNP) m->RAINN[++m->NRAIN] = n;
  }
  for (int j = 0; j <= ny; ++j) {
    m->IFIXG[node(0, j)] = 1;
    m->IFIXG[node(nx - 1, j)] = 2;
  }
  return m;
}

void drawAtCapacity(benchmark::State& state, int mode, bool numbers = true) {
  application();
  auto model = capacityModel();
  QImage image(1100, 600, QImage::Format_RGB32);
  View view;
  view.setSize(image.width(), image.height());
  Extent e = xmaxxmin(*model, view.width(), view.height());
  view.setExtent(e.xmin, e.xmax, e.ymin, e.ymax);
  view.resetToExtent();
  DrawSettings settings;
  settings.state = mode;
  settings.CurFixGroup = 1;
  settings.showElementNumbers = numbers;
  for (auto _ : state) {
    ImageCanvas canvas(image);
    DatShow(*model, view, settings, canvas);
  }
  state.counters["elements"] = model->NUMEL;
}

void BM_DatShowMaterials(benchmark::State& state) { drawAtCapacity(state, kModeMaterial); }
void BM_DatShowWithoutNumbers(benchmark::State& state) {
  drawAtCapacity(state, kModeMaterial, false);
}
void BM_DatShowRainfallMarkers(benchmark::State& state) { drawAtCapacity(state, kModeRainfall); }
void BM_DatShowFixedLevelMarkers(benchmark::State& state) {
  drawAtCapacity(state, kModeFixedLevel);
}

// The figure of the whole model at capacity, written as a file: elements,
// numbers, the marks of every condition, title, scale bar and legend.
void writeFigureAtCapacity(benchmark::State& state, const char* name, bool numbers = true) {
  application();
  auto model = capacityModel();
  const std::string path = std::string(qEnvironmentVariable("TMPDIR", "/tmp").toStdString()) +
                           "/meshcond_figure_bench_" + name;
  FigureWindow whole;
  whole.elementNumbers = numbers;
  for (auto _ : state) figure::writeFigure(path, {}, conditionFigure(*model, whole));
  state.counters["elements"] = model->NUMEL;
  std::remove(path.c_str());
}

void BM_FigurePdf(benchmark::State& state) { writeFigureAtCapacity(state, "a4.pdf"); }
void BM_FigurePdfWithoutNumbers(benchmark::State& state) {
  writeFigureAtCapacity(state, "plain.pdf", false);
}
void BM_FigureSvg(benchmark::State& state) { writeFigureAtCapacity(state, "1600x1000.svg"); }
void BM_FigurePng(benchmark::State& state) { writeFigureAtCapacity(state, "1600x1000.png"); }

}  // namespace

BENCHMARK(BM_FigurePdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FigurePdfWithoutNumbers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FigureSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FigurePng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DatShowMaterials)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DatShowWithoutNumbers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DatShowRainfallMarkers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DatShowFixedLevelMarkers)->Unit(benchmark::kMillisecond);
