// Automatic meshing of the sample dam section (zone outlines only) at 1 m:
// the Gmsh run with the plan and the insertion, then formation of the result.
#include <benchmark/benchmark.h>

#include "cadtrace/model/conversion.h"
#include "linemesh/model/auto_mesh.h"
#include "linemesh/model/formation_report.h"

namespace {

using linemesh::LineNetwork;

/// The sample section as the converter gives it.
const LineNetwork& damSection() {
  static const LineNetwork net = [] {
    const cadtrace::LineModel lines =
        cadtrace::convertDxfFile(SEEP_SOURCE_DIR "/examples/dam.dxf", {});
    LineNetwork n;
    for (int k = 1; k <= lines.NNODE; ++k) n.appendNode(lines.NODES[k].x, lines.NODES[k].y);
    for (int j = 1; j <= lines.NLINE; ++j) n.appendLine(lines.LINES[j].p1, lines.LINES[j].p2);
    return n;
  }();
  return net;
}

void BM_AutoMeshDamSection(benchmark::State& state) {
  int elements = 0;
  for (auto _ : state) {
    state.PauseTiming();
    LineNetwork net = damSection();
    state.ResumeTiming();
    linemesh::autoMesh(net, {1.0, {}});
    state.PauseTiming();
    state.counters["nodes"] = net.NUMNP;
    state.counters["lines"] = net.NUMEL;
    net.formElements();
    elements = net.NE;
    state.ResumeTiming();
  }
  state.counters["elements"] = elements;
}

void BM_AutoMeshAndFormDamSection(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    LineNetwork net = damSection();
    state.ResumeTiming();
    linemesh::autoMesh(net, {1.0, {}});
    net.formElements();
    benchmark::DoNotOptimize(linemesh::reportFormation(net).elements);
  }
}

}  // namespace

BENCHMARK(BM_AutoMeshDamSection)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoMeshAndFormDamSection)->Unit(benchmark::kMillisecond);
