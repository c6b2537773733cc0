// Element and node search.
#include "meshcond/interaction/picking.h"

#include <algorithm>

namespace meshcond::ui {

namespace {

bool inTriangle(const AnalysisModel& model, int a, int b, int c, double x, double y) {
  if (!model.hasNode(a) || !model.hasNode(b) || !model.hasNode(c)) return false;
  return pointInTriangle(model.X[a], model.Y[a], model.X[b], model.Y[b], model.X[c], model.Y[c], x,
                         y);
}

}  // namespace

int elmsearch(const AnalysisModel& model, double eps, double x, double y) {
  int count = std::min<int>(model.NUMEL, static_cast<int>(model.KI.size()) - 1);
  count = std::min<int>(count, static_cast<int>(std::min(model.Gx.size(), model.Gy.size())) - 1);
  for (int e = 1; e <= count; ++e) {
    const Corners& k = model.KI[e];
    if (inTriangle(model, k[1], k[2], k[3], x, y)) return e;
    if (k[4] > 0 && k[4] != k[3] && inTriangle(model, k[3], k[4], k[1], x, y)) return e;
  }
  // A click on no element (in a gap or just outside the mesh) takes the
  // element whose centroid is nearest, when it lies closer than eps.
  int best = -1;
  double bestDistance = 0.0;
  for (int e = 1; e <= count; ++e) {
    double d = distance(x, y, model.Gx[e], model.Gy[e]);
    if (d < eps && (best < 0 || d < bestDistance)) {
      best = e;
      bestDistance = d;
    }
  }
  return best;
}

int nodesearch(const AnalysisModel& model, double radius, double x, double y) {
  int count = std::min<int>(model.NUMNP, static_cast<int>(model.X.size()) - 1);
  int best = -1;
  double bestDistance = 0.0;
  for (int n = 1; n <= count; ++n) {
    double d = distance(x, y, model.X[n], model.Y[n]);
    if (best < 0 || d < bestDistance) {
      best = n;
      bestDistance = d;
    }
  }
  return best > 0 && bestDistance < radius ? best : -1;
}

}  // namespace meshcond::ui
