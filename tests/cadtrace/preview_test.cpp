#include "cadtrace/model/preview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cadtrace/test_support.h"

namespace cadtrace {
namespace {

/// Records the drawing commands as text.
class RecordingCanvas : public PreviewCanvas {
 public:
  void ellipse(int x1, int y1, int x2, int y2) override {
    calls.push_back("ellipse " + std::to_string(x1) + " " + std::to_string(y1) + " " +
                    std::to_string(x2) + " " + std::to_string(y2));
  }
  void line(int x1, int y1, int x2, int y2) override {
    calls.push_back("line " + std::to_string(x1) + " " + std::to_string(y1) + " " +
                    std::to_string(x2) + " " + std::to_string(y2));
  }
  std::vector<std::string> calls;
};

using testing::model;

TEST(DispXY, NodesThenLinesCentredAndFitted) {
  // Extents 0..100 x 0..10 on 200 x 100 pixels: s = min(2, 10) * 0.95 = 1.9.
  LineModel m = model({{0, 0}, {100, 10}, {50, 5}}, {{1, 2}, {2, 3}});
  RecordingCanvas canvas;
  DispXY(m, 200, 100, canvas);
  EXPECT_EQ(canvas.calls, (std::vector<std::string>{
                              "ellipse 7 61 3 57",      // (5, 59)
                              "ellipse 197 42 193 38",  // (195, 40)
                              "ellipse 102 52 98 48",   // (100, 50)
                              "line 5 59 195 40",
                              "line 195 40 100 50",
                          }));
}

TEST(DispXY, TruncatesTowardZero) {
  PreviewMapping map(model({{-1, -1}, {1, 1}}, {}), 10, 10);
  EXPECT_DOUBLE_EQ(map.scale(), 4.75);
  EXPECT_EQ(map.pixelX(-1.1), 0);   // -0.225 -> 0
  EXPECT_EQ(map.pixelX(-1.3), -1);  // -1.175 -> -1
  EXPECT_EQ(map.pixelY(-1.3), 11);  // 11.175
}

TEST(DispXY, DegenerateDrawingsDoNotFail) {
  struct Case {
    const char* name;
    std::vector<Point> nodes;
  } cases[] = {
      {"no nodes", {}},
      {"one node", {{3, 4}}},
      {"one x", {{3, 0}, {3, 10}}},
      {"one y", {{0, 4}, {10, 4}}},
      {"huge", {{-1.7e308, 0}, {1.7e308, 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingCanvas canvas;
    LineModel m = model(c.nodes, {});
    if (m.NNODE >= 2) {
      m.NLINE = 1;
      m.LINES.push_back({1, 2});
    }
    DispXY(m, 400, 300, canvas);
    EXPECT_EQ(canvas.calls.size(), static_cast<size_t>(m.NNODE + m.NLINE));
  }
  RecordingCanvas canvas;
  DispXY(model({{3, 0}, {3, 10}}, {}), 400, 300, canvas);
  // One x: the y extent alone sets the scale (300 / 10 * 0.95).
  EXPECT_EQ(canvas.calls[0], "ellipse 202 294 198 290");
}

}  // namespace
}  // namespace cadtrace
