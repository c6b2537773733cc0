#include "linemesh/files/mesh_file.h"

#include <array>
#include <unordered_map>

#include "common/text_file.h"
#include "formats/mesh_dat.h"
#include "linemesh/files/mesh_checks.h"
#include "linemesh/files/reading.h"
#include "linemesh/model/messages.h"

namespace linemesh::files {
namespace {

/// The distinct element sides in the order they are first met (smaller node
/// first), with their use counts.
class EdgeList {
 public:
  struct Edge {
    int N1, N2, Count;
  };

  void torokuEdge(int a, int b, const common::Location& where) {
    if (b < a) std::swap(a, b);
    uint64_t key =
        (static_cast<uint64_t>(static_cast<uint32_t>(a)) << 32) | static_cast<uint32_t>(b);
    auto [it, added] = index_.try_emplace(key, static_cast<int>(edges_.size()));
    if (!added) {
      ++edges_[it->second].Count;
      return;
    }
    if (edges_.size() >= kMeshEdgeCapacity) {
      index_.erase(it);
      throw common::RangeError(
          common::located(where, text::tooManyElementSides(kMeshEdgeCapacity)));
    }
    edges_.push_back({a, b, 1});
  }

  const std::vector<Edge>& edges() const { return edges_; }

 private:
  std::vector<Edge> edges_;
  std::unordered_map<uint64_t, int> index_;
};

formats::MeshDatRules rules() { return formats::meshMakerRules(kNodeCapacity, kElementCapacity); }

}  // namespace

std::vector<std::string> meshLines(const LineNetwork& net) {
  refuseFiveCornerCells(net, text::meshDataKind());
  formats::MeshDat mesh;
  mesh.nodes = nodeRows(net);
  mesh.elements.resize(static_cast<size_t>(net.NE));
  for (int e = 1; e <= net.NE; ++e) {
    formats::ElementRow& row = mesh.elements[e - 1];
    for (int place = 1; place <= 4; ++place) row.corners[place] = net.KI[e][place];
    row.count = net.KN[e];
  }
  return formats::meshDatLines(mesh, rules());
}

void writeMesh(const LineNetwork& net, const std::string& path) {
  common::writeTextLines(path, meshLines(net));
}

void readMeshLines(LineNetwork& net, const std::string& file, std::vector<std::string> lines) {
  const formats::MeshDat mesh = formats::readMeshDat(file, std::move(lines), rules());

  LineNetwork fresh = net;
  fresh.NUMNP = static_cast<int>(mesh.nodes.size());
  for (int i = 1; i <= fresh.NUMNP; ++i) {
    const formats::NodeRow& node = mesh.nodes[i - 1];
    fresh.Node[i] = NodeRecord{node.number, node.x, node.y, 0};
  }
  EdgeList edges;
  for (const formats::ElementRow& row : mesh.elements) {
    // Place n + 1 closes the loop.
    std::array<int, 6> corners{};
    for (int place = 1; place <= 4; ++place) corners[place] = row.corners[place];
    const int n = row.count;
    corners[n + 1] = corners[1];
    for (int k = 1; k <= n; ++k) edges.torokuEdge(corners[k], corners[k + 1], {file, row.line, 0});
  }
  fresh.NUMEL = static_cast<int>(edges.edges().size());
  for (int j = 1; j <= fresh.NUMEL; ++j) {
    const auto& edge = edges.edges()[j - 1];
    fresh.Elem[j].N1 = edge.N1;
    fresh.Elem[j].N2 = edge.N2;
    fresh.Elem[j].Flag = 0;
  }
  setExtentsFromNodes(fresh);
  fresh.ReNum();
  net = std::move(fresh);
}

void readMesh(LineNetwork& net, const std::string& path) {
  readMeshLines(net, path, common::readTextLines(path));
}

}  // namespace linemesh::files
