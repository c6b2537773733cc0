// Small helpers shared by the condition editor's tests.
#pragma once

#include <string>
#include <vector>

#include "meshcond/model/analysis_model.h"
#include "meshcond/model/mesh_file.h"

namespace meshcond::testing {

/// A mesh file's lines for an nx x ny grid of unit squares (nodes row by row).
inline std::vector<std::string> gridMeshLines(int nx, int ny, double step = 1.0) {
  AnalysisModel m;
  m.NUMNP = (nx + 1) * (ny + 1);
  for (int j = 0; j <= ny; ++j)
    for (int i = 0; i <= nx; ++i) {
      int n = j * (nx + 1) + i + 1;
      m.X[n] = i * step;
      m.Y[n] = j * step;
    }
  m.NUMEL = nx * ny;
  for (int j = 0; j < ny; ++j)
    for (int i = 0; i < nx; ++i) {
      int e = j * nx + i + 1;
      int n = j * (nx + 1) + i + 1;
      m.KI[e] = Corners{0, n, n + 1, n + nx + 2, n + nx + 1};
    }
  return meshLines(m);
}

/// Lines of a file image given as one string with "\n" separators.
inline std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

/// One square element 10 x 10 on nodes 1..4 (counter-clockwise from the
/// origin), material 1, and nothing else.
inline AnalysisModel squareElementModel() {
  AnalysisModel m;
  m.NUMNP = 4;
  double xs[] = {0, 10, 10, 0}, ys[] = {0, 0, 10, 10};
  for (int n = 1; n <= 4; ++n) {
    m.X[n] = xs[n - 1];
    m.Y[n] = ys[n - 1];
  }
  m.NUMEL = 1;
  m.KI[1] = Corners{0, 1, 2, 3, 4};
  m.KN[1] = 4;
  m.MAT[1] = 1;
  return m;
}

/// The one-element analysis: title "TEST", 4 nodes, one material of soil
/// type "G", steady, two output times, node 1 held at 5.0.
inline AnalysisModel oneElementModel() {
  AnalysisModel m = squareElementModel();
  m.TITLE = "TEST";
  m.NUMMAT = 1;
  m.IANAL = 2;
  m.IPAR3 = 1;
  m.MAXIT = 10;
  m.IPAR2 = 1;
  m.NCUL = 3;
  m.MAXITO = 10;
  m.ISTEADY = 1;
  m.IPAR9 = 1;
  m.IPAR14 = 1;
  m.NOUT = 2;
  m.TOUT[1] = 12;
  m.TOUT[2] = 24;
  m.DT = 0.1;
  m.DTMAX = 1;
  m.DMUL = 1.2;
  m.TMAX = 24;
  m.TOL = 0.001;
  m.TSOLV = 0.5;
  m.ITMAX = 500;
  m.KH[1] = 3.6;
  m.KV[1] = 3.6;
  m.POIS[1] = 0.3;
  m.SS[1] = 1e-4;
  m.setSoilCurves(1, SoilType::Gravel);
  m.NFIXWL = 1;
  m.FIXWL[1] = 5.0;
  m.IFIXG[1] = 1;
  return m;
}

/// A model with every block of ZEP.DAT present: seepage faces (one of them
/// empty), rainfall, fluctuating levels, flux fluctuation, wells, output
/// times and curves, on a 3 x 3 grid.
inline AnalysisModel everyBlockModel() {
  AnalysisModel m;
  loadMeshLines(m, gridMeshLines(3, 3), "grid");
  m.TITLE = "断面 A-A' 浸透解析";
  for (int e = 1; e <= m.NUMEL; ++e) m.MAT[e] = 1 + e % 3;
  for (int k = 1; k <= 3; ++k) {
    m.KH[k] = 1.25e-2 * k;
    m.KV[k] = 2.5e-3 * k;
    m.POIS[k] = 0.3;
    m.SS[k] = 1e-4 * k;
    m.MPAR5[k] = 0.5 * k;
    m.MPAR6[k] = 1.5;
    m.setSoilCurves(k, k == 2 ? SoilType::Clay : SoilType::Sand);
  }
  m.NSEEP = 3;
  m.NSEEPN[1] = 2;
  m.SEEPN[1][1] = 13;
  m.SEEPN[1][2] = 14;
  m.NSEEPN[2] = 0;
  m.NSEEPN[3] = 1;
  m.SEEPN[3][1] = 16;
  m.NRAIN = 4;
  for (int k = 1; k <= 4; ++k) m.RAINN[k] = 12 + k;
  m.RPAR2 = 0.25;
  m.NRTIME = 4;
  for (int k = 1; k <= 4; ++k) {
    m.RTIME[k] = 6.0 * k;
    m.RAIN[k] = 0.0025 * k;
  }
  m.NFLUCT = 2;
  m.NFN[1] = 2;
  storeAt(m.FLN[1], 1, 1);
  storeAt(m.FLN[1], 2, 5);
  m.NFN[2] = 1;
  storeAt(m.FLN[2], 1, 4);
  m.NFT[1] = 4;
  m.NFT[2] = 2;
  for (int k = 1; k <= 4; ++k) {
    storeAt(m.FTIME[1], k, 10.0 * k);
    storeAt(m.FLEV[1], k, 2.0 + 0.5 * k);
  }
  for (int k = 1; k <= 2; ++k) {
    storeAt(m.FTIME[2], k, 5.0 * k);
    storeAt(m.FLEV[2], k, 1.0 * k);
  }
  m.NFLUX = 1;
  m.NQN[1] = 2;
  storeAt(m.QN[1], 1, 8);
  storeAt(m.QN[1], 2, 12);
  m.NQT[1] = 2;
  m.QTIME[1][1] = 1;
  m.QVAL[1][1] = -0.5;
  m.QTIME[1][2] = 2;
  m.QVAL[1][2] = 0.75;
  m.NWL1 = 2;
  m.WL1[1] = 6;
  m.WL1[2] = 7;
  m.NWL2 = 1;
  m.WL2[1] = 10;
  m.IPAR4 = 3;
  m.IPAR5 = 4;
  m.IPAR6 = 5;
  m.WPAR1 = 1.5;
  m.WPAR2 = -2.5;
  m.WPAR3 = 3e-5;
  m.WPAR4 = 4;
  m.IANAL = 2;
  m.ISTEADY = -1;
  m.IFORM = 1;
  m.MAXIT = 50;
  m.MAXITO = 30;
  m.NCUL = 2;
  m.DT = 0.0125;
  m.DTMAX = 2;
  m.DMUL = 1.5;
  m.TMAX = 240;
  m.TOL = 1e-3;
  m.ITMAX = 900;
  m.IPAR1 = 7;
  m.IPAR7 = 8;
  m.IPAR8 = 9;
  m.IPAR11 = 11;
  m.IPAR12 = 12;
  m.IPAR13 = 13;
  m.NOUT = 9;
  for (int k = 1; k <= 9; ++k) m.TOUT[k] = 24.0 * k;
  for (int n = 1; n <= m.NUMNP; ++n) {
    m.H[n] = 3.5;
    m.Q[n] = n == 9 ? 0.125 : 0.0;
  }
  m.NFIXWL = 1;
  m.FIXWL[1] = 3.0;
  m.IFIXG[2] = 1;
  m.IFIXG[3] = 1;
  return m;
}

}  // namespace meshcond::testing
