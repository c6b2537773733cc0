#include "meshcond/model/mesh_file.h"

#include <string>
#include <utility>

#include "common/errors.h"
#include "common/text_file.h"
#include "formats/mesh_dat.h"
#include "meshcond/model/all_or_nothing.h"
#include "meshcond/model/messages.h"
#include "meshcond/model/node_index.h"

namespace meshcond {

namespace {

void checkListCount(int count, int capacity, const std::string& what) {
  if (count < 0 || count > capacity)
    throw common::RangeError(msg::outsideRange(msg::listCount(what), count, 0, capacity));
}

/// Keeps the current mesh and node lists as the previous ones.
void saveOldMesh(AnalysisModel& m) {
  m.OLDNUMNP = m.NUMNP;
  for (int n = 1; n <= m.NUMNP; ++n) {
    m.OLDX[n] = m.X[n];
    m.OLDY[n] = m.Y[n];
    m.OLDKODE[n] = m.KODE[n];
    m.OLDH[n] = m.H[n];
    m.OLDQ[n] = m.Q[n];
  }
  m.OLDNUMEL = m.NUMEL;
  for (int e = 1; e <= m.NUMEL; ++e) {
    m.OLDKI[e] = m.KI[e];
    m.OLDMAT[e] = m.MAT[e];
  }
}

void saveOldLists(AnalysisModel& m) {
  checkListCount(m.NRAIN, kRainNodeCapacity, msg::rainfallNodes());
  for (int k = 1; k <= m.NRAIN; ++k) m.OLDRAINN[k] = m.RAINN[k];
  checkListCount(m.NFLUCT, kFluctCapacity, msg::fluctBoundaries());
  for (int b = 1; b <= m.NFLUCT; ++b) {
    checkListCount(m.NFN[b], kFluctNodeCapacity, msg::fluctBoundary(b));
    for (int k = 1; k <= m.NFN[b]; ++k) storeAt(m.OLDFLN[b], k, loadAt(m.FLN[b], k));
  }
  checkListCount(m.NSEEP, kSeepFaceCapacity, msg::field::seepageFaces());
  for (int f = 1; f <= m.NSEEP; ++f) {
    checkListCount(m.NSEEPN[f], kSeepNodeCapacity, msg::seepageFace(f));
    for (int k = 1; k <= m.NSEEPN[f]; ++k) m.OLDSEEPN[f][k] = m.SEEPN[f][k];
  }
  checkListCount(m.NFLUX, kFluxCapacity, msg::fluxBoundaries());
  for (int b = 1; b <= m.NFLUX; ++b) {
    checkListCount(m.NQN[b], kFluxNodeCapacity, msg::fluxBoundary(b));
    for (int k = 1; k <= m.NQN[b]; ++k) storeAt(m.OLDQN[b], k, loadAt(m.QN[b], k));
  }
  if (m.NWL1 > 0) {
    checkListCount(m.NWL1, kWellCapacity, msg::wellList(1));
    checkListCount(m.NWL2, kWellCapacity, msg::wellList(2));
    for (int k = 1; k <= m.NWL1; ++k) m.OLDWL1[k] = m.WL1[k];
    for (int k = 1; k <= m.NWL2; ++k) m.OLDWL2[k] = m.WL2[k];
  }
}

formats::MeshDatRules rules() {
  return formats::conditionEditorRules(kNodeCapacity, kElementCapacity);
}

void readMesh(AnalysisModel& m, const std::vector<std::string>& lines, const std::string& file) {
  const formats::MeshDat mesh = formats::readMeshDat(file, lines, rules());
  m.NUMNP = static_cast<int>(mesh.nodes.size());
  m.NUMEL = static_cast<int>(mesh.elements.size());
  for (int i = 1; i <= m.NUMNP; ++i) {
    m.X[i] = mesh.nodes[i - 1].x;
    m.Y[i] = mesh.nodes[i - 1].y;
  }
  for (int e = 1; e <= m.NUMEL; ++e) {
    const formats::ElementRow& row = mesh.elements[e - 1];
    m.KI[e] = row.corners;
    m.KN[e] = row.corners[4] == 0 ? 3 : 4;
    m.MAT[e] = 1;
  }
}

/// Reference point of an element: the mean of its corners, three when corner
/// 4 is 0 or repeats corner 3.
Point referencePoint(const Corners& c, const std::vector<double>& xs, const std::vector<double>& ys,
                     int element) {
  int count = (c[4] == 0 || c[4] == c[3]) ? 3 : 4;
  double sx = 0.0, sy = 0.0;
  for (int k = 1; k <= count; ++k) {
    if (c[k] < 1 || c[k] > kNodeCapacity)
      throw common::RangeError(msg::cornerOutside(element, k, c[k], kNodeCapacity));
    sx += xs[c[k]];
    sy += ys[c[k]];
  }
  return Point{sx / count, sy / count};
}

}  // namespace

ConvertReport Convert(AnalysisModel& m) {
  ConvertReport report;
  report.converted = true;

  PointIndex oldNodes(m.OLDX, m.OLDY, m.OLDNUMNP);
  for (int i = 1; i <= m.NUMNP; ++i) {
    PointIndex::Hit hit = oldNodes.nearest(m.X[i], m.Y[i]);
    if (hit.number > 0 && hit.distance < kPartnerDistance) {
      m.KODE[i] = m.OLDKODE[hit.number];
      m.H[i] = m.OLDH[hit.number];
      m.Q[i] = m.OLDQ[hit.number];
    } else {
      ++report.nodesWithoutPartner;
      m.KODE[i] = 0;
      m.Q[i] = 0.0;
      m.H[i] = hit.number > 0 ? m.OLDH[hit.number] : 0.0;
    }
  }

  std::vector<double> oldGx(static_cast<size_t>(m.OLDNUMEL) + 1),
      oldGy(static_cast<size_t>(m.OLDNUMEL) + 1);
  for (int j = 1; j <= m.OLDNUMEL; ++j) {
    Point p = referencePoint(m.OLDKI[j], m.OLDX, m.OLDY, j);
    oldGx[j] = p.x;
    oldGy[j] = p.y;
  }
  PointIndex oldElements(oldGx, oldGy, m.OLDNUMEL);
  for (int i = 1; i <= m.NUMEL; ++i) {
    m.KN[i] = m.KI[i][4] == 0 ? 3 : 4;
    Point p = referencePoint(m.KI[i], m.X, m.Y, i);
    PointIndex::Hit hit = oldElements.nearest(p.x, p.y);
    if (hit.number > 0 && hit.distance < kPartnerDistance)
      m.MAT[i] = m.OLDMAT[hit.number];
    else
      ++report.elementsWithoutPartner;
  }

  // Node lists: each old entry goes to the new node at its old position, or
  // is dropped when there is none (or it was no node of the old mesh).
  PointIndex newNodes(m.X, m.Y, m.NUMNP);
  auto carry = [&](auto oldEntry, auto store, int count) {
    int kept = 0;
    for (int k = 1; k <= count; ++k) {
      int o = oldEntry(k);
      int p = (o >= 1 && o <= m.OLDNUMNP) ? newNodes.pointAt(m.OLDX[o], m.OLDY[o]) : -1;
      if (p >= 1)
        store(++kept, p);
      else
        ++report.droppedEntries;
    }
    return kept;
  };
  m.NRAIN =
      carry([&](int k) { return m.OLDRAINN[k]; }, [&](int k, int p) { m.RAINN[k] = p; }, m.NRAIN);
  for (int b = 1; b <= m.NFLUCT; ++b)
    m.NFN[b] =
        carry([&](int k) { return loadAt(m.OLDFLN[b], k); },
              [&](int k, int p) { storeAt(m.FLN[b], k, static_cast<int32_t>(p)); }, m.NFN[b]);
  for (int f = 1; f <= m.NSEEP; ++f)
    m.NSEEPN[f] = carry([&](int k) { return m.OLDSEEPN[f][k]; },
                        [&](int k, int p) { m.SEEPN[f][k] = p; }, m.NSEEPN[f]);
  int nseep = 0;
  for (int f = 1; f <= m.NSEEP; ++f)
    if (m.NSEEPN[f] > 0) nseep = f;
  m.NSEEP = nseep;
  for (int b = 1; b <= m.NFLUX; ++b)
    m.NQN[b] = carry([&](int k) { return loadAt(m.OLDQN[b], k); },
                     [&](int k, int p) { storeAt(m.QN[b], k, static_cast<int32_t>(p)); }, m.NQN[b]);
  if (m.NWL1 > 0) {
    m.NWL1 = carry([&](int k) { return m.OLDWL1[k]; }, [&](int k, int p) { m.WL1[k] = p; }, m.NWL1);
    m.NWL2 = carry([&](int k) { return m.OLDWL2[k]; }, [&](int k, int p) { m.WL2[k] = p; }, m.NWL2);
  }
  return report;
}

ConvertReport loadMeshLines(AnalysisModel& model, const std::vector<std::string>& lines,
                            const std::string& file) {
  return changeAllOrNothing(model, [&](AnalysisModel& next) {
    bool first = next.NUMMAT < 1;
    if (first)
      next.applyFirstMeshAssignments();
    else
      saveOldMesh(next);
    saveOldLists(next);
    readMesh(next, lines, file);
    ConvertReport report;
    if (!first) report = Convert(next);
    next.initialAfterLoad(file);
    return report;
  });
}

ConvertReport loadMesh(AnalysisModel& model, const std::string& path) {
  return loadMeshLines(model, common::readTextLines(path), path);
}

std::vector<std::string> meshLines(AnalysisModel& m) {
  m.deriveKN();
  formats::MeshDat mesh;
  mesh.nodes.resize(static_cast<size_t>(m.NUMNP));
  for (int i = 1; i <= m.NUMNP; ++i) mesh.nodes[i - 1] = {i, m.X[i], m.Y[i]};
  mesh.elements.resize(static_cast<size_t>(m.NUMEL));
  for (int e = 1; e <= m.NUMEL; ++e) {
    formats::ElementRow& row = mesh.elements[e - 1];
    for (int c = 1; c <= 4; ++c) row.corners[c] = m.KI[e][c];
    row.count = m.KN[e];
  }
  return formats::meshDatLines(mesh, rules());
}

void saveMesh(AnalysisModel& model, const std::string& path) {
  common::writeTextLines(path, meshLines(model));
}

}  // namespace meshcond
