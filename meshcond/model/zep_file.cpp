#include "meshcond/model/zep_file.h"

#include <algorithm>
#include <string>
#include <utility>

#include "common/errors.h"
#include "common/text_file.h"
#include "formats/line_reader.h"
#include "meshcond/model/all_or_nothing.h"
#include "meshcond/model/count_checks.h"
#include "meshcond/model/field_writer.h"
#include "meshcond/model/messages.h"

namespace meshcond {

using formats::LineReader;

namespace {

const std::string kFile = "ZEP.DAT";

constexpr bool kSplit = true;   // the reader splits this line at blanks
constexpr bool kFixed = false;  // the reader takes this line by columns
const char* const kZeroField = "       0.0";

/// The counts the file carries, within their capacities: checked before any
/// table is indexed by them.
void checkCounts(const AnalysisModel& m) {
  checkSharedCounts(kFile, m);
  checkCount(kFile, m.NSEEP, kSeepFaceCapacity, msg::field::seepFaceCount());
  for (int f = 1; f <= m.NSEEP; ++f)
    checkCount(kFile, m.NSEEPN[f], kSeepNodeCapacity, msg::field::seepNodeCount(f));
  checkCount(kFile, m.NFLUX, kFluxCapacity, msg::field::fluxCount());
  for (int b = 1; b <= m.NFLUX; ++b) {
    checkCount(kFile, m.NQN[b], kFluxNodeCapacity, msg::field::fluxNodeCount(b));
    checkCount(kFile, m.NQT[b], kFluxSeriesCapacity, msg::field::fluxSeriesLength(b));
  }
  checkCount(kFile, m.NWL1, kWellCapacity, msg::field::wellListLength(1));
  checkCount(kFile, m.NWL2, kWellCapacity, msg::field::wellListLength(2));
}

void checkListNodes(const AnalysisModel& m) {
  auto check = [&m](int node, const std::string& list, int k) {
    if (node < 1 || node > m.NUMNP)
      throw common::RangeError("ZEP.DAT: " + msg::listNodeOutside(list, k, node, m.NUMNP));
  };
  for (int f = 1; f <= m.NSEEP; ++f)
    for (int k = 1; k <= m.NSEEPN[f]; ++k) check(m.SEEPN[f][k], msg::seepageFace(f), k);
  for (int k = 1; k <= m.NRAIN; ++k) check(m.RAINN[k], msg::rainfallNodes(), k);
  for (int b = 1; b <= m.NFLUCT; ++b)
    for (int k = 1; k <= m.NFN[b]; ++k) check(loadAt(m.FLN[b], k), msg::fluctBoundary(b), k);
  for (int b = 1; b <= m.NFLUX; ++b)
    for (int k = 1; k <= m.NQN[b]; ++k) check(loadAt(m.QN[b], k), msg::fluxBoundary(b), k);
  if (m.NWL1 > 0) {
    for (int k = 1; k <= m.NWL1; ++k) check(m.WL1[k], msg::wellList(1), k);
    for (int k = 1; k <= m.NWL2; ++k) check(m.WL2[k], msg::wellList(2), k);
  }
}

void checkFixedGroups(const AnalysisModel& m) {
  for (int n = 1; n <= m.NUMNP; ++n)
    if (m.IFIXG[n] > 0 && (m.IFIXG[n] > m.NFIXWL || m.IFIXG[n] > kFixedLevelCapacity))
      throw common::RangeError("ZEP.DAT: " + msg::groupMissing(n, m.IFIXG[n], m.NFIXWL));
}

/// Reads the whole file into `m` (which the caller discards on failure).
void readInto(AnalysisModel& m, const std::vector<std::string>& lines, const std::string& file) {
  LineReader in(file, lines);
  using Layout = LineReader::Layout;
  const Layout fixed5{14, 5}, split14{14, 0}, fixedPairs{6, 10}, splitPairs{6, 0};

  const std::string& title = in.take(msg::field::title());
  if (common::hasInvalidBytes(title))
    throw common::ConversionError(common::located(in.here(), msg::titleNotCp932()));
  m.TITLE = title;

  in.take(msg::field::controlLine(1));
  auto col = [&in](int k, const char* name) { return in.columnInt(5 * k - 4, 5, name); };
  m.NUMNP = checkedCount(in, col(1, "NUMNP"), kNodeCapacity, "NUMNP");
  m.NUMEL = checkedCount(in, col(2, "NUMEL"), kElementCapacity, "NUMEL");
  m.IANAL = col(3, "IANAL");
  m.IPAR1 = col(4, "IPAR1");
  m.NUMMAT = checkedCount(in, col(5, "NUMMAT"), kMaterialCapacity, "NUMMAT");
  m.IPAR3 = col(6, "IPAR3");
  m.IFORM = col(7, "IFORM");
  m.MAXIT = col(8, "MAXIT");
  m.IPAR2 = col(9, "IPAR2");
  m.NSEEP = checkedCount(in, col(10, "NSEEP"), kSeepFaceCapacity, "NSEEP");
  m.MAXSEEP = checkedCount(in, col(11, "MAXSEEP"), kSeepNodeCapacity, "MAXSEEP");
  m.NFLUCT = checkedCount(in, col(12, "NFLUCT"), kFluctCapacity, "NFLUCT");
  m.MAXFN = checkedCount(in, col(13, "MAXFN"), kFluctNodeCapacity, "MAXFN");
  m.MAXFT = checkedCount(in, col(14, "MAXFT"), kFluctSeriesCapacity, "MAXFT");

  in.take(msg::field::controlLine(2));
  {
    auto f = in.fields(5, "NWL1, IPAR4, IPAR5, NWL2, IPAR6");
    m.NWL1 = checkedCount(in, in.fieldInt(f, 0, "NWL1"), kWellCapacity, "NWL1");
    m.IPAR4 = in.fieldInt(f, 1, "IPAR4");
    m.IPAR5 = in.fieldInt(f, 2, "IPAR5");
    m.NWL2 = checkedCount(in, in.fieldInt(f, 3, "NWL2"), kWellCapacity, "NWL2");
    m.IPAR6 = in.fieldInt(f, 4, "IPAR6");
  }

  in.take(msg::field::controlLine(3));
  m.NRAIN = checkedCount(in, col(1, "NRAIN"), kRainNodeCapacity, "NRAIN");
  m.NRTIME = checkedCount(in, col(2, "NRTIME"), kRainSeriesCapacity, "NRTIME");
  m.NFLUX = checkedCount(in, col(3, "NFLUX"), kFluxCapacity, "NFLUX");
  m.IPAR7 = col(4, "IPAR7");
  m.IPAR8 = col(5, "IPAR8");

  in.take(msg::field::controlLine(4));
  {
    const char* names[] = {"NCUL",   "NOUT",   "MAXITO", "ISTEADY", "IPAR11", "IPAR12", "IPAR9",
                           "IPAR13", "IPAR14", "IPAR15", "IPAR16",  "IPAR17", "ISOLV",  "IPAR18"};
    int* targets[] = {&m.NCUL,   &m.NOUT,   &m.MAXITO, &m.ISTEADY, &m.IPAR11, &m.IPAR12, &m.IPAR9,
                      &m.IPAR13, &m.IPAR14, &m.IPAR15, &m.IPAR16,  &m.IPAR17, &m.ISOLV,  &m.IPAR18};
    auto f = in.fields(14, msg::field::controlLine4Values());
    for (size_t k = 0; k < 14; ++k) *targets[k] = in.fieldInt(f, k, names[k]);
    checkedCount(in, m.NOUT, kOutputTimeCapacity, "NOUT");
  }

  std::vector<int32_t> counts = in.intList(2 * m.NUMMAT, split14, msg::field::curvePointCounts());
  for (int k = 1; k <= m.NUMMAT; ++k) {
    m.NKR[k] = checkedCount(in, counts[2 * k - 2], kCurvePointCapacity, "NKR: " + msg::material(k));
    m.NPSI[k] =
        checkedCount(in, counts[2 * k - 1], kCurvePointCapacity, "NPSI: " + msg::material(k));
  }

  std::vector<bool> filled(static_cast<size_t>(m.NUMEL) + 1, false);
  for (int i = 1; i <= m.NUMEL; ++i) {
    in.take(msg::field::elementLine(i));
    int e = checkedNumber(in, in.columnInt(1, 5, msg::field::elementNumber()), 1, m.NUMEL,
                          msg::field::elementNumber());
    if (filled[e]) in.fail(msg::appearsTwice(msg::element(e)));
    filled[e] = true;
    Corners corners{};
    for (int c = 1; c <= 4; ++c) {
      std::string what = msg::corner(c);
      corners[c] =
          checkedNumber(in, in.columnInt(5 * c + 1, 5, what), c == 4 ? 0 : 1, m.NUMNP, what);
    }
    m.KI[e] = corners;
    m.KN[e] = corners[4] == 0 ? 3 : 4;
    m.MAT[e] = in.columnInt(26, 5, msg::field::materialNumber());
  }

  auto nodeList = [&](int count, Layout layout, const std::string& what) {
    std::vector<int32_t> nodes = in.intList(count, layout, what);
    for (int32_t n : nodes) checkedNumber(in, n, 1, m.NUMNP, msg::field::listNodes(what));
    return nodes;
  };

  for (int f = 1; f <= m.NSEEP; ++f) {
    in.take(msg::field::seepHeaderLine(f));
    auto h = in.fields(2, msg::field::seepHeaderValues());
    m.NSEEPN[f] = checkedCount(in, in.fieldInt(h, 0, "NSEEPN"), kSeepNodeCapacity, "NSEEPN");
    m.SEEPPAR[f] = in.fieldReal(h, 1, msg::field::seepValue());
    std::vector<int32_t> nodes = nodeList(m.NSEEPN[f], fixed5, msg::seepageFace(f));
    for (int k = 1; k <= m.NSEEPN[f]; ++k) m.SEEPN[f][k] = nodes[k - 1];
  }

  if (m.NRAIN > 0) {
    in.take(msg::field::rainHeaderLine());
    auto h = in.fields(2, msg::field::rainHeaderValues());
    m.RMAX = in.fieldReal(h, 0, "RMAX");
    m.RPAR2 = in.fieldReal(h, 1, msg::field::rainValue());
    std::vector<int32_t> nodes = nodeList(m.NRAIN, fixed5, msg::field::rain());
    for (int k = 1; k <= m.NRAIN; ++k) m.RAINN[k] = nodes[k - 1];
  }
  if (m.NRTIME > 0) {
    std::vector<double> pairs =
        in.realList(2 * m.NRTIME, fixedPairs, msg::field::rainSeriesValues());
    for (int k = 1; k <= m.NRTIME; ++k) {
      m.RTIME[k] = pairs[2 * k - 2];
      m.RAIN[k] = pairs[2 * k - 1];
    }
  }

  if (m.NFLUCT > 0) {
    for (int b = 1; b <= m.NFLUCT; ++b) {
      in.take("NFN: " + msg::fluctBoundary(b));
      m.NFN[b] = checkedCount(in, in.wholeLineInt("NFN"), kFluctNodeCapacity, "NFN");
      std::vector<int32_t> nodes = nodeList(m.NFN[b], fixed5, msg::fluctBoundary(b));
      m.FLN[b].assign(1, 0);
      m.FLN[b].insert(m.FLN[b].end(), nodes.begin(), nodes.end());
    }
    std::vector<int32_t> nft = in.intList(m.NFLUCT, fixed5, "NFT");
    for (int b = 1; b <= m.NFLUCT; ++b) {
      m.NFT[b] = checkedCount(in, nft[b - 1], kFluctSeriesCapacity, "NFT: " + msg::boundary(b));
      if (b > kFluctSeriesBoundaries && m.NFT[b] > 0)
        in.fail(msg::seriesOnlyOnFirstBoundaries(b, kFluctSeriesBoundaries));
    }
    for (int b = 1; b <= m.NFLUCT; ++b) {
      std::vector<double> pairs =
          in.realList(2 * m.NFT[b], fixedPairs, msg::field::levelSeriesValues(b));
      if (b > kFluctSeriesBoundaries) continue;
      m.FTIME[b].assign(static_cast<size_t>(m.NFT[b]) + 1, 0.0);
      m.FLEV[b].assign(static_cast<size_t>(m.NFT[b]) + 1, 0.0);
      for (int k = 1; k <= m.NFT[b]; ++k) {
        m.FTIME[b][k] = pairs[2 * k - 2];
        m.FLEV[b][k] = pairs[2 * k - 1];
      }
    }
  }

  if (m.NFLUX > 0) {
    for (int b = 1; b <= m.NFLUX; ++b) {
      in.take("NQN: " + msg::fluxBoundary(b));
      m.NQN[b] = checkedCount(in, in.wholeLineInt("NQN"), kFluxNodeCapacity, "NQN");
      std::vector<int32_t> nodes = nodeList(m.NQN[b], fixed5, msg::fluxBoundary(b));
      m.QN[b].assign(1, 0);
      m.QN[b].insert(m.QN[b].end(), nodes.begin(), nodes.end());
    }
    std::vector<int32_t> nqt = in.intList(m.NFLUX, split14, "NQT");
    for (int b = 1; b <= m.NFLUX; ++b)
      m.NQT[b] = checkedCount(in, nqt[b - 1], kFluxSeriesCapacity, "NQT: " + msg::boundary(b));
    for (int b = 1; b <= m.NFLUX; ++b) {
      std::vector<double> pairs =
          in.realList(2 * m.NQT[b], splitPairs, msg::field::fluxSeriesValues(b));
      for (int k = 1; k <= m.NQT[b]; ++k) {
        m.QTIME[b][k] = pairs[2 * k - 2];
        m.QVAL[b][k] = pairs[2 * k - 1];
      }
    }
  }

  if (m.NWL1 > 0) {
    std::vector<int32_t> wells = nodeList(m.NWL1 + m.NWL2, split14, msg::field::wellLists());
    for (int k = 1; k <= m.NWL1; ++k) m.WL1[k] = wells[k - 1];
    for (int k = 1; k <= m.NWL2; ++k) m.WL2[k] = wells[m.NWL1 + k - 1];
    in.take(msg::field::wellLine());
    auto f = in.fields(4, msg::field::wellValues());
    m.WPAR1 = in.fieldReal(f, 0, msg::field::wellValue(1));
    m.WPAR2 = in.fieldReal(f, 1, msg::field::wellValue(2));
    m.WPAR3 = in.fieldReal(f, 2, msg::field::wellValue(3));
    m.WPAR4 = in.fieldReal(f, 3, msg::field::wellValue(4));
  }

  in.take(msg::field::timeControlLine());
  {
    auto f = in.fields(7, "DT, DTMAX, DMUL, TMAX, TOL, TSOLV, ITMAX");
    m.DT = in.fieldReal(f, 0, "DT");
    m.DTMAX = in.fieldReal(f, 1, "DTMAX");
    m.DMUL = in.fieldReal(f, 2, "DMUL");
    m.TMAX = in.fieldReal(f, 3, "TMAX");
    m.TOL = in.fieldReal(f, 4, "TOL");
    m.TSOLV = in.fieldReal(f, 5, "TSOLV");
    m.ITMAX = in.fieldInt(f, 6, "ITMAX");
  }

  std::vector<double> times = in.realList(m.NOUT, Layout{7, 0}, msg::field::outputTimes());
  for (int k = 1; k <= m.NOUT; ++k) m.TOUT[k] = times[k - 1];

  for (int k = 1; k <= m.NUMMAT; ++k) {
    in.take(msg::field::materialLine(k));
    m.KH[k] = in.columnReal(1, 10, "KH");
    m.KV[k] = in.columnReal(11, 10, "KV");
    m.POIS[k] = in.columnReal(21, 10, "POIS");
    m.SS[k] = in.columnReal(31, 10, "SS");
    m.MPAR5[k] = in.columnReal(41, 10, msg::field::materialValue(5));
    m.MPAR6[k] = in.columnReal(51, 10, msg::field::materialValue(6));
  }

  for (int k = 1; k <= m.NUMMAT; ++k) {
    std::vector<double> kr =
        in.realList(2 * m.NKR[k], splitPairs, msg::field::conductivityCurveValues(k));
    for (int p = 1; p <= m.NKR[k]; ++p) {
      m.THKR[k][p] = kr[2 * p - 2];
      m.KR[k][p] = kr[2 * p - 1];
    }
    std::vector<double> psi =
        in.realList(2 * m.NPSI[k], splitPairs, msg::field::suctionCurveValues(k));
    for (int p = 1; p <= m.NPSI[k]; ++p) {
      m.THPSI[k][p] = psi[2 * p - 2];
      m.PSI[k][p] = psi[2 * p - 1];
    }
  }

  std::vector<bool> seen(static_cast<size_t>(m.NUMNP) + 1, false);
  for (int i = 1; i <= m.NUMNP; ++i) {
    in.take(msg::field::nodeLine(i));
    auto f = in.fields(6, msg::field::nodeLineValues());
    int n = checkedNumber(in, in.fieldInt(f, 0, msg::field::nodeNumber()), 1, m.NUMNP,
                          msg::field::nodeNumber());
    if (seen[n]) in.fail(msg::appearsTwice(msg::node(n)));
    seen[n] = true;
    m.KODE[n] = in.fieldInt(f, 1, "KODE");
    m.X[n] = in.fieldReal(f, 2, "X");
    m.Y[n] = in.fieldReal(f, 3, "Y");
    m.H[n] = in.fieldReal(f, 4, "H");
    m.Q[n] = in.fieldReal(f, 5, "Q");
  }
}

}  // namespace

void prepareZepDat(AnalysisModel& model) {
  // Every check comes before the first change.
  AnalysisModel& m = model;
  int largestMaterial = 0;
  for (int e = 1; e <= m.NUMEL && e <= kElementCapacity; ++e)
    largestMaterial = std::max(largestMaterial, static_cast<int>(m.MAT[e]));
  if (largestMaterial > kMaterialCapacity)
    throw common::RangeError(msg::aboveLimit("ZEP.DAT", msg::field::materialNumber(),
                                             largestMaterial, kMaterialCapacity));
  checkCounts(m);
  checkListNodes(m);
  checkFixedGroups(m);
  m.deriveNUMMAT();
  m.deriveMaxCounts();
  m.deriveNodeCodes();
  m.deriveRMAX();
  m.IPAR15 = 0;
  m.IPAR16 = 0;
  m.IPAR17 = 0;
  m.ISOLV = 1;
  m.IPAR18 = 0;
  m.TSOLV = 1.0e-8;
}

std::vector<std::string> zepDatLines(const AnalysisModel& m) {
  checkCounts(m);
  if (m.NUMMAT > kMaterialCapacity)
    throw common::RangeError(
        msg::aboveLimit("ZEP.DAT", msg::field::materialCount(), m.NUMMAT, kMaterialCapacity));
  if (m.TITLE.find('\n') != std::string::npos)
    throw common::RangeError(msg::titleOneLine("ZEP.DAT"));
  FieldWriter w("ZEP.DAT");
  w.line(m.TITLE);

  auto ints = [&w](bool split, std::initializer_list<std::pair<long long, const char*>> values) {
    w.begin(split);
    for (const auto& [value, name] : values) w.i(value, 5, name);
    w.end();
  };
  ints(kFixed, {{m.NUMNP, "NUMNP"},
                {m.NUMEL, "NUMEL"},
                {m.IANAL, "IANAL"},
                {m.IPAR1, "IPAR1"},
                {m.NUMMAT, "NUMMAT"},
                {m.IPAR3, "IPAR3"},
                {m.IFORM, "IFORM"},
                {m.MAXIT, "MAXIT"},
                {m.IPAR2, "IPAR2"},
                {m.NSEEP, "NSEEP"},
                {m.MAXSEEP, "MAXSEEP"},
                {m.NFLUCT, "NFLUCT"},
                {m.MAXFN, "MAXFN"},
                {m.MAXFT, "MAXFT"}});
  ints(kSplit, {{m.NWL1, "NWL1"},
                {m.IPAR4, "IPAR4"},
                {m.IPAR5, "IPAR5"},
                {m.NWL2, "NWL2"},
                {m.IPAR6, "IPAR6"}});
  ints(kFixed, {{m.NRAIN, "NRAIN"},
                {m.NRTIME, "NRTIME"},
                {m.NFLUX, "NFLUX"},
                {m.IPAR7, "IPAR7"},
                {m.IPAR8, "IPAR8"}});
  ints(kSplit, {{m.NCUL, "NCUL"},
                {m.NOUT, "NOUT"},
                {m.MAXITO, "MAXITO"},
                {m.ISTEADY, "ISTEADY"},
                {m.IPAR11, "IPAR11"},
                {m.IPAR12, "IPAR12"},
                {m.IPAR9, "IPAR9"},
                {m.IPAR13, "IPAR13"},
                {m.IPAR14, "IPAR14"},
                {m.IPAR15, "IPAR15"},
                {m.IPAR16, "IPAR16"},
                {m.IPAR17, "IPAR17"},
                {m.ISOLV, "ISOLV"},
                {m.IPAR18, "IPAR18"}});

  w.list(2 * m.NUMMAT, 14, kSplit, [&](int k) {
    int mat = (k + 1) / 2;
    if (k % 2 == 1)
      w.i(m.NKR[mat], 5, {msg::item::nkr(), mat});
    else
      w.i(m.NPSI[mat], 5, {msg::item::npsi(), mat});
  });

  for (int e = 1; e <= m.NUMEL; ++e) {
    w.begin(kFixed);
    w.i(e, 5, {msg::item::elementNumber(), e});
    for (int c = 1; c <= 4; ++c) w.i(m.KI[e][c], 5, {msg::item::elementCorner(), e, c});
    w.i(m.MAT[e], 5, {msg::item::elementMaterial(), e});
    w.text(kZeroField);
    w.end();
  }

  for (int f = 1; f <= m.NSEEP; ++f) {
    w.begin(kSplit);
    w.i(m.NSEEPN[f], 5, "NSEEPN: " + msg::seepageFace(f));
    w.text(kZeroField);
    w.end();
    w.list(m.NSEEPN[f], 14, kFixed, [&](int k) {
      w.i(m.SEEPN[f][k], 5, {msg::item::seepNode(), f, k});
    });
  }

  if (m.NRAIN > 0) {
    w.begin(kSplit);
    w.e(m.RMAX, 10, 3, "RMAX");
    w.e(m.RPAR2, 10, 3, msg::field::rainValue(2));
    w.end();
    w.list(m.NRAIN, 14, kFixed, [&](int k) { w.i(m.RAINN[k], 5, {msg::item::rainNode(), k}); });
  }
  w.list(m.NRTIME, 3, kFixed, [&](int k) {
    w.f(m.RTIME[k], 10, 3, {msg::item::rainTime(), k});
    w.e(m.RAIN[k], 10, 3, {msg::item::rainIntensity(), k});
  });

  if (m.NFLUCT > 0) {
    for (int b = 1; b <= m.NFLUCT; ++b) {
      w.begin(kFixed);
      w.i(m.NFN[b], 5, "NFN: " + msg::fluctBoundary(b));
      w.end();
      w.list(m.NFN[b], 14, kFixed, [&](int k) {
        w.i(loadAt(m.FLN[b], k), 5, {msg::item::fluctNode(), b, k});
      });
    }
    w.list(m.NFLUCT, 14, kFixed, [&](int b) {
      w.i(m.NFT[b], 5, {msg::item::fluctSeriesLength(), b});
    });
    for (int b = 1; b <= m.NFLUCT; ++b) {
      w.list(m.NFT[b], 3, kFixed, [&](int k) {
        w.f(loadAt(m.FTIME[b], k), 10, 3, {msg::item::levelPointTime(), b, k});
        w.f(loadAt(m.FLEV[b], k), 10, 3, {msg::item::levelPointLevel(), b, k});
      });
    }
  }

  if (m.NFLUX > 0) {
    for (int b = 1; b <= m.NFLUX; ++b) {
      w.begin(kFixed);
      w.i(m.NQN[b], 5, "NQN: " + msg::fluxBoundary(b));
      w.end();
      w.list(m.NQN[b], 14, kFixed, [&](int k) {
        w.i(loadAt(m.QN[b], k), 5, {msg::item::fluxNode(), b, k});
      });
    }
    w.list(m.NFLUX, 14, kSplit, [&](int b) {
      w.i(m.NQT[b], 5, {msg::item::fluxSeriesLength(), b});
    });
    for (int b = 1; b <= m.NFLUX; ++b) {
      w.list(m.NQT[b], 3, kSplit, [&](int k) {
        w.f(m.QTIME[b][k], 10, 3, {msg::item::fluxPointTime(), b, k});
        w.f(m.QVAL[b][k], 10, 3, {msg::item::fluxPointValue(), b, k});
      });
    }
  }

  if (m.NWL1 > 0) {
    w.list(m.NWL1 + m.NWL2, 14, kSplit, [&](int k) {
      if (k <= m.NWL1)
        w.i(m.WL1[k], 5, {msg::item::wellNode(1), k});
      else
        w.i(m.WL2[k - m.NWL1], 5, {msg::item::wellNode(2), k - m.NWL1});
    });
    w.begin(kSplit);
    w.f(m.WPAR1, 10, 3, msg::field::wellValue(1));
    w.f(m.WPAR2, 10, 3, msg::field::wellValue(2));
    w.e(m.WPAR3, 10, 3, msg::field::wellValue(3));
    w.f(m.WPAR4, 10, 3, msg::field::wellValue(4));
    w.end();
  }

  w.begin(kSplit);
  w.f(m.DT, 10, 4, "DT");
  w.f(m.DTMAX, 10, 3, "DTMAX");
  w.f(m.DMUL, 10, 3, "DMUL");
  w.f(m.TMAX, 10, 3, "TMAX");
  w.e(m.TOL, 10, 3, "TOL");
  w.e(m.TSOLV, 10, 3, "TSOLV");
  w.i(m.ITMAX, 5, "ITMAX");
  w.end();

  w.list(m.NOUT, 7, kSplit, [&](int k) { w.f(m.TOUT[k], 10, 3, {msg::item::outputTime(), k}); });

  for (int k = 1; k <= m.NUMMAT; ++k) {
    std::string item = msg::material(k);
    w.begin(kFixed);
    w.e(m.KH[k], 10, 4, item + " KH");
    w.e(m.KV[k], 10, 4, item + " KV");
    w.f(m.POIS[k], 10, 3, item + " POIS");
    w.e(m.SS[k], 10, 3, item + " SS");
    w.f(m.MPAR5[k], 10, 3, msg::field::materialValueOf(k, 5));
    w.f(m.MPAR6[k], 10, 3, msg::field::materialValueOf(k, 6));
    w.end();
  }

  for (int k = 1; k <= m.NUMMAT; ++k) {
    w.list(m.NKR[k], 3, kSplit, [&](int p) {
      w.f(m.THKR[k][p], 10, 3, {msg::item::conductivityPointTheta(), k, p});
      w.f(m.KR[k][p], 10, 3, {msg::item::conductivityPointValue(), k, p});
    });
    w.list(m.NPSI[k], 3, kSplit, [&](int p) {
      w.f(m.THPSI[k][p], 10, 3, {msg::item::suctionPointTheta(), k, p});
      w.f(m.PSI[k][p], 10, 3, {msg::item::suctionPointSuction(), k, p});
    });
  }

  for (int n = 1; n <= m.NUMNP; ++n) {
    w.begin(kSplit);
    w.i(n, 5, {msg::item::nodeNumber(), n});
    w.i(m.KODE[n], 5, {msg::item::nodeValue(" KODE"), n});
    w.f(m.X[n], 10, 3, {msg::item::nodeValue(" X"), n});
    w.f(m.Y[n], 10, 3, {msg::item::nodeValue(" Y"), n});
    w.f(m.H[n], 10, 3, {msg::item::nodeValue(" H"), n});
    w.f(m.Q[n], 10, 3, {msg::item::nodeValue(" Q"), n});
    w.end();
  }
  for (int k = 0; k < 3; ++k) w.line("");
  return w.take();
}

void writeZepDat(AnalysisModel& model, const std::string& path) {
  changeAllOrNothing(model, [&](AnalysisModel& prepared) {
    prepareZepDat(prepared);
    common::writeTextLines(path, zepDatLines(prepared));
  });
}

void readZepDatLines(AnalysisModel& model, const std::vector<std::string>& lines,
                     const std::string& file) {
  changeAllOrNothing(model, [&](AnalysisModel& next) { readInto(next, lines, file); });
}

void readZepDat(AnalysisModel& model, const std::string& path) {
  readZepDatLines(model, common::readTextLines(path), path);
}

void openZepDat(AnalysisModel& model, const std::string& path) {
  std::vector<std::string> lines = common::readTextLines(path);
  changeAllOrNothing(model, [&](AnalysisModel& next) {
    readInto(next, lines, path);
    next.DirName = common::folderOf(path);
    next.initialAfterLoad(path);
  });
}

}  // namespace meshcond
