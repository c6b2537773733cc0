#include "meshcond/interaction/condition_marks.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>

#include "meshcond/model/messages.h"

namespace meshcond::ui {

namespace {

using figure::LegendEntry;
using figure::Symbol;

constexpr std::array<uint32_t, 8> kFixedLevelColours = {
    0x1E50FF, 0x9000C0, 0x00A0A0, 0xB06000, 0x000080, 0xFF40C0, 0x505050, 0xE00000,
};

/// 0xRRGGBB as the canvas's packed 0x00BBGGRR, and back (the same swap).
Colour swapRedBlue(uint32_t c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

int nodeCount(const AnalysisModel& m) {
  return std::min({m.NUMNP, static_cast<int>(m.X.size()) - 1, static_cast<int>(m.Y.size()) - 1});
}

/// Groups of the fixed levels that some node has.
std::set<int> fixedGroups(const AnalysisModel& m) {
  std::set<int> groups;
  const int nodes = std::min(nodeCount(m), static_cast<int>(m.IFIXG.size()) - 1);
  for (int j = 1; j <= nodes; ++j)
    if (m.IFIXG[j] > 0) groups.insert(m.IFIXG[j]);
  return groups;
}

/// Calls mark(node) for each node of the first counts[b] entries of lists[b], b = 1..n.
template <class Mark>
void forListNodes(int n, const std::vector<int32_t>& counts,
                  const std::vector<std::vector<int32_t>>& lists, Mark&& mark) {
  const int boundaries = std::min(n, static_cast<int>(lists.size()) - 1);
  for (int b = 1; b <= boundaries; ++b) {
    const int count = std::min<int>(loadAt(counts, b), static_cast<int>(lists[b].size()) - 1);
    for (int k = 1; k <= count; ++k) mark(lists[b][k]);
  }
}

bool anyListNode(int n, const std::vector<int32_t>& counts,
                 const std::vector<std::vector<int32_t>>& lists) {
  bool any = false;
  forListNodes(n, counts, lists, [&any](int) { any = true; });
  return any;
}

std::string levelText(const AnalysisModel& m, int group) {
  if (group > m.NFIXWL || group >= static_cast<int>(m.FIXWL.size()))
    return msg::window::legendFixedGroup(group);
  return msg::window::legendFixedLevel(m.FIXWL[group]);
}

}  // namespace

uint32_t fixedLevelColour(int group) {
  return kFixedLevelColours[static_cast<size_t>(std::max(group - 1, 0)) %
                            kFixedLevelColours.size()];
}

std::vector<LegendEntry> conditionLegend(const AnalysisModel& m) {
  std::vector<LegendEntry> entries;
  std::set<int> materials;
  const int elements = std::min(m.NUMEL, static_cast<int>(m.MAT.size()) - 1);
  for (int e = 1; e <= elements; ++e) materials.insert(m.MAT[e]);
  for (int mat : materials)
    entries.push_back({Symbol::Swatch, swapRedBlue(gColor(mat)), msg::window::legendMaterial(mat)});
  for (int g : fixedGroups(m))
    entries.push_back({Symbol::Circle, fixedLevelColour(g), levelText(m, g)});
  if (anyListNode(m.NSEEP, m.NSEEPN, m.SEEPN))
    entries.push_back({Symbol::Square, kSeepageMarkColour, msg::window::legendSeepage()});
  if (anyListNode(m.NFLUCT, m.NFN, m.FLN))
    entries.push_back({Symbol::Diamond, kFluctuatingMarkColour, msg::window::legendFluct()});
  if (std::min(m.NRAIN, static_cast<int>(m.RAINN.size()) - 1) > 0)
    entries.push_back({Symbol::Triangle, kRainfallMarkColour, msg::window::legendRainfall()});
  return entries;
}

void drawConditionMarks(const AnalysisModel& m, const View& view, Canvas& canvas, int radius) {
  const int nodes = nodeCount(m);
  const int r = radius;
  auto at = [&](int n) { return view.toScreen(m.X[n], m.Y[n]); };
  auto symbol = [&](int n, Symbol s, uint32_t rgb) {
    if (n < 1 || n > nodes) return;
    const Pixel p = at(n);
    std::array<Pixel, 4> corners;
    const auto offsets = figure::symbolCorners(s, r);
    for (size_t i = 0; i < 4; ++i)
      corners[i] = {p.x + static_cast<int>(offsets[i][0]), p.y + static_cast<int>(offsets[i][1])};
    canvas.polygon(corners, swapRedBlue(rgb), kBlack);
  };

  const int fixedNodes = std::min(nodes, static_cast<int>(m.IFIXG.size()) - 1);
  for (int j = 1; j <= fixedNodes; ++j) {
    if (m.IFIXG[j] <= 0) continue;
    canvas.circle(at(j), r + 1, kBlack);
    canvas.circle(at(j), r, swapRedBlue(fixedLevelColour(m.IFIXG[j])));
  }
  forListNodes(m.NSEEP, m.NSEEPN, m.SEEPN,
               [&](int n) { symbol(n, Symbol::Square, kSeepageMarkColour); });
  forListNodes(m.NFLUCT, m.NFN, m.FLN,
               [&](int n) { symbol(n, Symbol::Diamond, kFluctuatingMarkColour); });
  const int rain = std::min(m.NRAIN, static_cast<int>(m.RAINN.size()) - 1);
  for (int k = 1; k <= rain; ++k) symbol(m.RAINN[k], Symbol::Triangle, kRainfallMarkColour);
}

std::string figureTitle(const AnalysisModel& model) {
  const std::string& t = model.TITLE;
  const size_t first = t.find_first_not_of(" \t");
  if (first == std::string::npos) return msg::window::untitledFigure();
  return t.substr(first, t.find_last_not_of(" \t") - first + 1);
}

}  // namespace meshcond::ui
