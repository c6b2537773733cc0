#include "meshcond/model/legacy_file.h"

#include <string>
#include <utility>

#include "common/errors.h"
#include "common/numbers.h"
#include "common/text_file.h"
#include "formats/line_reader.h"
#include "meshcond/model/all_or_nothing.h"
#include "meshcond/model/messages.h"

namespace meshcond {

using formats::checkedCount;
using formats::checkedNumber;

namespace {

/// The old form's numbers: tokens separated by blanks, tabs and line ends
/// only, from line 2 on; "skip the rest of the line" goes on at the start of
/// the line after the one that held the last token.
/// Kept apart from formats::LineReader: the old form's values run on across line ends.
class TokenReader {
 public:
  TokenReader(std::string file, const std::vector<std::string>& lines)
      : file_(std::move(file)), lines_(lines) {}

  int32_t integer(const std::string& what) {
    std::string token = next(what);
    if (auto value = common::parseInt(token)) return *value;
    throw common::ConversionError(common::located(here(), msg::notInteger(what, token)));
  }

  double real(const std::string& what) {
    std::string token = next(what);
    if (auto value = common::parseReal(token)) return *value;
    throw common::ConversionError(common::located(here(), msg::notReal(what, token)));
  }

  int count(int capacity, const std::string& what) {
    return checkedCount(*this, integer(what), capacity, what);
  }

  int number(int low, int high, const std::string& what) {
    return checkedNumber(*this, integer(what), low, high, what);
  }

  void skipRestOfLine() {
    line_ = tokenLine_ + 1;
    pos_ = 0;
  }

  [[noreturn]] void fail(const std::string& what) const {
    throw common::RangeError(common::located(here(), what));
  }

 private:
  common::Location here() const { return {file_, static_cast<long>(tokenLine_ + 1), 0}; }

  static bool separates(char c) { return c == ' ' || c == '\t'; }

  std::string next(const std::string& what) {
    while (line_ < lines_.size()) {
      const std::string& text = lines_[line_];
      while (pos_ < text.size() && separates(text[pos_])) ++pos_;
      if (pos_ < text.size()) {
        size_t start = pos_;
        while (pos_ < text.size() && !separates(text[pos_])) ++pos_;
        tokenLine_ = line_;
        return text.substr(start, pos_ - start);
      }
      ++line_;
      pos_ = 0;
    }
    throw common::MissingError(msg::fileEndsBefore(file_, what));
  }

  std::string file_;
  const std::vector<std::string>& lines_;
  size_t line_ = 1;  // tokens start on line 2 (index 1)
  size_t pos_ = 0;
  size_t tokenLine_ = 0;
};

void readInto(AnalysisModel& m, const std::vector<std::string>& lines, const std::string& file) {
  if (lines.empty())
    throw common::MissingError(
        common::located({file, 1, 0}, msg::fileEndsExpecting(msg::field::title())));
  if (common::hasInvalidBytes(lines[0]))
    throw common::ConversionError(common::located({file, 1, 0}, msg::titleNotCp932()));
  m.TITLE = lines[0];

  TokenReader in(file, lines);
  m.NUMNP = in.count(kNodeCapacity, "NUMNP");
  m.NUMEL = in.count(kElementCapacity, "NUMEL");
  m.IANAL = in.integer("IANAL");
  in.integer(msg::field::controlValue(4));
  m.NUMMAT = in.count(kMaterialCapacity, "NUMMAT");
  in.integer(msg::field::controlValue(6));
  m.IFORM = in.integer("IFORM");
  m.MAXIT = in.integer("MAXIT");
  in.integer(msg::field::controlValue(9));
  m.NSEEP = in.count(kSeepFaceCapacity, "NSEEP");
  m.MAXSEEP = in.count(kSeepNodeCapacity, "MAXSEEP");
  m.NFLUCT = in.count(kFluctCapacity, "NFLUCT");
  m.MAXFN = in.count(kFluctNodeCapacity, "MAXFN");
  m.MAXFT = in.count(kFluctSeriesCapacity, "MAXFT");
  in.skipRestOfLine();

  for (int k = 1; k <= 5; ++k) in.integer(msg::field::secondGroupValue(k));
  in.skipRestOfLine();

  m.NRAIN = in.count(kRainNodeCapacity, "NRAIN");
  m.NRTIME = in.count(kRainSeriesCapacity, "NRTIME");
  in.skipRestOfLine();

  m.NCUL = in.integer("NCUL");
  m.NOUT = in.count(kOutputTimeCapacity, "NOUT");
  m.MAXITO = in.integer("MAXITO");
  m.ISTEADY = in.integer("ISTEADY");
  in.integer(msg::field::fourthGroupValue(5));
  in.integer(msg::field::fourthGroupValue(6));
  m.IPAR9 = in.integer("IPAR9");
  m.IPAR10 = in.integer("IPAR10");
  in.skipRestOfLine();

  for (int k = 1; k <= m.NUMMAT; ++k) {
    m.NKR[k] = in.count(kCurvePointCapacity, "NKR: " + msg::material(k));
    m.NPSI[k] = in.count(kCurvePointCapacity, "NPSI: " + msg::material(k));
  }

  std::vector<bool> filled(static_cast<size_t>(m.NUMEL) + 1, false);
  for (int i = 1; i <= m.NUMEL; ++i) {
    int e = in.number(1, m.NUMEL, msg::field::elementRecordNumber(i));
    if (filled[e]) in.fail(msg::appearsTwice(msg::element(e)));
    filled[e] = true;
    Corners corners{};
    for (int c = 1; c <= 4; ++c)
      corners[c] = in.number(c == 4 ? 0 : 1, m.NUMNP, msg::element(e) + ": " + msg::corner(c));
    m.KI[e] = corners;
    m.KN[e] = corners[4] == 0 ? 3 : 4;
    m.MAT[e] = in.integer(msg::field::elementMaterial(e));
    in.real(msg::field::elementReal(e));
  }

  for (int f = 1; f <= m.NSEEP; ++f) {
    m.NSEEPN[f] = in.count(kSeepNodeCapacity, "NSEEPN: " + msg::seepageFace(f));
    for (int k = 1; k <= m.NSEEPN[f]; ++k)
      m.SEEPN[f][k] = in.number(1, m.NUMNP, msg::seepageFace(f) + " " + msg::node(k));
  }

  if (m.NRAIN > 0) {
    in.real(msg::field::rainValue(1));
    in.real(msg::field::rainValue(2));
    in.skipRestOfLine();
    for (int k = 1; k <= m.NRAIN; ++k) m.RAINN[k] = in.number(1, m.NUMNP, msg::field::rainNode(k));
    for (int k = 1; k <= m.NRTIME; ++k) {
      m.RTIME[k] = in.real(msg::text(msg::item::rainTime(), k));
      m.RAIN[k] = in.real(msg::text(msg::item::rainIntensity(), k));
    }
  }

  if (m.NFLUCT > 0) {
    for (int b = 1; b <= m.NFLUCT; ++b) {
      std::string item = msg::fluctBoundary(b);
      m.NFN[b] = in.count(kFluctNodeCapacity, msg::field::fluctNodeCountOf(b));
      m.FLN[b].assign(static_cast<size_t>(m.NFN[b]) + 1, 0);
      for (int k = 1; k <= m.NFN[b]; ++k)
        m.FLN[b][k] = in.number(1, m.NUMNP, item + " " + msg::node(k));
    }
    for (int b = 1; b <= m.NFLUCT; ++b) {
      m.NFT[b] = in.count(kFluctSeriesCapacity, "NFT: " + msg::fluctBoundary(b));
      if (b > kFluctSeriesBoundaries && m.NFT[b] > 0)
        in.fail(msg::seriesOnlyOnFirstBoundaries(b, kFluctSeriesBoundaries));
    }
    for (int b = 1; b <= m.NFLUCT; ++b) {
      if (m.NFT[b] == 0) continue;
      m.FTIME[b].assign(static_cast<size_t>(m.NFT[b]) + 1, 0.0);
      m.FLEV[b].assign(static_cast<size_t>(m.NFT[b]) + 1, 0.0);
      for (int k = 1; k <= m.NFT[b]; ++k) {
        m.FTIME[b][k] = in.real(msg::text(msg::item::levelPointTime(), b, k));
        m.FLEV[b][k] = in.real(msg::text(msg::item::levelPointLevel(), b, k));
      }
    }
  }

  m.DT = in.real("DT");
  m.DTMAX = in.real("DTMAX");
  m.DMUL = in.real("DMUL");
  m.TMAX = in.real("TMAX");
  m.TOL = in.real("TOL");
  in.skipRestOfLine();

  for (int k = 1; k <= m.NOUT; ++k) m.TOUT[k] = in.real(msg::text(msg::item::outputTime(), k));

  for (int k = 1; k <= m.NUMMAT; ++k) {
    std::string item = msg::material(k);
    m.KH[k] = in.real(item + " KH");
    m.KV[k] = in.real(item + " KV");
    m.POIS[k] = in.real(item + " POIS");
    m.SS[k] = in.real(item + " SS");
    in.real(msg::field::materialValueOf(k, 5));
    in.real(msg::field::materialValueOf(k, 6));
    in.skipRestOfLine();
  }

  for (int k = 1; k <= m.NUMMAT; ++k) {
    std::string item = msg::material(k);
    for (int p = 1; p <= m.NKR[k]; ++p) {
      m.THKR[k][p] = in.real(msg::text(msg::item::conductivityPointTheta(), k, p));
      m.KR[k][p] = in.real(msg::text(msg::item::conductivityPointValue(), k, p));
    }
    for (int p = 1; p <= m.NPSI[k]; ++p) {
      m.THPSI[k][p] = in.real(msg::text(msg::item::suctionPointTheta(), k, p));
      m.PSI[k][p] = in.real(msg::text(msg::item::suctionPointSuction(), k, p));
    }
  }

  std::vector<bool> seen(static_cast<size_t>(m.NUMNP) + 1, false);
  for (int i = 1; i <= m.NUMNP; ++i) {
    int n = in.number(1, m.NUMNP, msg::field::nodeRecordNumber(i));
    if (seen[n]) in.fail(msg::appearsTwice(msg::node(n)));
    seen[n] = true;
    std::string item = msg::node(n);
    m.KODE[n] = in.integer(item + " KODE");
    m.X[n] = in.real(item + " X");
    m.Y[n] = in.real(item + " Y");
    m.H[n] = in.real(item + " H");
    m.Q[n] = in.real(item + " Q");
    in.skipRestOfLine();
  }
}

}  // namespace

void importLegacyLines(AnalysisModel& model, const std::vector<std::string>& lines,
                       const std::string& file) {
  changeAllOrNothing(model, [&](AnalysisModel& next) {
    readInto(next, lines, file);
    next.applyLegacyImportAssignments();
    next.initialAfterLoad(file);
  });
}

void importLegacy(AnalysisModel& model, const std::string& path) {
  importLegacyLines(model, common::readTextLines(path), path);
}

}  // namespace meshcond
