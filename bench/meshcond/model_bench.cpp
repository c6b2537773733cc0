// Loading a mesh over a model with conditions (carry-over searches), and
// ZEP.DAT written and read and D2.DAT put together at the model's capacities.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/meshcond/capacity_model.h"
#include "meshcond/model/analysis_model.h"
#include "meshcond/model/d2_file.h"
#include "meshcond/model/mesh_file.h"
#include "meshcond/model/zep_file.h"

namespace {

using namespace meshcond;
using meshcond::bench::capacityMeshLines;
using meshcond::bench::conditionedModel;

void BM_LoadMeshOverConditions(benchmark::State& state) {
  const double shift = state.range(0) == 0 ? 0.0 : 0.3;  // 0.3: no node finds a partner
  const std::vector<std::string> lines = capacityMeshLines(shift);
  const AnalysisModel base = conditionedModel();
  for (auto _ : state) {
    state.PauseTiming();
    AnalysisModel m = base;
    state.ResumeTiming();
    ConvertReport report = loadMeshLines(m, lines, "MESH.DAT");
    benchmark::DoNotOptimize(report);
  }
  state.SetLabel(state.range(0) == 0 ? "same mesh" : "shifted mesh");
}
BENCHMARK(BM_LoadMeshOverConditions)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ZepDatWrite(benchmark::State& state) {
  AnalysisModel m = conditionedModel();
  std::string path = (std::filesystem::temp_directory_path() / "bench_ZEP64.DAT").string();
  for (auto _ : state) writeZepDat(m, path);
  std::remove(path.c_str());
}
BENCHMARK(BM_ZepDatWrite)->Unit(benchmark::kMillisecond);

void BM_ZepDatRead(benchmark::State& state) {
  AnalysisModel m = conditionedModel();
  std::string path = (std::filesystem::temp_directory_path() / "bench_read_ZEP64.DAT").string();
  writeZepDat(m, path);
  for (auto _ : state) {
    AnalysisModel read;
    openZepDat(read, path);
    benchmark::DoNotOptimize(read.NUMNP);
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_ZepDatRead)->Unit(benchmark::kMillisecond);

void BM_D2DatLines(benchmark::State& state) {
  AnalysisModel m = conditionedModel();
  for (int e = 1; e <= m.NUMEL; ++e) m.MAT[e] = 1 + e % 40;  // D2.DAT holds 40 materials
  m.deriveNUMMAT();
  for (auto _ : state) benchmark::DoNotOptimize(d2DatLines(m));
}
BENCHMARK(BM_D2DatLines)->Unit(benchmark::kMillisecond);

void BM_GetPoint(benchmark::State& state) {
  AnalysisModel m = conditionedModel();
  for (auto _ : state) benchmark::DoNotOptimize(m.getPoint(99.0, 50.0));
}
BENCHMARK(BM_GetPoint)->Unit(benchmark::kMicrosecond);

}  // namespace
