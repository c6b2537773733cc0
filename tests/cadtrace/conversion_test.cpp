#include "cadtrace/model/conversion.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/errors.h"

namespace cadtrace {
namespace {

using ::testing::HasSubstr;
using Pairs = std::vector<std::pair<int, int>>;
using Coords = std::vector<std::pair<double, double>>;

struct Seg {
  double x1, y1, x2, y2;
};

DxfDrawing drawing(const std::vector<Coords>& polylines, const std::vector<Seg>& lines) {
  DxfDrawing d;
  for (const Coords& poly : polylines) {
    std::vector<Point> ps;
    for (auto [x, y] : poly) ps.push_back({x, y});
    d.polylines.push_back(ps);
  }
  for (const Seg& s : lines) d.lines.push_back({{s.x1, s.y1}, {s.x2, s.y2}});
  return d;
}

Pairs linesOf(const LineModel& m) {
  Pairs out;
  for (int l = 1; l <= m.NLINE; ++l) out.emplace_back(m.LINES[l].p1, m.LINES[l].p2);
  return out;
}

Coords nodesOf(const LineModel& m) {
  Coords out;
  for (int n = 1; n <= m.NNODE; ++n) out.emplace_back(m.NODES[n].x, m.NODES[n].y);
  return out;
}

LineModel convert(const DxfDrawing& d, const ConversionSettings& s = {}) {
  LineModel m = DXFtoM2W(d, s);
  m.XCheck();
  return m;
}

std::string errorOf(const DxfDrawing& d, const ConversionSettings& s = {}) {
  try {
    convert(d, s);
  } catch (const common::Error& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(DXFtoM2W, LinesOnlyGiveOneLinePerPairOfEnds) {
  LineModel m = DXFtoM2W(drawing({}, {{0, 0, 1, 0}, {1, 0, 0, 0}, {1, 0, 1, 1}}), {});
  EXPECT_EQ(nodesOf(m), (Coords{{0, 0}, {1, 0}, {1, 1}}));
  EXPECT_EQ(linesOf(m), (Pairs{{1, 2}, {2, 3}}));
}

TEST(DXFtoM2W, TablesStartEmpty) {
  // No node 1 left over at the origin or from an earlier conversion.
  LineModel first = DXFtoM2W(drawing({}, {{5, 5, 6, 6}}), {});
  LineModel second = DXFtoM2W(drawing({}, {{7, 7, 8, 8}}), {});
  EXPECT_EQ(nodesOf(second), (Coords{{7, 7}, {8, 8}}));
  EXPECT_EQ(linesOf(second), (Pairs{{1, 2}}));
}

TEST(DXFtoM2W, PolylinesAreAlwaysClosed) {
  struct Case {
    const char* name;
    std::vector<Coords> polylines;
    Pairs lines;
  } cases[] = {
      {"open, three vertices", {{{0, 0}, {1, 0}, {1, 1}}}, {{1, 2}, {2, 3}, {3, 1}}},
      {"last vertex repeats the first",
       {{{0, 0}, {1, 0}, {1, 1}, {0, 0}}},
       {{1, 2}, {2, 3}, {3, 1}, {1, 1}}},
      {"one vertex", {{{3, 3}}}, {{1, 1}}},
      {"repeated vertex", {{{0, 0}, {1, 0}, {1, 0}}}, {{1, 2}, {2, 2}}},
      {"two vertices", {{{0, 0}, {1, 0}}}, {{1, 2}}},
      {"adjacent squares share their edge once",
       {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {{1, 0}, {2, 0}, {2, 1}, {1, 1}}},
       {{1, 2}, {2, 3}, {3, 4}, {4, 1}, {2, 5}, {5, 6}, {6, 3}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(linesOf(DXFtoM2W(drawing(c.polylines, {}), {})), c.lines);
  }
}

TEST(DXFtoM2W, PassOrderPolylineVerticesFirst) {
  LineModel m = DXFtoM2W(drawing({{{5, 5}, {6, 5}, {6, 6}}}, {{0, 0, 5, 5}}), {});
  EXPECT_EQ(nodesOf(m), (Coords{{5, 5}, {6, 5}, {6, 6}, {0, 0}}));
  EXPECT_EQ(linesOf(m), (Pairs{{1, 2}, {2, 3}, {3, 1}, {4, 1}}));
}

TEST(DXFtoM2W, PointsCloserThanTheLookupToleranceUseTheLowerNode) {
  LineModel m = DXFtoM2W(drawing({}, {{0, 0, 5, 0}, {5.001, 0, 5, 5}}), {});
  EXPECT_EQ(nodesOf(m), (Coords{{0, 0}, {5, 0}, {5.001, 0}, {5, 5}}));
  EXPECT_EQ(linesOf(m), (Pairs{{1, 2}, {2, 4}}));
}

TEST(DXFtoM2W, ShiftAndScale) {
  ConversionSettings s{"100", "200", "10", "5"};
  LineModel m = DXFtoM2W(drawing({{{7, 12}}}, {}), s);
  EXPECT_EQ(nodesOf(m), (Coords{{400, 200}}));
  // Blanks and tabs round a setting are allowed; "m"/"mm" play no part.
  ConversionSettings padded{" 1 ", "\t1", "0 ", "0"};
  EXPECT_EQ(nodesOf(DXFtoM2W(drawing({{{7, 12}}}, {}), padded)), (Coords{{7, 12}}));
}

TEST(DXFtoM2W, ZeroScaleKeepsCoincidentNodesApart) {
  ConversionSettings s{"0", "0", "0", "0"};
  LineModel m = convert(drawing({}, {{1, 1, 2, 2}, {3, 3, 4, 4}}), s);
  EXPECT_EQ(m.NNODE, 4);
  EXPECT_EQ(linesOf(m), (Pairs{{1, 2}, {3, 4}}));
}

TEST(DXFtoM2W, SettingErrorsInOrder) {
  DxfDrawing d = drawing({}, {{0, 0, 1, 1}});
  struct Case {
    ConversionSettings s;
    std::string message;
  } cases[] = {
      {{"x", "y", "z", "w"}, "縮尺 V「x」は数ではありません"},
      {{"1", "1/2", "z", "w"}, "縮尺 H「1/2」は数ではありません"},
      {{"1", "1", "", "w"}, "基準位置 V「」は数ではありません"},
      {{"1", "1", "0", "1,5"}, "基準位置 H「1,5」は数ではありません"},
      {{"1e999", "1", "0", "0"}, "縮尺 V「1e999」は数ではありません"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    EXPECT_EQ(errorOf(d, c.s), c.message);
  }
}

TEST(DXFtoM2W, OverflowAfterScaling) {
  ConversionSettings s{"1", "1e300", "0", "0"};
  EXPECT_THAT(errorOf(drawing({}, {{0, 0, 1e10, 1}}), s),
              HasSubstr("節点 2 (10000000000, 1) は、移動と縮尺のあと数の範囲を超えます"));
  ConversionSettings shift{"1", "1", "0", "-1.5e308"};
  EXPECT_THAT(errorOf(drawing({}, {{1.5e308, 0, 0, 0}}), shift), HasSubstr("節点 1 "));
}

TEST(DXFtoM2W, Capacities) {
  std::vector<Coords> many(1);
  for (int k = 0; k <= kNodeCapacity; ++k) many[0].push_back({k * 0.01, (k % 7) * 0.01});
  // A capacity error in the passes comes before a bad setting.
  EXPECT_THAT(errorOf(drawing(many, {}), {"bad", "1", "0", "0"}),
              HasSubstr("節点が 200000 個を超えます"));

  many[0].resize(kLineCapacity + 1);  // as many lines, the closing one included
  EXPECT_THAT(errorOf(drawing(many, {})), HasSubstr("線が 100000 本を超えます"));
  many[0].resize(kLineCapacity);
  EXPECT_EQ(DXFtoM2W(drawing(many, {}), {}).NLINE, kLineCapacity);
}

TEST(XCheck, CrossingsCases) {
  struct Case {
    const char* name;
    std::vector<Seg> lines;
    Coords nodes;
    Pairs result;
  } cases[] = {
      {"X",
       {{0, 0, 2, 2}, {0, 2, 2, 0}},
       {{0, 0}, {2, 2}, {0, 2}, {2, 0}, {1, 1}},
       {{1, 5}, {3, 5}, {5, 2}, {5, 4}}},
      {"T-junction cuts only the crossed line",
       {{0, 0, 2, 0}, {1, 0, 1, 1}},
       {{0, 0}, {2, 0}, {1, 0}, {1, 1}},
       {{1, 3}, {3, 4}, {3, 2}}},
      {"T-junction, crossed line second",
       {{1, 0, 1, 1}, {0, 0, 2, 0}},
       {{1, 0}, {1, 1}, {0, 0}, {2, 0}},
       {{1, 2}, {3, 1}, {1, 4}}},
      {"shared end", {{0, 0, 1, 0}, {1, 0, 1, 1}}, {{0, 0}, {1, 0}, {1, 1}}, {{1, 2}, {2, 3}}},
      {"collinear overlap",
       {{0, 0, 2, 0}, {1, 0, 3, 0}},
       {{0, 0}, {2, 0}, {1, 0}, {3, 0}},
       {{1, 2}, {3, 4}}},
      {"parallel",
       {{0, 0, 2, 0}, {0, 1, 2, 1}},
       {{0, 0}, {2, 0}, {0, 1}, {2, 1}},
       {{1, 2}, {3, 4}}},
      {"disjoint",
       {{0, 0, 1, 1}, {2, 0, 3, -1}},
       {{0, 0}, {1, 1}, {2, 0}, {3, -1}},
       {{1, 2}, {3, 4}}},
      {"crossing 0.001 from a node is cut at that node",
       {{0, 0, 2, 0}, {1.001, -1, 1.001, 1}, {1, 0.001, 1, 5}},
       {{0, 0}, {2, 0}, {1.001, -1}, {1.001, 1}, {1, 0.001}, {1, 5}, {1.001, 0}},
       {{1, 5}, {3, 5}, {5, 6}, {5, 2}, {5, 4}}},
      {"crossing within the lookup of the line's own end: only the other line is cut",
       {{0, 0, 10, 0}, {9.9995, -1, 9.9995, 1}},
       {{0, 0}, {10, 0}, {9.9995, -1}, {9.9995, 1}, {9.9995, 0}},
       {{1, 2}, {3, 2}, {2, 4}}},
      {"three lines through one point",
       {{0, 0, 2, 2}, {0, 2, 2, 0}, {1, -1, 1, 3}},
       {{0, 0}, {2, 2}, {0, 2}, {2, 0}, {1, -1}, {1, 3}, {1, 1}},
       {{1, 7}, {3, 7}, {5, 7}, {7, 2}, {7, 4}, {7, 6}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LineModel m = convert(drawing({}, c.lines));
    EXPECT_EQ(nodesOf(m), c.nodes);
    EXPECT_EQ(linesOf(m), c.result);
  }
}

TEST(XCheck, ACutThatWouldLengthenTheLineIsRefused) {
  // Scaled by 1/1000 in y, node 1 comes within the lookup of the crossing
  // (9.9999, 0) of lines 2 and 3 but lies beyond the end (10, 0) of line 2.
  ConversionSettings s{"0.001", "1", "0", "0"};
  LineModel m =
      convert(drawing({{{10.0015, 1}}}, {{0, 0, 10, 0}, {9.9999, -1000, 9.9999, 1000}}), s);
  EXPECT_EQ(m.NNODE, 6);  // the crossing point stays registered
  EXPECT_EQ(m.NODES[6].x, 9.9999);
  EXPECT_EQ(m.NODES[6].y, 0.0);
  EXPECT_EQ(linesOf(m), (Pairs{{1, 1}, {2, 3}, {4, 1}, {1, 5}}));
}

TEST(XCheck, WorksInScaledUnits) {
  // 0.0015 apart in the drawing, 0.15 apart after scaling by 100: no snapping.
  ConversionSettings s{"100", "100", "0", "0"};
  LineModel m = convert(
      drawing({}, {{0, 0, 0.02, 0}, {0.0115, -0.01, 0.0115, 0.01}, {0.01, 0.0001, 0.01, 0.05}}), s);
  EXPECT_EQ(linesOf(m), (Pairs{{1, 7}, {3, 7}, {5, 6}, {7, 2}, {7, 4}}));
  EXPECT_DOUBLE_EQ(m.NODES[7].x, 1.15);
}

TEST(XCheck, ATableFilledWhileCuttingSaysWhy) {
  // A chain of collinear lines (no crossings) fills the table up to the X;
  // in the second drawing short lines crowd the crossing as a cascade of
  // cuts would.
  struct Case {
    const char* name;
    int crowd;
    const char* why;
  } cases[] = {
      {"spread out", 0,
       "(1, 6) で切っているところ）: 交点で切った図面の線が扱える数を超えます"
       "（描かれた線 100000 本から、線 100000 本・節点 100004 個に達しました）"},
      {"crowded", 20, "(1, 6) で切っているところ）: 交点が密集していて線が何度も切られます"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DxfDrawing d;
    for (int k = 0; k < kLineCapacity - 2 - c.crowd; ++k)
      d.lines.push_back({{k * 1.0, 0}, {k + 1.0, 0}});
    // Short lines above and below the crossing, between the arms of the X.
    for (int k = 0; k < c.crowd; ++k) {
      double y = 6 + (k % 2 ? -1 : 1) * (0.008 + 0.0025 * (k / 4));
      double x = (k / 2) % 2 ? 0.993 : 1.0;
      d.lines.push_back({{x, y}, {x + 0.004, y}});
    }
    d.lines.push_back({{0, 5}, {2, 7}});
    d.lines.push_back({{0, 7}, {2, 5}});
    LineModel m = DXFtoM2W(d, {});
    EXPECT_EQ(m.NLINE, kLineCapacity);
    try {
      m.XCheck();
      FAIL() << "no error";
    } catch (const common::RangeError& e) {
      EXPECT_THAT(e.what(), HasSubstr("線が 100000 本を超えます"));
      EXPECT_THAT(e.what(), HasSubstr("（交わる線を " + std::string(c.why)));
    }
  }
}

TEST(ConvertDxfFile, MissingFileIsAFileError) {
  EXPECT_THROW(convertDxfFile("/nonexistent/x.dxf", {}), common::FileError);
}

}  // namespace
}  // namespace cadtrace
