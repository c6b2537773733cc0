// The shared record layouts of MESH.DAT and M3W under the two programs' rules.
#include "formats/mesh_dat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/errors.h"
#include "common/text_file.h"
#include "formats/m3w.h"

namespace formats {
namespace {

/// The worked example both programs read and write.
std::vector<std::string> twoElements() {
  return common::readTextLines(SEEP_FIXTURE_DIR "/meshcond/MESH.DAT");
}

std::string refusal(const std::vector<std::string>& lines, const MeshDatRules& rules) {
  try {
    readMeshDat("m.DAT", lines, rules);
  } catch (const common::Error& e) {
    return e.what();
  }
  return "";
}

TEST(MeshDat, BothRulesReadTheSameRecordsAndWriteThemBack) {
  const MeshDatRules maker = meshMakerRules(30000, 40000);
  const MeshDatRules editor = conditionEditorRules(20000, 20000);
  const std::vector<std::string> file = twoElements();
  ASSERT_EQ(file.size(), 8u);
  const MeshDat a = readMeshDat("m", file, maker);
  const MeshDat b = readMeshDat("m", file, editor);
  ASSERT_EQ(a.nodes.size(), 5u);
  ASSERT_EQ(b.elements.size(), 2u);
  EXPECT_EQ(a.nodes[4].x, 20.0);
  EXPECT_EQ(b.nodes[4].x, 20.0);
  EXPECT_EQ(a.elements[1].corners, b.elements[1].corners);
  EXPECT_EQ(a.elements[1].count, 3);
  EXPECT_EQ(b.elements[1].count, 0);  // not read by the condition editor
  EXPECT_EQ(a.elements[1].line, 8);
  EXPECT_EQ(meshDatLines(a, maker), file);
  EXPECT_EQ(meshDatLines(a, editor), file);
}

TEST(MeshDat, OnlyTheMeshMakerNeedsTheCornerCount) {
  const std::vector<std::string> five = {"3 1", "1 0 0", "2 1 0", "3 0 1", "1 1 2 3 0"};
  EXPECT_EQ(refusal(five, meshMakerRules(30000, 40000)),
            "m.DAT: 5 行目: 要素 1/1（番号、4 つの角、角の数）がありません"
            "（欄が 6 個必要ですが 5 個です）");
  EXPECT_EQ(readMeshDat("m", five, conditionEditorRules(20000, 20000)).elements[0].corners[3], 3);
}

TEST(MeshDat, EachRuleWordsItsFailuresAsItsProgramDoes) {
  const std::vector<std::string> outside = {"3 1", "1 0 0", "2 1 0", "3 0 1", "1 1 2 4 0 3"};
  EXPECT_EQ(refusal(outside, meshMakerRules(30000, 40000)),
            "m.DAT: 5 行目: 4 番目の値: 角の節点 4 が範囲 1..3 の外にあります");
  EXPECT_EQ(refusal(outside, conditionEditorRules(20000, 20000)),
            "m.DAT: 5 行目: 角 3 4 は範囲 1..3 の外です");
}

TEST(MeshDat, ElementsByNumberUnderTheMeshMakersWording) {
  MeshDatRules rules = meshMakerRules(30000, 40000);
  rules.elementsByNumber = true;
  const std::vector<std::string> lines = {"3 2",   "1 0 0",       "2 1 0",
                                          "3 0 1", "2 1 2 3 0 3", "2 3 2 1 0 3"};
  EXPECT_EQ(refusal(lines, rules), "m.DAT: 6 行目: 1 番目の値: 要素 2 が 2 回現れます");
  std::vector<std::string> swapped = lines;
  swapped[5] = "1 3 2 1 0 3";
  const MeshDat mesh = readMeshDat("m", swapped, rules);
  EXPECT_EQ(mesh.elements[0].corners[1], 3);
  EXPECT_EQ(mesh.elements[1].corners[1], 1);
}

TEST(MeshDat, WidenedRulesKeepABlankBeforeAFilledField) {
  MeshDat mesh;
  mesh.nodes = {{7, 1.0, 2.0}};
  ElementRow row;
  row.corners = {0, 1, 12345678, 1, 0};
  row.count = 3;
  mesh.elements = {row};
  MeshDatRules rules = meshMakerRules(30000, 40000);
  EXPECT_EQ(meshDatLines(mesh, rules)[2], "       1       112345678       1       0    3");
  rules.widened = true;
  EXPECT_EQ(meshDatLines(mesh, rules)[2], "       1       1 12345678       1       0    3");
  // Node records are numbered by their place, and always widened.
  EXPECT_EQ(meshDatLines(mesh, rules)[1], "       1     1.000     2.000");
  EXPECT_EQ(nodeRecord(1, -10000.0, 123456.5), "       1 -10000.000 123456.500");
}

TEST(M3w, CountsNodesAndLinesWidenedOnlyWhenAsked) {
  const std::vector<NodeRow> nodes = {{1, 0.0, 0.0}, {2, 1.5, -2.25}};
  const std::vector<LineRow> lines = {{1, 2}, {2, 12345678}};
  const std::vector<std::string> expected = {
      "       2       2", "       1     0.000     0.000", "       2     1.500    -2.250",
      "       1       1       2", "       2       2 12345678"};
  EXPECT_EQ(m3wLines(nodes, lines, true), expected);
  EXPECT_EQ(m3wLines(nodes, lines, false)[4], "       2       212345678");
}

}  // namespace
}  // namespace formats
