// Material and node-list assignments of the condition editor.
#include "meshcond/model/assignments.h"

#include <algorithm>

#include "common/errors.h"
#include "meshcond/model/messages.h"

namespace meshcond {

namespace {

/// The first count entries of a 1-based list.
std::vector<int32_t> entriesOf(const std::vector<int32_t>& table, int count) {
  std::vector<int32_t> out;
  int n = std::min<int>(count, static_cast<int>(table.size()) - 1);
  for (int k = 1; k <= n; ++k) out.push_back(table[k]);
  return out;
}

/// Writes a list back into a 1-based table.
void storeList(std::vector<int32_t>& table, int32_t& count, const std::vector<int32_t>& list) {
  for (size_t k = 0; k < list.size(); ++k) storeAt(table, static_cast<int>(k) + 1, list[k]);
  count = static_cast<int32_t>(list.size());
}

/// Set when node j is in the new list, Released when it left it.
Toggle toggleOf(const std::vector<int32_t>& list, int j) {
  if (j < 1) return Toggle::None;
  return std::binary_search(list.begin(), list.end(), j) ? Toggle::Set : Toggle::Released;
}

void ensureSlot(std::vector<int32_t>& counts, int g) {
  if (static_cast<int>(counts.size()) <= g) counts.resize(static_cast<size_t>(g) + 1, 0);
}

/// Before a list number above the count comes into use, the lists above the
/// count up to it, itself included, are emptied: they were not in use,
/// whatever their tables still hold.
void openUpTo(std::vector<int32_t>& counts, int inUse, int g) {
  ensureSlot(counts, g);
  for (int f = inUse + 1; f <= g; ++f) counts[f] = 0;
}

int highestInUse(const std::vector<int32_t>& counts, int limit) {
  for (int f = std::min<int>(limit, static_cast<int>(counts.size()) - 1); f >= 1; --f) {
    if (counts[f] > 0) return f;
  }
  return 0;
}

void checkListNumber(int g, int limit, const std::string& label) {
  if (g < 1 || g > limit) {
    throw common::RangeError(msg::listNumberOutside(label, g, limit));
  }
}

/// Node j flipped in list g of a numbered family of lists; `inUse` is the
/// family's count (NSEEP, NFLUCT), raised or lowered to the highest list in use.
Toggle toggleNumberedList(AnalysisModel& model, std::vector<std::vector<int32_t>>& lists,
                          std::vector<int32_t>& counts, int& inUse, int j, int g, size_t capacity,
                          const std::string& what) {
  if (j < 1) return Toggle::None;  // a click on no node changes no list
  std::vector<int32_t> before =
      g <= inUse && g < static_cast<int>(counts.size()) && g < static_cast<int>(lists.size())
          ? entriesOf(lists[g], counts[g])
          : std::vector<int32_t>{};
  std::vector<int32_t> list = toggledList(before, model.NUMNP, j);
  if (list.size() > capacity) {
    throw common::RangeError(msg::listFull(what, g, static_cast<int>(capacity)));
  }
  if (static_cast<int>(lists.size()) <= g) lists.resize(static_cast<size_t>(g) + 1);
  if (g > inUse) openUpTo(counts, inUse, g);
  ensureSlot(counts, g);
  storeList(lists[g], counts[g], list);
  inUse = highestInUse(counts, std::max(inUse, g));
  return toggleOf(list, j);
}

}  // namespace

std::string toggleStepName(const std::string& what, Toggle toggle) {
  return toggle == Toggle::Released ? msg::releaseStep(what) : msg::setStep(what);
}

bool setMaterial(AnalysisModel& model, int e, int k) {
  if (model.MAT.at(static_cast<size_t>(e)) == k) return false;
  model.MAT[e] = k;
  return true;
}

int ELSelect(AnalysisModel& model, double x1, double y1, double x2, double y2, int k) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  int count = std::min<int>(model.NUMEL, static_cast<int>(model.KI.size()) - 1);
  int changed = 0;
  for (int e = 1; e <= count; ++e) {
    for (int c = 1; c <= 4; ++c) {
      int n = model.KI[e][c];
      if (n <= 0 || !model.hasNode(n)) continue;
      double x = model.X[n], y = model.Y[n];
      if (x1 < x && x < x2 && y1 < y && y < y2) {
        if (setMaterial(model, e, k)) ++changed;
        break;
      }
    }
  }
  return changed;
}

Toggle toggleFixedLevel(AnalysisModel& model, int j, int group, double level) {
  if (j < 1) return Toggle::None;
  if (model.IFIXG.at(static_cast<size_t>(j)) != 0) {
    model.IFIXG[j] = 0;
    return Toggle::Released;
  }
  model.IFIXG[j] = group;
  model.H.at(static_cast<size_t>(j)) = level;
  return Toggle::Set;
}

Toggle toggleSeepage(AnalysisModel& model, int j, int g, const std::string& label) {
  checkListNumber(g, kSeepFaceCapacity, label);
  return toggleNumberedList(model, model.SEEPN, model.NSEEPN, model.NSEEP, j, g, kSeepNodeCapacity,
                            msg::field::seepageFaces());
}

Toggle toggleRainfall(AnalysisModel& model, int j) {
  std::vector<int32_t> list = toggledList(entriesOf(model.RAINN, model.NRAIN), model.NUMNP, j);
  int32_t count = model.NRAIN;
  storeList(model.RAINN, count, list);
  model.NRAIN = count;
  return toggleOf(list, j);
}

Toggle toggleFluctuating(AnalysisModel& model, int j, int g, const std::string& label) {
  checkListNumber(g, kFluctCapacity, label);
  return toggleNumberedList(model, model.FLN, model.NFN, model.NFLUCT, j, g, kFluctNodeCapacity,
                            msg::field::fluctSurfaces());
}

std::vector<int32_t> toggledList(const std::vector<int32_t>& entries, int numnp, int node) {
  std::vector<char> mark(static_cast<size_t>(std::max(numnp, 0)) + 1, 0);
  for (int32_t n : entries) {
    if (n >= 1 && n <= numnp) mark[n] = 1;
  }
  if (node >= 1 && node <= numnp) mark[node] = !mark[node];
  std::vector<int32_t> list;
  for (int n = 1; n <= numnp; ++n) {
    if (mark[n]) list.push_back(n);
  }
  return list;
}

}  // namespace meshcond
