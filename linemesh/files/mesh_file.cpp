#include "linemesh/files/mesh_file.h"

#include <array>
#include <unordered_map>

#include "common/numbers.h"
#include "common/text_file.h"
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

}  // namespace

std::vector<std::string> meshLines(const LineNetwork& net) {
  using common::formatInt;
  refuseFiveCornerCells(net, text::meshDataKind());
  std::vector<std::string> lines;
  lines.reserve(1 + net.NUMNP + net.NE);
  lines.push_back(formatInt(net.NUMNP, 12) + formatInt(net.NE, 12));
  for (int i = 1; i <= net.NUMNP; ++i) lines.push_back(nodeLine(net, i));
  for (int e = 1; e <= net.NE; ++e) {
    std::string line = formatInt(e, 8);
    for (int place = 1; place <= 4; ++place) line += formatInt(net.KI[e][place], 8);
    line += formatInt(net.KN[e], 5);
    lines.push_back(std::move(line));
  }
  return lines;
}

void writeMesh(const LineNetwork& net, const std::string& path) {
  common::writeTextLines(path, meshLines(net));
}

void readMeshLines(LineNetwork& net, const std::string& file, std::vector<std::string> lines) {
  RecordCursor in(file, std::move(lines));
  const auto [nodes, elements] =
      readCounts(in, text::meshFileKind(), text::elementWord(), kElementCapacity);

  LineNetwork fresh = net;
  readNodes(in, fresh, nodes);
  // The corners read (KX of the model), with place n + 1 closing the loop.
  std::vector<std::array<int, 6>> corners(elements);
  std::vector<int> counts(elements);
  std::vector<long> lineOf(elements);
  for (int e = 0; e < elements; ++e) {
    in.next(text::elementRecord(e + 1, elements), 6);
    in.integer(1);
    for (int place = 1; place <= 4; ++place) corners[e][place] = in.integer(place + 1);
    const int n = in.integerIn(6, 0, 4, text::cornerCount());
    for (int place = 1; place <= n; ++place)
      if (corners[e][place] < 1 || corners[e][place] > nodes)
        throw common::RangeError(common::located(
            in.where(place + 1), text::cornerNodeOutside(corners[e][place], nodes)));
    counts[e] = n;
    lineOf[e] = in.where().line;
  }
  EdgeList edges;
  for (int e = 0; e < elements; ++e) {
    const int n = counts[e];
    corners[e][n + 1] = corners[e][1];
    for (int k = 1; k <= n; ++k)
      edges.torokuEdge(corners[e][k], corners[e][k + 1], {in.file(), lineOf[e], 0});
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
