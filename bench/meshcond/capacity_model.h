// A model at the condition editor's capacities for the benchmarks: 20000
// nodes, 20000 elements, materials, node codes and node lists.
#pragma once

#include <string>
#include <vector>

#include "meshcond/model/analysis_model.h"
#include "meshcond/model/mesh_file.h"

namespace meshcond::bench {

inline constexpr int kColumns = 100;  // nodes per row
inline constexpr int kRows = 200;     // 20000 nodes

/// 20000 nodes and 20000 elements: a grid of quadrilaterals, shifted by
/// `shift`, with triangles over its first row to fill the element table.
inline std::vector<std::string> capacityMeshLines(double shift) {
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
inline AnalysisModel conditionedModel() {
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

}  // namespace meshcond::bench
