// Small meshes for the window's logic tests.
#pragma once

#include "meshcond/model/analysis_model.h"

namespace meshcond::ui::testing {

/// nx x ny quadrilaterals of size w x h from (0, 0); nodes column by column
/// from the bottom, elements likewise; every material 1; centroids set.
inline void makeGrid(AnalysisModel& m, int nx, int ny, double w, double h) {
  m.NUMNP = (nx + 1) * (ny + 1);
  m.NUMEL = nx * ny;
  auto node = [ny](int i, int j) { return i * (ny + 1) + j + 1; };
  for (int i = 0; i <= nx; ++i) {
    for (int j = 0; j <= ny; ++j) {
      m.X[node(i, j)] = i * w;
      m.Y[node(i, j)] = j * h;
    }
  }
  int e = 0;
  for (int i = 0; i < nx; ++i) {
    for (int j = 0; j < ny; ++j) {
      ++e;
      m.KI[e] = {0, node(i, j), node(i + 1, j), node(i + 1, j + 1), node(i, j + 1)};
      m.KN[e] = 4;
      m.MAT[e] = 1;
    }
  }
  m.NUMMAT = 1;
  m.computeCentroids();
}

}  // namespace meshcond::ui::testing
