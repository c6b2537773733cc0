// Undo and redo of every kind of step on the mesh maker's network.
#include "common/history.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "linemesh/model/auto_mesh.h"
#include "linemesh/model/network.h"
#include "test_networks.h"

namespace linemesh {
namespace {

using testing::networkOf;
using testing::polygon;

/// Every byte of every table, the slots beyond the counts included.
bool sameModel(const LineNetwork& a, const LineNetwork& b) {
  auto bytes = [](const auto& v) {
    return std::string(reinterpret_cast<const char*>(v.data()), v.size() * sizeof(v[0]));
  };
  return bytes(a.Node) == bytes(b.Node) && bytes(a.Elem) == bytes(b.Elem) &&
         bytes(a.KI) == bytes(b.KI) && bytes(a.KN) == bytes(b.KN) && a.NUMNP == b.NUMNP &&
         a.NUMEL == b.NUMEL && a.NE == b.NE && a.xmin == b.xmin && a.xmax == b.xmax &&
         a.ymin == b.ymin && a.ymax == b.ymax;
}

TEST(NetworkHistory, EveryKindOfStepIsUndoneAndRedoneExactly) {
  struct Step {
    const char* name;
    std::function<void(LineNetwork&)> change;
  };
  const Step steps[] = {
      {"a line ending on another", [](LineNetwork& n) { n.drawLine(1, 0, 1, 1); }},
      {"a line across two", [](LineNetwork& n) { n.drawLine(-1, 0.5, 3, 0.5); }},
      {"division", [](LineNetwork& n) { n.divideLine(1, 4); }},
      {"deleting a node", [](LineNetwork& n) { n.deleteNode(2); }},
      {"deleting a line", [](LineNetwork& n) { n.deleteLine(3); }},
      {"formation", [](LineNetwork& n) { n.formElements(); }},
      {"automatic meshing",
       [](LineNetwork& n) {
         autoMesh(n, {0.25, {}});
       }},
      {"formation again", [](LineNetwork& n) { n.formElements(); }},
  };
  LineNetwork net = networkOf(polygon({{0, 0}, {2, 0}, {2, 1}, {0, 1}}));
  common::ModelParts parts;
  net.addTo(parts);
  common::History history(parts);
  std::vector<LineNetwork> states{net};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    history.record(s.name, [&] { s.change(net); });
    EXPECT_EQ(history.undoName(), s.name);
    states.push_back(net);
  }
  for (size_t i = states.size() - 1; i-- > 0;) {
    SCOPED_TRACE(steps[i].name);
    history.undo();
    EXPECT_TRUE(sameModel(net, states[i]));
  }
  for (size_t i = 1; i < states.size(); ++i) {
    SCOPED_TRACE(steps[i - 1].name);
    history.redo();
    EXPECT_TRUE(sameModel(net, states[i]));
  }
}

}  // namespace
}  // namespace linemesh
