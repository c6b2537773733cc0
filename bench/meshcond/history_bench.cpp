// The undo history of the condition editor at the model's capacities (20000
// nodes, 20000 elements): the time of one pen click kept as a step, and the
// bytes a hundred such steps hold.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/meshcond/capacity_model.h"
#include "meshcond/interaction/editor.h"
#include "meshcond/model/model_parts.h"

namespace {

using namespace meshcond;
using namespace meshcond::ui;

/// Draws nothing: the benchmark times the model and the history.
class NullCanvas : public Canvas {
 public:
  void clear(Colour) override {}
  void polygon(const std::array<Pixel, 4>&, Colour, Colour) override {}
  void circle(Pixel, int, Colour) override {}
  void text(Pixel, std::string_view, Colour, int) override {}
  void bandRectangle(Pixel, Pixel) override {}
  void rectangle(Pixel, Pixel, Colour) override {}
};

/// The editor on the capacity model in an edit mode, clicking at model points.
struct ClickBench {
  explicit ClickBench(int mode) {
    editor.view.setSize(1000, 500);
    editor.resetViewToModel();
    editor.setMode(mode);
  }
  void click(double x, double y) {
    Pixel p = editor.view.toScreen(x, y);
    editor.mousePress(p.x, p.y, MouseButton::Left, canvas);
  }
  void report(benchmark::State& state) const {
    state.counters["steps"] = static_cast<double>(editor.history.steps());
    state.counters["history_bytes"] = static_cast<double>(editor.history.bytes());
  }

  std::unique_ptr<AnalysisModel> model =
      std::make_unique<AnalysisModel>(meshcond::bench::conditionedModel());
  ConditionEditor editor{*model};
  NullCanvas canvas;
};

/// A hundred pen clicks, each giving one element another material: time per
/// click (search, change, step); the bytes the hundred steps hold.
void BM_PenClickSteps(benchmark::State& state) {
  ClickBench bench(kModeMaterial);
  const AnalysisModel& m = *bench.model;
  int material = 1;
  for (auto _ : state) {
    bench.editor.EditMat = std::to_string(++material % 50 + 1);
    int e = 1 + material * 197 % m.NUMEL;
    bench.click(m.Gx[e], m.Gy[e]);
  }
  bench.report(state);
  // The image of the whole model that a step holds while it runs.
  common::ModelParts parts;
  addModelParts(*bench.model, parts);
  std::string image;
  for (size_t i = 0; i < parts.size(); ++i) parts[i].save(image);
  state.counters["model_image_bytes"] = static_cast<double>(image.size());
}
BENCHMARK(BM_PenClickSteps)->Iterations(100)->Unit(benchmark::kMillisecond);

/// A hundred rainfall-node clicks, each growing the list by one node.
void BM_RainfallClickSteps(benchmark::State& state) {
  ClickBench bench(kModeRainfall);
  int n = 0;
  for (auto _ : state) {
    n += 97;
    bench.click(bench.model->X[n], bench.model->Y[n]);
  }
  bench.report(state);
}
BENCHMARK(BM_RainfallClickSteps)->Iterations(100)->Unit(benchmark::kMillisecond);

/// Undo of one pen click at capacity.
void BM_UndoRedo(benchmark::State& state) {
  auto model = std::make_unique<AnalysisModel>(meshcond::bench::conditionedModel());
  ConditionEditor editor(*model);
  editor.step("材質の設定", [&] { model->MAT[10000] = 7; });
  NullCanvas canvas;
  for (auto _ : state) {
    editor.undo(canvas);
    editor.redo(canvas);
  }
}
BENCHMARK(BM_UndoRedo)->Unit(benchmark::kMillisecond);

}  // namespace
