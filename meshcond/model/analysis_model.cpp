#include "meshcond/model/analysis_model.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/errors.h"
#include "meshcond/model/messages.h"

namespace meshcond {

namespace {

const SoilCurves kGravel = {
    {0.00, 0.01, 0.02, 0.03, 0.04, 0.05, 0.06, 0.07, 0.08, 0.09, 0.10,
     0.11, 0.12, 0.13, 0.14, 0.15, 0.16, 0.17, 0.18, 0.19, 0.20},
    {0.0,  0.01, 0.02, 0.03, 0.04, 0.05, 0.06, 0.08, 0.09, 0.11, 0.13,
     0.16, 0.19, 0.23, 0.29, 0.36, 0.45, 0.55, 0.65, 0.8,  1.0},
    {0.049, 0.05, 0.056, 0.068, 0.078, 0.084, 0.09, 0.1, 0.112, 0.126, 0.136, 0.15, 0.164, 0.178,
     0.19, 0.2},
    {12.0, 1.9, 1.5, 1.0, 0.8, 0.7, 0.6, 0.5, 0.4, 0.3, 0.25, 0.2, 0.15, 0.1, 0.05, 0.0},
};

const SoilCurves kSand = {
    kGravel.thetaKr,
    kGravel.kr,
    {0.119, 0.12, 0.123, 0.129, 0.135, 0.138, 0.141, 0.146, 0.153, 0.16, 0.166, 0.173, 0.181, 0.188,
     0.195, 0.2},
    kGravel.psi,
};

const SoilCurves kClay = {
    {0.000, 0.005, 0.010, 0.015, 0.020, 0.025, 0.030, 0.035, 0.040, 0.045, 0.050,
     0.055, 0.060, 0.065, 0.070, 0.075, 0.080, 0.085, 0.090, 0.095, 0.100},
    {0.0, 0.003, 0.006, 0.01, 0.015, 0.02, 0.03, 0.04, 0.05, 0.07, 0.09,
     0.1, 0.14,  0.18,  0.23, 0.29,  0.36, 0.46, 0.59, 0.75, 1.0},
    {0.059, 0.06, 0.062, 0.066, 0.068, 0.07, 0.072, 0.074, 0.076, 0.081, 0.084, 0.088, 0.092, 0.095,
     0.098, 0.1},
    kGravel.psi,
};

std::vector<std::vector<double>> table2(int outer, int inner) {
  return std::vector<std::vector<double>>(outer + 1, std::vector<double>(inner + 1, 0.0));
}

std::vector<std::vector<int32_t>> intTable2(int outer, int inner) {
  return std::vector<std::vector<int32_t>>(outer + 1, std::vector<int32_t>(inner + 1, 0));
}

void refuse(const std::string& what) { throw common::RangeError(what); }

}  // namespace

const SoilCurves& soilCurves(SoilType type) {
  switch (type) {
    case SoilType::Gravel:
      return kGravel;
    case SoilType::Sand:
      return kSand;
    case SoilType::Clay:
      break;
  }
  return kClay;
}

const char* soilLetter(SoilType type) {
  switch (type) {
    case SoilType::Gravel:
      return "G";
    case SoilType::Sand:
      return "S";
    case SoilType::Clay:
      break;
  }
  return "M";
}

SoilType soilTypeOf(double firstThetaPsi) {
  if (firstThetaPsi < 0.05) return SoilType::Gravel;
  if (firstThetaPsi < 0.1) return SoilType::Clay;
  return SoilType::Sand;
}

AnalysisModel::AnalysisModel()
    : X(kNodeCapacity + 1),
      Y(kNodeCapacity + 1),
      KI(kElementCapacity + 1, Corners{}),
      KN(kElementCapacity + 1),
      MAT(kElementCapacity + 1),
      KH(kMaterialCapacity + 1),
      KV(kMaterialCapacity + 1),
      POIS(kMaterialCapacity + 1),
      SS(kMaterialCapacity + 1),
      MPAR5(kMaterialCapacity + 1),
      MPAR6(kMaterialCapacity + 1),
      NKR(kMaterialCapacity + 1),
      NPSI(kMaterialCapacity + 1),
      THKR(table2(kMaterialCapacity, kCurvePointCapacity)),
      KR(table2(kMaterialCapacity, kCurvePointCapacity)),
      THPSI(table2(kMaterialCapacity, kCurvePointCapacity)),
      PSI(table2(kMaterialCapacity, kCurvePointCapacity)),
      H(kNodeCapacity + 1),
      Q(kNodeCapacity + 1),
      KODE(kNodeCapacity + 1),
      IFIXG(kNodeCapacity + 1),
      FIXWL(kFixedLevelCapacity + 1),
      NSEEPN(kSeepFaceCapacity + 1),
      SEEPN(intTable2(kSeepFaceCapacity, kSeepNodeCapacity)),
      SEEPPAR(kSeepFaceCapacity + 1),
      RAINN(kRainNodeCapacity + 1),
      RTIME(kRainSeriesCapacity + 1),
      RAIN(kRainSeriesCapacity + 1),
      NFN(kFluctCapacity + 1),
      FLN(kFluctCapacity + 1),
      NFT(kFluctCapacity + 1),
      FTIME(kFluctSeriesBoundaries + 1),
      FLEV(kFluctSeriesBoundaries + 1),
      NQN(kFluxCapacity + 1),
      QN(kFluxCapacity + 1),
      NQT(kFluxCapacity + 1),
      QTIME(table2(kFluxCapacity, kFluxSeriesCapacity)),
      QVAL(table2(kFluxCapacity, kFluxSeriesCapacity)),
      WL1(kWellCapacity + 1),
      WL2(kWellCapacity + 1),
      TOUT(kOutputTimeCapacity + 1),
      OLDX(kNodeCapacity + 1),
      OLDY(kNodeCapacity + 1),
      OLDH(kNodeCapacity + 1),
      OLDQ(kNodeCapacity + 1),
      OLDKODE(kNodeCapacity + 1),
      OLDKI(kElementCapacity + 1, Corners{}),
      OLDMAT(kElementCapacity + 1),
      OLDRAINN(kRainNodeCapacity + 1),
      OLDFLN(kFluctCapacity + 1),
      OLDSEEPN(intTable2(kSeepFaceCapacity, kSeepNodeCapacity)),
      OLDQN(kFluxCapacity + 1),
      OLDWL1(kWellCapacity + 1),
      OLDWL2(kWellCapacity + 1),
      Gx(kElementCapacity + 1),
      Gy(kElementCapacity + 1) {}

void AnalysisModel::deriveNUMMAT() {
  int largest = 0;
  for (int e = 1; e <= NUMEL; ++e) largest = std::max(largest, static_cast<int>(MAT[e]));
  NUMMAT = largest;
}

void AnalysisModel::deriveKN() {
  for (int e = 1; e <= NUMEL; ++e) KN[e] = KI[e][4] == 0 ? 3 : 4;
}

void AnalysisModel::deriveMaxCounts() {
  MAXSEEP = 0;
  for (int f = 1; f <= NSEEP; ++f) MAXSEEP = std::max(MAXSEEP, static_cast<int>(NSEEPN[f]));
  MAXFN = 0;
  MAXFT = 0;
  for (int b = 1; b <= NFLUCT; ++b) {
    MAXFN = std::max(MAXFN, static_cast<int>(NFN[b]));
    MAXFT = std::max(MAXFT, static_cast<int>(NFT[b]));
  }
}

void AnalysisModel::deriveRMAX() {
  if (NRAIN <= 0) return;
  double largest = 0.0;
  for (int k = 1; k <= NRTIME; ++k)
    if (RAIN[k] > largest) largest = RAIN[k];
  RMAX = largest;
}

void AnalysisModel::deriveNodeCodes() {
  auto checkNode = [this](int n, const std::string& what) {
    if (n < 1 || n > NUMNP)
      refuse(what + ": " + msg::outsideRange(msg::field::node(), n, 1, NUMNP));
  };
  for (int n = 1; n <= NUMNP; ++n) {
    if (IFIXG[n] > 0 && (IFIXG[n] > NFIXWL || IFIXG[n] > kFixedLevelCapacity))
      refuse(msg::groupMissing(n, IFIXG[n], NFIXWL));
  }
  for (int b = 1; b <= NFLUCT; ++b)
    for (int k = 1; k <= NFN[b]; ++k)
      checkNode(loadAt(FLN[b], k), msg::nth(msg::fluctBoundary(b), k));
  for (int k = 1; k <= NRAIN; ++k) checkNode(RAINN[k], msg::nth(msg::rainfallNodes(), k));

  for (int n = 1; n <= NUMNP; ++n) KODE[n] = 0;
  for (int n = 1; n <= NUMNP; ++n) {
    if (IFIXG[n] > 0) {
      KODE[n] = 1;
      H[n] = FIXWL[IFIXG[n]];
    }
  }
  for (int b = 1; b <= NFLUCT; ++b)
    for (int k = 1; k <= NFN[b]; ++k) KODE[FLN[b][k]] = 1;
  for (int k = 1; k <= NRAIN; ++k) {
    int n = RAINN[k];
    KODE[n] = Y[n] > H[n] ? -4 : 4;
  }
}

void AnalysisModel::rebuildFixedLevelGroups() {
  for (int n = 1; n <= NUMNP; ++n) IFIXG[n] = KODE[n] == 1 ? -1 : 0;
  for (int b = 1; b <= NFLUCT; ++b) {
    for (int k = 1; k <= NFN[b]; ++k) {
      int n = loadAt(FLN[b], k);
      if (n < 1 || n > kNodeCapacity)
        refuse(msg::listNodeOutside(msg::fluctBoundary(b), k, n, kNodeCapacity));
      IFIXG[n] = 0;
    }
  }
  int count = 0;
  for (int n = 1; n <= NUMNP; ++n) {
    if (IFIXG[n] >= 0) continue;
    int group = 0;
    for (int g = 1; g <= count; ++g) {
      if (FIXWL[g] == H[n]) {
        group = g;
        break;
      }
    }
    if (group == 0) {
      if (count == kFixedLevelCapacity) refuse(msg::tooManyFixedLevels(n, kFixedLevelCapacity));
      FIXWL[++count] = H[n];
      group = count;
    }
    IFIXG[n] = group;
  }
  NFIXWL = count;
}

void AnalysisModel::computeCentroids() {
  for (int e = 1; e <= NUMEL; ++e) {
    const Corners& c = KI[e];
    auto corner = [&](int place) {
      int n = c[place];
      if (n < 1 || n > kNodeCapacity) refuse(msg::cornerOutside(e, place, n, kNodeCapacity));
      return Point{X[n], Y[n]};
    };
    Point p1 = corner(1), p2 = corner(2), p3 = corner(3);
    Point c1{(p1.x + p2.x + p3.x) / 3.0, (p1.y + p2.y + p3.y) / 3.0};
    if (KN[e] != 4) {
      Gx[e] = c1.x;
      Gy[e] = c1.y;
      continue;
    }
    Point p4 = corner(4);
    Point c2{(p1.x + p3.x + p4.x) / 3.0, (p1.y + p3.y + p4.y) / 3.0};
    double a1 = triangleArea(p1.x, p1.y, p2.x, p2.y, p3.x, p3.y);
    double a2 = triangleArea(p1.x, p1.y, p3.x, p3.y, p4.x, p4.y);
    if (a1 + a2 == 0.0) {
      Gx[e] = (p1.x + p2.x + p3.x + p4.x) / 4.0;
      Gy[e] = (p1.y + p2.y + p3.y + p4.y) / 4.0;
    } else {
      Gx[e] = (c1.x * a1 + c2.x * a2) / (a1 + a2);
      Gy[e] = (c1.y * a1 + c2.y * a2) / (a1 + a2);
    }
  }
}

void AnalysisModel::Initial() {
  computeCentroids();
  rebuildFixedLevelGroups();
}

void AnalysisModel::initialAfterLoad(const std::string& file) {
  try {
    Initial();
  } catch (const common::Error& e) {
    throw common::RangeError(file + ": " + e.what());
  }
}

int AnalysisModel::getPoint(double x, double y) const {
  // One query: a scan is as fast as building an index (Convert builds one).
  int best = 0;
  double bestDistance = kFarAway;
  for (int n = 1; n <= NUMNP; ++n) {
    double d = distance(X[n], Y[n], x, y);
    if (d < bestDistance) {
      bestDistance = d;
      best = n;
    }
  }
  return best > 0 && bestDistance < kSameNode ? best : -1;
}

int AnalysisModel::countFixedNodes() const {
  int count = 0;
  for (int n = 1; n <= NUMNP; ++n)
    if (IFIXG[n] > 0) ++count;
  return count;
}

void AnalysisModel::applyFirstMeshAssignments() {
  IPAR3 = 1;
  NUMMAT = 1;
  ISTEADY = 1;
  IPAR9 = 1;
  IPAR14 = 1;
}

void AnalysisModel::applyAnalysisDialogAssignments() {
  IPAR1 = 0;
  IPAR3 = 1;
  IPAR2 = 1;
  IPAR9 = 1;
  IPAR13 = 0;
  IPAR14 = 1;
  IPAR18 = 0;
}

void AnalysisModel::applyLegacyImportAssignments() {
  IPAR3 = 1;
  MAXIT = 100;
  IPAR2 = 1;
  IPAR9 = 1;
  IPAR14 = 1;
  MAXITO = 20;
  ISOLV = 1;
}

void AnalysisModel::setSoilCurves(int m, SoilType type) {
  if (m < 1 || m > kMaterialCapacity) refuse(msg::materialOutside(m, kMaterialCapacity));
  const SoilCurves& curves = soilCurves(type);
  NKR[m] = static_cast<int32_t>(curves.kr.size());
  for (size_t k = 0; k < curves.kr.size(); ++k) {
    THKR[m][k + 1] = curves.thetaKr[k];
    KR[m][k + 1] = curves.kr[k];
  }
  NPSI[m] = static_cast<int32_t>(curves.psi.size());
  for (size_t k = 0; k < curves.psi.size(); ++k) {
    THPSI[m][k + 1] = curves.thetaPsi[k];
    PSI[m][k + 1] = curves.psi[k];
  }
}

double distance(double x1, double y1, double x2, double y2) {
  double dx = x2 - x1;
  double dy = y2 - y1;
  return std::sqrt(dx * dx + dy * dy);
}

double triangleArea(double x1, double y1, double x2, double y2, double x3, double y3) {
  double d1 = distance(x1, y1, x2, y2);
  double d2 = distance(x2, y2, x3, y3);
  double d3 = distance(x3, y3, x1, y1);
  double s = (d1 + d2 + d3) / 2.0;
  double p = s * (s - d1) * (s - d2) * (s - d3);
  return p > 0.0 ? std::sqrt(p) : 0.0;
}

bool pointInTriangle(double x1, double y1, double x2, double y2, double x3, double y3, double px,
                     double py) {
  double a = triangleArea(x1, y1, x2, y2, x3, y3);
  if (!(a > 0.0)) return false;
  double a1 = triangleArea(x2, y2, x3, y3, px, py);
  double a2 = triangleArea(x1, y1, x2, y2, px, py);
  double a3 = triangleArea(x3, y3, x1, y1, px, py);
  return std::fabs(a - (a1 + a2 + a3)) / a < 1e-10;
}

Extent nodeBounds(const AnalysisModel& model) {
  if (model.NUMNP < 1) return Extent{};
  Extent box{model.X[1], model.X[1], model.Y[1], model.Y[1]};
  for (int n = 2; n <= model.NUMNP; ++n) {
    if (model.X[n] < box.xmin) box.xmin = model.X[n];
    if (model.X[n] > box.xmax) box.xmax = model.X[n];
    if (model.Y[n] < box.ymin) box.ymin = model.Y[n];
    if (model.Y[n] > box.ymax) box.ymax = model.Y[n];
  }
  return box;
}

Extent xmaxxmin(const AnalysisModel& model, double width, double height) {
  Extent box{9999999.0, -9999999.0, 9999999.0, -9999999.0};
  for (int n = 1; n <= model.NUMNP; ++n) {
    box.xmax = std::max(box.xmax, model.X[n]);
    box.xmin = std::min(box.xmin, model.X[n]);
    box.ymax = std::max(box.ymax, model.Y[n]);
    box.ymin = std::min(box.ymin, model.Y[n]);
  }
  if (model.NUMNP < 1) box = Extent{-1.0, 1.0, -1.0, 1.0};
  double xc = (box.xmax + box.xmin) / 2.0;
  double yc = (box.ymax + box.ymin) / 2.0;
  double s = std::min(width / (box.xmax - box.xmin), height / (box.ymax - box.ymin));
  // A single node or a line of nodes has no extent in one direction: the
  // other one decides; a single point gets a unit box.
  if (!(s > 0.0) || !std::isfinite(s)) {
    double wx = box.xmax - box.xmin, wy = box.ymax - box.ymin;
    if (wx > 0.0 && std::isfinite(wx))
      s = width / wx;
    else if (wy > 0.0 && std::isfinite(wy))
      s = height / wy;
    else
      s = std::min(width, height) > 0.0 ? std::min(width, height) : 1.0;
  }
  if (!(s > 0.0) || !std::isfinite(s)) return box;
  return Extent{xc - width / s * 0.5, xc + width / s * 0.5, yc - height / s * 0.5,
                yc + height / s * 0.5};
}

}  // namespace meshcond
