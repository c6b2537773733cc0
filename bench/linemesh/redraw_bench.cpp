// Redrawing the mesh maker's view at the table capacities, on the off-screen
// image the window shows, and picking a line among all of them.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdio>

#include "linemesh/interaction/line_editor.h"
#include "linemesh/interaction/view.h"
#include "linemesh/ui/line_figure.h"
#include "linemesh/ui/qt_canvas.h"

namespace {

using namespace linemesh;
using namespace linemesh::ui;

constexpr int kColumns = 200, kRows = 150;  // 30000 nodes

int nodeAt(int i, int j) { return j * kColumns + i + 1; }

// A grid of nodes 1 m apart: 40000 lines (rows first, then columns) and its
// cells as quadrilaterals.
void fillGrid(LineNetwork& net) {
  net.NUMNP = 0;
  for (int j = 0; j < kRows; ++j) {
    for (int i = 0; i < kColumns; ++i) net.appendNode(i, j);
  }
  net.NUMEL = 0;
  for (int j = 0; j < kRows && net.NUMEL < kLineCapacity; ++j) {
    for (int i = 0; i + 1 < kColumns && net.NUMEL < kLineCapacity; ++i) {
      net.appendLine(nodeAt(i, j), nodeAt(i + 1, j));
    }
  }
  for (int i = 0; i < kColumns && net.NUMEL < kLineCapacity; ++i) {
    for (int j = 0; j + 1 < kRows && net.NUMEL < kLineCapacity; ++j) {
      net.appendLine(nodeAt(i, j), nodeAt(i, j + 1));
    }
  }
  net.NE = 0;
  for (int j = 0; j + 1 < kRows; ++j) {
    for (int i = 0; i + 1 < kColumns; ++i) {
      ++net.NE;
      net.KI[net.NE] = CornerRow{
          0, nodeAt(i, j), nodeAt(i + 1, j), nodeAt(i + 1, j + 1), nodeAt(i, j + 1), 0, 0};
      net.KN[net.NE] = 4;
    }
  }
  net.xmin = 0;
  net.xmax = kColumns - 1;
  net.ymin = 0;
  net.ymax = kRows - 1;
}

void redraw(benchmark::State& state, bool elements, bool numbers = true) {
  LineNetwork net;
  fillGrid(net);
  QtCanvas canvas(1260, 700);
  View view(net, canvas);
  view.reset();
  view.frame = elements;
  view.numbers = numbers;
  for (auto _ : state) {
    view.Disp();
    canvas.flush();
  }
  state.counters["nodes"] = net.NUMNP;
  state.counters["lines"] = net.NUMEL;
  state.counters["elements"] = net.NE;
}

// The figure of the whole grid as an A4 PDF: the lines, or the elements with their numbers.
void pdfFigure(benchmark::State& state, bool elements) {
  LineNetwork net;
  fillGrid(net);
  const std::string path =
      qEnvironmentVariable("TMPDIR", "/tmp").toStdString() + "/linemesh_figure_bench.pdf";
  for (auto _ : state)
    figure::writeFigure(path, {}, lineFigure(net, wholeNetwork(net, elements), "bench"));
  state.counters["lines"] = net.NUMEL;
  state.counters["elements"] = net.NE;
  std::remove(path.c_str());
}

void BM_FigurePdfLines(benchmark::State& state) { pdfFigure(state, false); }
void BM_FigurePdfElements(benchmark::State& state) { pdfFigure(state, true); }

void BM_RedrawLines(benchmark::State& state) { redraw(state, false); }
void BM_RedrawElements(benchmark::State& state) { redraw(state, true); }
void BM_RedrawElementsWithoutNumbers(benchmark::State& state) { redraw(state, true, false); }

void BM_PickLineForDivision(benchmark::State& state) {
  LineNetwork net;
  fillGrid(net);
  net.eps = 0.05;
  for (auto _ : state) benchmark::DoNotOptimize(divisionPick(net, 123.5, 77.02));
}

void BM_PickLineForDeletion(benchmark::State& state) {
  LineNetwork net;
  fillGrid(net);
  net.eps = 0.05;
  double best = 0;
  for (auto _ : state) {
    best = 999999999.0;
    for (int j = 1; j <= net.NUMEL; ++j)
      best = std::min(best, deletePickDistance(net, j, 123.5, 77.02));
    benchmark::DoNotOptimize(best);
  }
}

BENCHMARK(BM_FigurePdfLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FigurePdfElements)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawElements)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawElementsWithoutNumbers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PickLineForDivision)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PickLineForDeletion)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  // Text needs fonts, and fonts need a GUI application.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
