// Public drawings from real CAD programs (tests/fixtures/cadtrace, see its
// MANIFEST.md) and the bundled sample: each converts, and its files read back.
#include <gtest/gtest.h>

#include <cmath>

#include "cadtrace/model/conversion.h"
#include "cadtrace/model/writers.h"
#include "common/fields.h"
#include "common/numbers.h"
#include "common/text_file.h"
#include "tests/cadtrace/test_support.h"

namespace cadtrace {
namespace {

/// Reads an M3W text back by the mesh maker's rules (blank-separated fields)
/// and checks it against the model.
void expectReadsBack(const std::string& path, const LineModel& m) {
  std::vector<std::string> lines = common::readTextLines(path);
  ASSERT_EQ(lines.size(), static_cast<size_t>(1 + m.NNODE + m.NLINE));
  std::vector<std::string> header = common::splitFields(lines[0]);
  ASSERT_EQ(header.size(), 2u);
  EXPECT_EQ(common::parseInt(header[0]), m.NNODE);
  EXPECT_EQ(common::parseInt(header[1]), m.NLINE);
  for (int n = 1; n <= m.NNODE; ++n) {
    std::vector<std::string> f = common::splitFields(lines[n]);
    ASSERT_EQ(f.size(), 3u) << lines[n];
    EXPECT_EQ(common::parseInt(f[0]), n);
    ASSERT_TRUE(common::parseReal(f[1]));
    EXPECT_NEAR(*common::parseReal(f[1]), m.NODES[n].x, 0.0005 + 1e-12 * std::fabs(m.NODES[n].x));
  }
  for (int l = 1; l <= m.NLINE; ++l) {
    std::vector<std::string> f = common::splitFields(lines[m.NNODE + l]);
    ASSERT_EQ(f.size(), 3u);
    EXPECT_EQ(common::parseInt(f[1]), m.LINES[l].p1);
    EXPECT_EQ(common::parseInt(f[2]), m.LINES[l].p2);
  }
}

/// Every line joins two different valid nodes, or is a loop written as drawn.
void expectSane(const LineModel& m) {
  for (int l = 1; l <= m.NLINE; ++l) {
    EXPECT_GE(m.LINES[l].p1, 1);
    EXPECT_LE(m.LINES[l].p1, m.NNODE);
    EXPECT_GE(m.LINES[l].p2, 1);
    EXPECT_LE(m.LINES[l].p2, m.NNODE);
  }
  // No two lines still cross away from their ends.
  for (int i = 1; i <= m.NLINE; ++i) {
    for (int j = i + 1; j <= m.NLINE; ++j) {
      double x, y;
      if (!m.isCross(m.LINES[i].p1, m.LINES[i].p2, m.LINES[j].p1, m.LINES[j].p2, x, y)) continue;
      auto nearEnd = [&](int line) {
        for (int node : {m.LINES[line].p1, m.LINES[line].p2})
          if (LineLength(x, y, m.NODES[node].x, m.NODES[node].y) < 0.002) return true;
        return false;
      };
      EXPECT_TRUE(nearEnd(i) && nearEnd(j)) << "lines " << i << " and " << j;
    }
  }
}

TEST(Fixtures, EachConvertsAndReadsBack) {
  struct Case {
    const char* file;
    int nodes, lines;
  } cases[] = {
      {"cadtrace/supported_entities.dxf", 78, 91},  // 65 segments, 26 T-junctions
      {"cadtrace/openscad_export.dxf", 452, 452},   // R12 LINEs without subclass markers
      {"cadtrace/wipeout_random.dxf", 143, 196},    // 30 LINEs, 83 crossings: 30 + 2 * 83
      {"cadtrace/cc_dxflib.dxf", 0, 0},             // only a 3-D polyline, skipped
      {"cadtrace/VP4.dxf", 22, 21},                 // bulges as chords, widths ignored
  };
  testing::ScratchFolder scratch("cadtrace_fixtures");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    LineModel m = convertDxfFile(std::string(SEEP_FIXTURE_DIR) + "/" + c.file, {});
    EXPECT_EQ(m.NNODE, c.nodes);
    EXPECT_EQ(m.NLINE, c.lines);
    expectSane(m);
    std::string m3w = scratch.path("out.M3W");
    EXPECT_EQ(writeOutputs(m, m3w), scratch.path("out.TXT"));
    expectReadsBack(m3w, m);
    EXPECT_EQ(common::readTextLines(scratch.path("out.TXT")).size(),
              static_cast<size_t>(2 + m.NNODE + m.NLINE));
  }
}

TEST(Fixtures, SampleSectionHasClosedCells) {
  LineModel m = convertDxfFile(std::string(SEEP_SOURCE_DIR) + "/examples/section.dxf", {});
  expectSane(m);
  EXPECT_EQ(m.NNODE, 39);
  EXPECT_EQ(m.NLINE, 66);
  // Every node used by a line meets at least two lines: no dangling ends.
  std::vector<int> degree(m.NNODE + 1);
  for (int l = 1; l <= m.NLINE; ++l) {
    ++degree[m.LINES[l].p1];
    ++degree[m.LINES[l].p2];
  }
  for (int n = 1; n <= m.NNODE; ++n) EXPECT_GE(degree[n], 2) << "node " << n;
}

}  // namespace
}  // namespace cadtrace
