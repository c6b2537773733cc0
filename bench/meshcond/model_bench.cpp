// Loading a mesh over a model with conditions (carry-over searches), and
// ZEP.DAT written and read and D2.DAT put together at the model's capacities.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "meshcond/model/analysis_model.h"
#include "meshcond/model/d2_file.h"
#include "meshcond/model/mesh_file.h"
#include "meshcond/model/zep_file.h"

namespace {

using namespace meshcond;

constexpr int kColumns = 100;  // nodes per row
constexpr int kRows = 200;     // 20000 nodes

/// 20000 nodes and 20000 elements: a grid of quadrilaterals, shifted by
/// `shift`, with triangles over its first row to fill the element table.
std::vector<std::string> capacityMeshLines(double shift) {
  AnalysisModel m;
  m.NUMNP = kColumns * kRows;
  for (int j = 0; j < kRows; ++j)
    for (int i = 0; i < kColumns; ++i) {
      int n = j * kColumns + i + 1;
      m.X[n] = i * 2.0 + shift;
      m.Y[n] = j * 0.5 + shift;
    }
  int e = 0;
  for (int j = 0; j + 1 < kRows; ++j)
    for (int i = 0; i + 1 < kColumns; ++i) {
      int n = j * kColumns + i + 1;
      m.KI[++e] = Corners{0, n, n + 1, n + kColumns + 1, n + kColumns};
    }
  for (int i = 1; e < kElementCapacity; ++i) m.KI[++e] = Corners{0, i, i + 1, i + kColumns, 0};
  m.NUMEL = e;
  return meshLines(m);
}

/// A model on the capacity mesh with materials, codes and node lists.
AnalysisModel conditionedModel() {
  AnalysisModel m;
  loadMeshLines(m, capacityMeshLines(0.0), "bench");
  for (int e = 1; e <= m.NUMEL; ++e) m.MAT[e] = 1 + e % kMaterialCapacity;
  for (int k = 1; k <= kMaterialCapacity; ++k) {
    m.KH[k] = 1e-3 * k;
    m.KV[k] = 1e-3 * k;
    m.SS[k] = 1e-4;
    m.setSoilCurves(k, SoilType::Sand);
  }
  for (int n = 1; n <= m.NUMNP; ++n) {
    m.H[n] = 50.0;
    m.KODE[n] = n % 17 == 0 ? 1 : 0;
  }
  m.NRAIN = kColumns;
  for (int k = 1; k <= kColumns; ++k) m.RAINN[k] = m.NUMNP - kColumns + k;
  m.NFLUCT = 1;
  m.NFN[1] = kRows;
  for (int k = 1; k <= kRows; ++k) storeAt(m.FLN[1], k, (k - 1) * kColumns + 1);
  m.NSEEP = 1;
  m.NSEEPN[1] = kSeepNodeCapacity;
  for (int k = 1; k <= kSeepNodeCapacity; ++k) m.SEEPN[1][k] = k * kColumns;
  m.NOUT = 100;
  for (int k = 1; k <= m.NOUT; ++k) m.TOUT[k] = k;
  m.DT = 0.1;
  m.DTMAX = 1;
  m.DMUL = 1.2;
  m.TMAX = 100;
  m.TOL = 1e-3;
  m.Initial();
  return m;
}

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
