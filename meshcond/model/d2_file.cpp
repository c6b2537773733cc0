#include "meshcond/model/d2_file.h"

#include <string>

#include "common/errors.h"
#include "common/file_group.h"
#include "common/text_file.h"
#include "meshcond/model/count_checks.h"
#include "meshcond/model/field_writer.h"
#include "meshcond/model/messages.h"

namespace meshcond {

namespace {

const std::string kFile = "D2.DAT";

std::string num(long long value) { return std::to_string(value); }

constexpr bool kFixed = false;  // D2.DAT is read by columns: only the width counts

// Colour codes of materials 1..40, written as they stand.
constexpr long long kMaterialColours[] = {
    255,      1270518,  65535,   65280,    16776960, 16711680, 5444229,  167711935,
    3231357,  5592801,  5019114, 4571361,  5419858,  12817230, 10580576, 11621252,
    10770882, 4418730,  8421611, 7319281,  6411755,  8113531,  14135669, 12620414,
    13334645, 12812503, 5670847, 2829271,  2719203,  2730967,  2726441,  11498535,
    8474946,  9907814,  8795054, 31666870, 11185141, 9619192,  8252149,  10806948};
constexpr int kColourCount = sizeof kMaterialColours / sizeof kMaterialColours[0];

void checkCounts(const AnalysisModel& m) {
  checkSharedCounts(kFile, m);
  checkCount(kFile, m.NUMMAT, kColourCount, msg::field::materialCount());
}

void soilBlock(FieldWriter& w, SoilType type, const char* label, const char* limits) {
  const SoilCurves& c = soilCurves(type);
  w.line(std::string("    0    2    0 '") + label + "   '");
  w.line("   21");
  w.list(21, 5, kFixed, [&](int k) {
    w.e(c.thetaKr[k - 1], 10, 3, msg::field::soilConductivityPoint(soilLetter(type), k));
    w.e(c.kr[k - 1], 10, 3, msg::field::soilConductivityPoint(soilLetter(type), k));
  });
  w.line("   16");
  w.list(16, 5, kFixed, [&](int k) {
    w.e(c.thetaPsi[k - 1], 10, 3, msg::field::soilSuctionPoint(soilLetter(type), k));
    w.e(c.psi[k - 1], 10, 3, msg::field::soilSuctionPoint(soilLetter(type), k));
  });
  w.line("    0");
  w.line("    0");
  w.line(limits);
  w.line("    0       0.0       0.0      20.0 1.0000e-3");
}

}  // namespace

std::vector<std::string> d2DatLines(const AnalysisModel& m) {
  checkCounts(m);
  if (m.TITLE.find('\n') != std::string::npos)
    throw common::RangeError(msg::titleOneLine("D2.DAT"));
  FieldWriter w("D2.DAT");
  w.line("");
  w.line("$$TITLE$$     //=====  タイトル  =====//");
  w.line(m.TITLE);
  w.line("");

  w.line("$$MESH$$     //=====  メッシュ  =====//");
  w.line(" ");
  w.begin(kFixed);
  w.i(m.NUMEL, 5, "NUMEL");
  w.i(m.NUMNP, 5, "NUMNP");
  w.end();
  for (int e = 1; e <= m.NUMEL; ++e) {
    w.begin(kFixed);
    w.i(e, 5, msg::field::elementNumber());
    for (int c = 1; c <= 4; ++c) w.i(m.KI[e][c], 5, {msg::item::elementCorner(), e, c});
    w.end();
  }
  for (int n = 1; n <= m.NUMNP; ++n) {
    w.begin(kFixed);
    w.i(n, 5, msg::field::nodeNumber());
    w.f(m.X[n], 10, 3, {msg::item::nodeValue(" X"), n});
    w.f(m.Y[n], 10, 3, {msg::item::nodeValue(" Y"), n});
    w.end();
  }
  w.line("");

  w.line("$$CALC_CONDITION$$");
  w.begin(kFixed);
  w.i(m.IANAL, 5, "IANAL");
  w.text("    0");
  w.i(m.ISTEADY, 5, "ISTEADY");
  w.i(m.ISOLV, 5, "ISOLV");
  w.end();
  w.begin(kFixed);
  w.e(m.TSOLV, 15, 4, "TSOLV");
  w.i(m.ITMAX, 5, "ITMAX");
  w.end();
  w.begin(kFixed);
  w.e(m.TOL, 15, 4, "TOL");
  w.i(m.MAXIT, 5, "MAXIT");
  w.i(m.NCUL, 5, "NCUL");
  w.end();
  w.begin(kFixed);
  w.e(m.DT, 15, 4, "DT");
  w.e(m.DTMAX, 15, 4, "DTMAX");
  w.e(m.DMUL, 15, 4, "DMUL");
  w.e(m.TMAX, 15, 4, "TMAX");
  w.end();
  w.line("    0 \"" + std::string(10, ' ') + "\" \"" + std::string(80, ' ') + "\"");
  w.begin(kFixed);
  w.i(m.NOUT, 5, "NOUT");
  w.end();
  w.list(m.NOUT, 6, kFixed, [&](int k) {
    w.f(m.TOUT[k], 15, 3, {msg::item::outputTime(), k});
    w.text(" 10");
  });
  w.line("      1.0000e+0   20    3");
  w.line("");

  w.line("$$MATERIAL$$     //===== 材質 =====//");
  w.begin(kFixed);
  w.i(m.NUMMAT, 5, "NUMMAT");
  w.end();
  for (int k = 1; k <= m.NUMMAT; ++k) {
    std::string item = msg::material(k);
    w.begin(kFixed);
    w.i(kMaterialColours[k - 1], 10, msg::field::materialColour(k));
    w.e(m.KH[k] / 3600.0, 15, 4, msg::field::materialPermeabilityPerSecond(k, "KH"));
    w.e(m.KV[k] / 3600.0, 15, 4, msg::field::materialPermeabilityPerSecond(k, "KV"));
    w.e(m.SS[k], 15, 4, item + " SS");
    w.f(m.MPAR5[k], 10, 3, msg::field::materialValueOf(k, 5));
    w.f(1.8, 10, 3, msg::field::materialConstant(k));
    switch (soilTypeOf(m.THPSI[k][1])) {
      case SoilType::Gravel:
        w.text("    1    1");
        break;
      case SoilType::Clay:
        w.text("    3    3");
        break;
      case SoilType::Sand:
        w.text("    2    2");
        break;
    }
    w.text(" \"材料" + num(k) + "       \"");
    w.end();
  }
  w.line("");

  w.line("$$MESHMAT$$     //===== 材料の材質番号 =====//");
  w.begin(kFixed);
  w.i(m.NUMEL, 5, "NUMEL");
  w.end();
  for (int e = 1; e <= m.NUMEL; ++e) {
    w.begin(kFixed);
    w.i(e, 5, msg::field::elementNumber());
    w.i(e, 5, msg::field::elementNumber());
    w.i(m.MAT[e], 5, {msg::item::elementMaterial(), e});
    w.end();
  }
  w.line("");

  w.line("$$UNSATURATION_CHARACTER$$     //===== 不飽和特性 =====//");
  w.line("    3");
  const char* sandLimits = "       0.0       0.0  100  100       0.0       0.2      0.0000E+0";
  soilBlock(w, SoilType::Gravel, "礫質土・砂質土", sandLimits);
  soilBlock(w, SoilType::Sand, "砂質土[SF]", sandLimits);
  soilBlock(w, SoilType::Clay, "粘性土[M,C]",
            "       0.0       0.0  100  100       0.0       0.1      0.0000E+0");
  w.line("");

  w.line("$$INIT_WATER_LEVEL$$     //===== 初期水位 =====//");
  w.line("    2");
  {
    Extent box = nodeBounds(m);
    double level = 0.0;
    if (m.NUMNP > 0) {
      level = m.H[1];
      for (int n = 1; n <= m.NUMNP; ++n) {
        if (m.KODE[n] == 0) {
          level = m.H[n];
          break;
        }
      }
    }
    w.begin(kFixed);
    w.f(box.xmin, 10, 3, "xmin");
    w.f(level, 10, 3, msg::field::initialLevel());
    w.f(box.xmax, 10, 3, "xmax");
    w.f(level, 10, 3, msg::field::initialLevel());
    w.end();
  }
  w.line("");

  w.line("$$SEEPAGE_SURFACE$$     //===== 浸出点 =====//");
  w.line("    0");
  w.line("");

  w.line("$$WL_FIX$$     //===== 水位固定 =====//");
  w.begin(kFixed);
  w.i(m.countFixedNodes(), 5, msg::field::fixedNodeCount());
  w.end();
  for (int n = 1; n <= m.NUMNP; ++n) {
    if (m.IFIXG[n] <= 0) continue;
    w.begin(kFixed);
    w.text("    1");
    w.f(m.H[n], 10, 3, {msg::item::nodeFixedLevel(), n});
    w.end();
    w.begin(kFixed);
    w.i(n, 5, msg::field::fixedNode());
    w.end();
  }
  w.line("");

  w.line("$$WL_FLUCTUATION$$     //===== 水位変動 =====//");
  w.begin(kFixed);
  w.i(m.NFLUCT, 5, "NFLUCT");
  w.end();
  for (int b = 1; b <= m.NFLUCT; ++b) {
    std::string item = msg::fluctBoundary(b);
    w.begin(kFixed);
    w.i(m.NFN[b], 5, item + " NFN");
    w.i(m.NFT[b], 5, item + " NFT");
    w.end();
    w.list(m.NFN[b], 20, kFixed, [&](int k) {
      w.i(loadAt(m.FLN[b], k), 5, {msg::item::fluctNode(), b, k});
    });
    w.list(m.NFT[b], 5, kFixed, [&](int k) {
      w.f(loadAt(m.FTIME[b], k), 10, 3, {msg::item::fluctTime(), b, k});
      w.f(loadAt(m.FLEV[b], k), 10, 3, {msg::item::fluctLevel(), b, k});
    });
  }
  w.line("");

  w.line("$$FL_FIX$$     //===== 流量固定 =====//");
  w.line("    0");
  w.line("");
  w.line("$$FL_FLUCTUATION$$     //===== 流量変動 =====//");
  w.line("    0");
  w.line("");

  w.line("$$RAINFALL$$     //===== 降雨 =====//");
  w.begin(kFixed);
  w.text(m.NRAIN >= 1 ? "    1" : "    0");
  w.f(m.RMAX, 10, 4, "RMAX");
  w.end();
  w.begin(kFixed);
  w.i(m.NRAIN, 5, "NRAIN");
  w.end();
  w.list(m.NRAIN, 20, kFixed, [&](int k) { w.i(m.RAINN[k], 5, {msg::item::rainNode(), k}); });
  w.begin(kFixed);
  w.i(m.NRTIME, 5, "NRTIME");
  w.end();
  w.list(m.NRTIME, 5, kFixed, [&](int k) {
    w.f(m.RTIME[k], 10, 3, {msg::item::rainTime(), k});
    w.f(m.RAIN[k] * 1000.0, 10, 3, {msg::item::rainIntensityMmPerHour(), k});
  });
  return w.take();
}

bool writeD2Dat(const AnalysisModel& model, const std::string& path) {
  std::vector<common::GroupFile> files;
  std::string bytes = common::encodeLines(d2DatLines(model));
  std::string marker = common::joinPath(common::folderOf(path), kMarkerName);
  bool writeMarker = !common::pathExists(marker);
  if (writeMarker) files.push_back({marker, common::encodeLines({"     "})});
  files.push_back({path, std::move(bytes)});
  common::writeFileGroup(files);
  return writeMarker;
}

}  // namespace meshcond
