#include "linemesh/model/auto_mesh.h"

#include <gmsh.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <unordered_map>

#include "common/errors.h"
#include "common/numbers.h"
#include "formats/mesh_dat.h"
#include "linemesh/model/mesh_insert.h"
#include "linemesh/model/mesh_plan.h"
#include "linemesh/model/messages.h"

namespace linemesh {

namespace {

// Gmsh's options. Frontal-Delaunay (6) gives well-shaped triangles; they are
// recombined into quadrilaterals. The blossom full-quad recombination (3) is
// several times faster than the default on large sections, leaves no
// triangle and gives elements closest to the size asked; but it halves and
// then splits every line, so it can neither leave a line whole nor follow
// lines inside a face cleanly; there the simple recombination is used, which
// leaves a few triangles. One thread, so that the same input gives the same
// mesh.
constexpr double kAlgorithm = 6;
constexpr double kFullQuadRecombination = 3;
constexpr double kSimpleRecombination = 0;

/// Gmsh started for one meshing and ended whatever happens.
class GmshSession {
 public:
  explicit GmshSession(bool fullQuad) {
    gmsh::initialize(0, nullptr, false);
    gmsh::option::setNumber("General.Terminal", 0);
    gmsh::option::setNumber("General.NumThreads", 1);
    gmsh::option::setNumber("Mesh.MaxNumThreads2D", 1);
    gmsh::option::setNumber("Mesh.Algorithm", kAlgorithm);
    gmsh::option::setNumber("Mesh.RecombineAll", 1);
    gmsh::option::setNumber("Mesh.RecombinationAlgorithm",
                            fullQuad ? kFullQuadRecombination : kSimpleRecombination);
    gmsh::logger::start();
    gmsh::model::add("section");
  }
  ~GmshSession() {
    try {
      gmsh::logger::stop();
      gmsh::finalize();
    } catch (...) {
    }
  }
  GmshSession(const GmshSession&) = delete;
  GmshSession& operator=(const GmshSession&) = delete;
};

/// Meshes the plan's surfaces and reads the mesh back in the network's
/// numbers: Gmsh's nodes on the points are those nodes, the others are new and
/// numbered in Gmsh's order.
FaceMesh runGmsh(const LineNetwork& net, const MeshPlan& plan) {
  namespace geo = gmsh::model::geo;
  GmshSession session(!plan.hasWholeCurves() && !plan.hasInnerCurves());
  for (int k : plan.points) geo::addPoint(net.Node[k].X, net.Node[k].Y, 0.0, plan.size, k);
  for (const PlannedCurve& c : plan.curves) {
    geo::addLine(c.n1, c.n2, c.line);
    if (c.whole) geo::mesh::setTransfiniteCurve(c.line, 2);
  }
  std::vector<int> surfaces;
  for (const PlannedSurface& s : plan.surfaces) {
    std::vector<int> wires;
    for (const auto& loop : s.loops) wires.push_back(geo::addCurveLoop(loop));
    surfaces.push_back(geo::addPlaneSurface(wires));
  }
  geo::synchronize();
  for (size_t i = 0; i < plan.surfaces.size(); ++i)
    if (!plan.surfaces[i].inner.empty())
      gmsh::model::mesh::embed(1, plan.surfaces[i].inner, 2, surfaces[i]);
  gmsh::model::mesh::generate(2);

  FaceMesh mesh;
  std::vector<size_t> tags;
  std::vector<double> coords, params;
  std::unordered_map<size_t, int> nodeOf;
  for (int k : plan.points) {
    gmsh::model::mesh::getNodes(tags, coords, params, 0, k, false, false);
    if (tags.size() != 1) throw common::Error(text::autoMeshNodeMissing(k));
    nodeOf[tags[0]] = k;
  }
  gmsh::model::mesh::getNodes(tags, coords, params, -1, -1, false, false);
  nodeOf.reserve(tags.size());
  for (size_t i = 0; i < tags.size(); ++i) {
    if (nodeOf.count(tags[i])) continue;
    nodeOf[tags[i]] = net.NUMNP + 1 + static_cast<int>(mesh.newNodes.size());
    mesh.newNodes.push_back({coords[3 * i], coords[3 * i + 1]});
  }
  for (const PlannedCurve& c : plan.curves) {
    gmsh::model::mesh::getNodes(tags, coords, params, 1, c.line, false, true);
    std::vector<std::pair<double, int>> along;  // parameter 0 at n1, 1 at n2
    for (size_t i = 0; i < tags.size(); ++i) along.push_back({params[i], nodeOf.at(tags[i])});
    std::sort(along.begin(), along.end());
    for (const auto& [u, k] : along) mesh.lineNodes[c.line].push_back(k);
  }
  for (int surface : surfaces) {
    std::vector<int> types;
    std::vector<std::vector<size_t>> elementTags, nodeTags;
    gmsh::model::mesh::getElements(types, elementTags, nodeTags, 2, surface);
    for (size_t t = 0; t < types.size(); ++t) {
      const size_t corners = types[t] == 2 ? 3 : types[t] == 3 ? 4 : 0;
      if (corners == 0) throw common::Error(text::autoMeshUnexpectedElementType(types[t]));
      for (size_t e = 0; e + corners <= nodeTags[t].size(); e += corners) {
        std::vector<int> element;
        for (size_t c = 0; c < corners; ++c) element.push_back(nodeOf.at(nodeTags[t][e + c]));
        mesh.elements.push_back(std::move(element));
      }
    }
  }
  return mesh;
}

}  // namespace

AutoMeshResult autoMesh(LineNetwork& net, const AutoMeshRequest& request) {
  const double h = request.size;
  if (!(h > 0) || !std::isfinite(h))
    throw common::RangeError(text::autoMeshSizeNotPositive(common::formatGeneral(h)));

  LineNetwork work = net;  // the network changes only when everything has worked
  work.PreYoso();
  work.YSort();
  work.XSort();
  work.ElemSort();
  const MeshPlan plan = planMesh(work, request);
  // A mesh far beyond the tables is refused before Gmsh spends time on it:
  // quadrilaterals of side h take about one node per h * h.
  const double estimate = work.NUMNP + plan.meshedArea / (h * h);
  if (estimate > 2.0 * kNodeCapacity) refuseCapacity(h, static_cast<long>(estimate), -1);

  FaceMesh mesh;
  try {
    mesh = runGmsh(work, plan);
  } catch (const std::string& why) {
    // Gmsh's API throws its error text; anything else is ours and goes on.
    throw common::Error(text::autoMeshGmshFailed(why));
  }
  const InsertedMesh inserted = insertMesh(work, mesh, h);

  AutoMeshResult result;
  result.facesMeshed = plan.facesMeshed;
  result.facesKept = plan.facesKept;
  result.nodesAdded = inserted.nodesAdded;
  result.linesAdded = inserted.linesAdded;
  result.elements = inserted.elements;
  // Beyond these the condition editor cannot open the mesh.
  if (work.NUMNP > formats::kConditionEditorNodes ||
      inserted.elements > formats::kConditionEditorElements)
    result.warning =
        text::autoMeshLargeMesh(work.NUMNP, inserted.elements, formats::kConditionEditorNodes,
                                formats::kConditionEditorElements);
  net = std::move(work);
  return result;
}

}  // namespace linemesh
