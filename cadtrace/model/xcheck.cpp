// Cutting every pair of crossing lines: XCheck and the grid of line boxes that
// lets it look only at the lines that can cross the line in hand.
//
// The result is that of the plain pairwise scan: line i is compared with
// lines j = i + 1 .. NLINE in ascending order and is cut at its first
// crossing; after a cut the scan of line i starts again. The grid only skips
// lines whose boxes do not touch line i's box, which isCross rejects anyway,
// and a scan restarted after a cut that left line i as it was resumes at the
// line that was cut, since the lines before it give what they gave before.
#include <algorithm>
#include <cmath>
#include <string>

#include "cadtrace/model/line_model.h"
#include "cadtrace/model/messages.h"
#include "common/errors.h"
#include "common/numbers.h"

namespace cadtrace {

/// Lines by the grid cells their boxes cover. A line is listed in every cell
/// of its box; a line whose box spans many cells goes to a list that every
/// query returns. Entries are never removed: a line listed in a cell its box
/// no longer covers is only an extra candidate.
class LineGrid {
 public:
  explicit LineGrid(const LineModel& model);

  /// Lists a line that was added or whose nodes changed.
  void update(int line);

  /// Ascending, distinct line numbers from `from` to NLINE that include every
  /// line whose box touches the box of `line`.
  void candidates(int line, int from, std::vector<int32_t>& out) const;

 private:
  struct Range {
    int x0 = 0, x1 = -1, y0 = 0, y1 = -1;  // empty
    long cells() const { return static_cast<long>(x1 - x0 + 1) * (y1 - y0 + 1); }
    bool contains(int x, int y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
  };
  static constexpr int kMaxCellsPerAxis = 2048;
  static constexpr long kBigLine = 256;  // cells

  int column(double x) const;
  int row(double y) const;
  Range rangeOf(int line) const;

  const LineModel* m_;
  double x0_ = 0, y0_ = 0, size_ = 1;
  int nx_ = 1, ny_ = 1;
  std::vector<std::vector<int32_t>> cells_;
  std::vector<int32_t> big_;
  std::vector<Range> listed_;  // per line: the cells it was last listed in
  std::vector<char> inBig_;
};

LineGrid::LineGrid(const LineModel& model) : m_(&model) {
  const auto [xmin, xmax, ymin, ymax] = m_->extent();
  double extentX = xmax - xmin;
  double extentY = ymax - ymin;
  double meanSide = 0;
  for (int l = 1; l <= m_->NLINE; ++l) {
    const Point& a = m_->NODES[m_->LINES[l].p1];
    const Point& b = m_->NODES[m_->LINES[l].p2];
    meanSide += std::max(std::fabs(a.x - b.x), std::fabs(a.y - b.y)) / m_->NLINE;
  }
  // The typical line: a line covers a few cells and a cell holds a few lines.
  double size = std::max({meanSide, extentX / kMaxCellsPerAxis, extentY / kMaxCellsPerAxis});
  if (std::isfinite(size) && size > 0 && std::isfinite(extentX) && std::isfinite(extentY)) {
    x0_ = xmin;
    y0_ = ymin;
    size_ = size;
    nx_ = std::min(kMaxCellsPerAxis, static_cast<int>(extentX / size) + 1);
    ny_ = std::min(kMaxCellsPerAxis, static_cast<int>(extentY / size) + 1);
  }
  cells_.resize(static_cast<size_t>(nx_) * ny_);
  listed_.resize(m_->NLINE + 1);
  inBig_.resize(m_->NLINE + 1);
  for (int l = 1; l <= m_->NLINE; ++l) update(l);
}

int LineGrid::column(double x) const {
  double c = std::floor((x - x0_) / size_);
  if (!(c >= 0)) return 0;
  return c >= nx_ - 1 ? nx_ - 1 : static_cast<int>(c);
}

int LineGrid::row(double y) const {
  double c = std::floor((y - y0_) / size_);
  if (!(c >= 0)) return 0;
  return c >= ny_ - 1 ? ny_ - 1 : static_cast<int>(c);
}

LineGrid::Range LineGrid::rangeOf(int line) const {
  const Point& a = m_->NODES[m_->LINES[line].p1];
  const Point& b = m_->NODES[m_->LINES[line].p2];
  // Cells grow with the coordinate, so a box maps onto a block of cells and
  // two touching boxes onto overlapping blocks.
  return {column(std::min(a.x, b.x)), column(std::max(a.x, b.x)), row(std::min(a.y, b.y)),
          row(std::max(a.y, b.y))};
}

void LineGrid::update(int line) {
  if (static_cast<int>(listed_.size()) <= line) {
    listed_.resize(line + 1);
    inBig_.resize(line + 1);
  }
  if (inBig_[line]) return;
  Range now = rangeOf(line);
  if (now.cells() > kBigLine) {
    big_.push_back(line);
    inBig_[line] = 1;
    return;
  }
  const Range& before = listed_[line];
  for (int x = now.x0; x <= now.x1; ++x)
    for (int y = now.y0; y <= now.y1; ++y)
      if (!before.contains(x, y)) cells_[static_cast<size_t>(y) * nx_ + x].push_back(line);
  listed_[line] = now;
}

void LineGrid::candidates(int line, int from, std::vector<int32_t>& out) const {
  out.clear();
  Range r = rangeOf(line);
  if (r.cells() > kBigLine) {
    for (int j = from; j <= m_->NLINE; ++j) out.push_back(j);
    return;
  }
  for (int x = r.x0; x <= r.x1; ++x)
    for (int y = r.y0; y <= r.y1; ++y)
      for (int32_t j : cells_[static_cast<size_t>(y) * nx_ + x])
        if (j >= from) out.push_back(j);
  for (int32_t j : big_)
    if (j >= from) out.push_back(j);
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
}

bool LineModel::cutAt(int line, double x, double y) {
  int first = LINES[line].p1;
  int second = LINES[line].p2;
  // Copies: toroku may grow the table.
  const Point a = NODES[first];
  const Point b = NODES[second];
  if (!(LineLength(x, y, a.x, a.y) > kRegisterTolerance &&
        LineLength(x, y, b.x, b.y) > kRegisterTolerance))
    return false;
  toroku(x, y);
  int n = searchnode(x, y);
  // A cut must make the line strictly shorter; otherwise the same crossing
  // would be found again and again.
  if (n == first || n == second) return false;
  const Point& cut = NODES[n];
  if (!(LineLength(a.x, a.y, cut.x, cut.y) < LineLength(a.x, a.y, b.x, b.y))) return false;
  setSecondNode(line, n);
  if (searchline(n, second) == -1) addLine(n, second);
  return true;
}

/// A cascade of cuts, each making a new crossing next to the last, piles
/// nodes up round one place; a drawing that is merely large has its nodes
/// spread out. More nodes than this within kCascadeReach of the failing cut
/// count as a cascade.
constexpr int kCascadeNodes = 32;
constexpr double kCascadeReach = 10 * kLookupTolerance;

int LineModel::nodesNear(double x, double y, double reach) const {
  int count = 0;
  nodeGrid_.forEachCellNear(x, y, reach, [&](int32_t node) {
    if (std::abs(NODES[node].x - x) <= reach && std::abs(NODES[node].y - y) <= reach) ++count;
    return true;
  });
  return count;
}

std::string LineModel::whyFull(double x, double y, int drawn) const {
  if (nodesNear(x, y, kCascadeReach) > kCascadeNodes) return messages::crossingsPacked();
  return messages::cutDrawingTooLarge(NLINE, NNODE, drawn);
}

void LineModel::XCheck() {
  if (NLINE < 2) return;
  const int drawn = NLINE;
  LineGrid grid(*this);
  int gridBuiltFor = NLINE;
  std::vector<int32_t> candidates;
  int i = 1;
  int from = 2;
  while (i < NLINE) {
    // Cutting long lines leaves many short ones: fit the cells to them.
    if (NLINE > 2 * gridBuiltFor) {
      grid = LineGrid(*this);
      gridBuiltFor = NLINE;
    }
    grid.candidates(i, from, candidates);
    int cutLine = 0;
    bool lineICut = false;
    for (int32_t j : candidates) {
      double xx = 0, yy = 0;
      if (!isCross(LINES[i].p1, LINES[i].p2, LINES[j].p1, LINES[j].p2, xx, yy)) continue;
      int before = NLINE;
      try {
        lineICut = cutAt(i, xx, yy);
        bool lineJCut = cutAt(j, xx, yy);
        if (!lineICut && !lineJCut) continue;
      } catch (const common::RangeError& e) {
        throw common::RangeError(messages::whileCutting(
            e.what(), "(" + common::formatGeneral(xx) + ", " + common::formatGeneral(yy) + ")",
            whyFull(xx, yy, drawn)));
      }
      if (lineICut) grid.update(i);
      grid.update(j);
      for (int added = before + 1; added <= NLINE; ++added) grid.update(added);
      cutLine = j;
      break;
    }
    if (cutLine == 0) {
      ++i;
      from = i + 1;
    } else {
      from = lineICut ? i + 1 : cutLine;
    }
  }
}

}  // namespace cadtrace
