// Timing of renumbering, the sorts, element formation, its report and line splitting on
// networks near the tables' capacity.
#include <benchmark/benchmark.h>

#include "common/history.h"
#include "linemesh/model/formation_report.h"
#include "linemesh/model/network.h"
#include "literal_network.h"
#include "test_networks.h"

namespace {

using linemesh::LineNetwork;
using linemesh::testing::LiteralNetwork;

const LineNetwork& capacityNetwork() {
  static const LineNetwork net = linemesh::testing::jitteredGrid(125, 8);
  return net;
}

const LineNetwork& smallNetwork() {
  static const LineNetwork net = linemesh::testing::jitteredGrid(40, 3);
  return net;
}

void counters(benchmark::State& state, const LineNetwork& net) {
  state.counters["nodes"] = net.NUMNP;
  state.counters["lines"] = net.NUMEL;
}

template <class Net, class Step>
void timed(benchmark::State& state, const LineNetwork& input, Step step, int prepare = 0) {
  for (auto _ : state) {
    state.PauseTiming();
    Net net(input);
    if (prepare) {
      // The sorts run on the renumbered network, XSort after YSort.
      net.PreYoso();
      if (prepare == 2) net.YSort();
    }
    state.ResumeTiming();
    step(net);
    benchmark::DoNotOptimize(net.NUMNP);
  }
  counters(state, input);
}

void BM_ReNum(benchmark::State& state) {
  timed<LineNetwork>(state, capacityNetwork(), [](LineNetwork& n) { n.ReNum(); });
}
void BM_YSort(benchmark::State& state) {
  timed<LineNetwork>(
      state, capacityNetwork(), [](LineNetwork& n) { n.YSort(); }, 1);
}
void BM_XSort(benchmark::State& state) {
  timed<LineNetwork>(
      state, capacityNetwork(), [](LineNetwork& n) { n.XSort(); }, 2);
}
void BM_FormElements(benchmark::State& state) {
  timed<LineNetwork>(state, capacityNetwork(), [](LineNetwork& n) { n.formElements(); });
  LineNetwork formed = capacityNetwork();
  formed.formElements();
  state.counters["elements"] = formed.NE;
}
// The faces of the formed network, and formation with its report.
void BM_FindFaces(benchmark::State& state) {
  LineNetwork formed = capacityNetwork();
  formed.formElements();
  for (auto _ : state) benchmark::DoNotOptimize(linemesh::findFaces(formed).size());
  counters(state, formed);
  state.counters["faces"] = static_cast<double>(linemesh::findFaces(formed).size());
}
void BM_FormElementsAndReport(benchmark::State& state) {
  timed<LineNetwork>(state, capacityNetwork(), [](LineNetwork& n) {
    n.formElements();
    benchmark::DoNotOptimize(linemesh::reportFormation(n).elements);
  });
}
// The undo history of 100 short lines drawn one by one on a network near the
// line table's capacity, each crossing a few lines: the bytes the steps keep
// and the time a step takes with its before and after images.
void BM_HistoryOf100LineDraws(benchmark::State& state) {
  static const LineNetwork start = linemesh::testing::jitteredGrid(123, 8);
  size_t bytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    LineNetwork net = start;
    common::ModelParts parts;
    net.addTo(parts);
    common::History history(parts);
    state.ResumeTiming();
    for (int i = 0; i < 100; ++i) {
      const double x = 10.3 + i, y = 20.2 + (i % 7);
      history.record("線", [&] { net.drawLine(x, y, x + 0.5, y + 1.6); });
    }
    bytes = history.bytes();
  }
  state.counters["lines"] = start.NUMEL;
  state.counters["history_MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}
void BM_FormElementsSmall(benchmark::State& state) {
  timed<LineNetwork>(state, smallNetwork(), [](LineNetwork& n) { n.formElements(); });
}
void BM_LiteralFormElementsSmall(benchmark::State& state) {
  timed<LiteralNetwork>(state, smallNetwork(), [](LiteralNetwork& n) { n.formElements(); });
}
void BM_LiteralFormElements(benchmark::State& state) {
  timed<LiteralNetwork>(state, capacityNetwork(), [](LiteralNetwork& n) { n.formElements(); });
}

const LineNetwork& fanOfLines() {
  static const LineNetwork net = [] {
    LineNetwork n;
    n.eps = 0.001;
    for (int i = 0; i < 2000; ++i) {
      int a = n.appendNode(i * 0.5, -1 - (i % 7));
      int b = n.appendNode(i * 0.5 + 0.3, 1 + (i % 5));
      n.appendLine(a, b);
    }
    return n;
  }();
  return net;
}

void BM_XCheckAcross2000(benchmark::State& state) {
  timed<LineNetwork>(state, fanOfLines(), [](LineNetwork& n) { n.drawLine(-1, 0.1, 1001, -0.1); });
}
void BM_LiteralXCheckAcross2000(benchmark::State& state) {
  timed<LiteralNetwork>(state, fanOfLines(),
                        [](LiteralNetwork& n) { n.drawLine(-1, 0.1, 1001, -0.1); });
}

BENCHMARK(BM_ReNum)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_YSort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XSort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormElements)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindFaces)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormElementsAndReport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryOf100LineDraws)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormElementsSmall)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralFormElementsSmall)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XCheckAcross2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralXCheckAcross2000)->Unit(benchmark::kMillisecond);
// At capacity the literal formation takes tens of seconds: run it on request
// (--benchmark_filter=LiteralFormElements$).
BENCHMARK(BM_LiteralFormElements)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
