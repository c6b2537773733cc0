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

}  // namespace meshcond::testing
