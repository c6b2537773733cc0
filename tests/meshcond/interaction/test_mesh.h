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

/// A 3 x 2 grid of 10 x 5 m cells with every kind of condition a figure
/// shows: materials 1, 5 and 2 column by column, fixed levels 12.5 m on
/// the left column (group 1) and 8.25 m on the right (group 2), a seepage
/// face on the lower two nodes of the right column, a fluctuating boundary
/// on the lower two of the left, rainfall on the top row.
inline void makeConditionModel(AnalysisModel& m) {
  makeGrid(m, 3, 2, 10, 5);
  m.TITLE = "試験断面 A";
  const int materials[] = {0, 1, 1, 5, 5, 2, 2};
  for (int e = 1; e <= 6; ++e) m.MAT[e] = materials[e];
  m.NUMMAT = 5;
  m.NFIXWL = 2;
  m.FIXWL[1] = 12.5;
  m.FIXWL[2] = 8.25;
  for (int n : {1, 2, 3}) m.IFIXG[n] = 1;
  for (int n : {10, 11, 12}) m.IFIXG[n] = 2;
  m.NSEEP = 1;
  m.NSEEPN[1] = 2;
  m.SEEPN[1][1] = 10;
  m.SEEPN[1][2] = 11;
  m.NFLUCT = 1;
  m.NFN[1] = 2;
  storeAt(m.FLN[1], 1, 1);
  storeAt(m.FLN[1], 2, 2);
  m.NRAIN = 4;
  for (int k = 1; k <= 4; ++k) m.RAINN[k] = 3 * k;
}

}  // namespace meshcond::ui::testing
