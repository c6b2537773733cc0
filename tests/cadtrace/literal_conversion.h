// The conversion done the plain way: linear lookups and the pairwise crossing
// scan that starts again after every cut. Slow (quadratic and worse), kept as
// the oracle the indexed model is compared with.
#pragma once

#include <vector>

#include "cadtrace/model/conversion.h"
#include "cadtrace/model/dxf_reader.h"
#include "cadtrace/model/line_model.h"

namespace cadtrace::literal {

struct Tables {
  int NNODE = 0;
  std::vector<Point> NODES{1};
  int NLINE = 0;
  std::vector<LinePair> LINES{1};

  void toroku(double x, double y);
  int searchnode(double X, double Y) const;
  int searchline(int p1, int p2) const;
  void addLine(int p1, int p2);
  bool isCross(int p1, int p2, int p3, int p4, double& xx, double& yy) const;
  void XCheck();
};

/// Passes 1-4 and the shift and scale, on plain tables.
Tables DXFtoM2W(const DxfDrawing& drawing, double scaleV, double scaleH, double kijunV,
                double kijunH);

/// A LineModel holding the same tables (for the writers).
LineModel toModel(const Tables& t);

}  // namespace cadtrace::literal
