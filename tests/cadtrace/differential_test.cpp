// The indexed conversion against the plain one on random drawings full of
// crossings, T-junctions, shared ends, collinear overlaps and near points.
// CADTRACE_DIFF_ITERATIONS=N runs N drawings per test instead of the default.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <random>

#include "cadtrace/model/conversion.h"
#include "cadtrace/model/writers.h"
#include "common/errors.h"
#include "tests/cadtrace/dxf_text.h"
#include "tests/cadtrace/literal_conversion.h"

namespace cadtrace {
namespace {

int iterations(int fallback) {
  if (const char* text = std::getenv("CADTRACE_DIFF_ITERATIONS")) return std::atoi(text);
  return fallback;
}

/// Random drawings of a few kinds of trouble.
class DrawingMaker {
 public:
  explicit DrawingMaker(uint64_t seed) : random_(seed) {}

  DxfDrawing make() {
    DxfDrawing d;
    // Coarse steps give shared ends, T-junctions and collinear overlaps; the
    // nudges give points 0.001 and 0.002 apart and crossings near nodes.
    step_ = pick({0.5, 1.0, 0.25, 0.0});
    int lines = uniform(1, 60);
    for (int k = 0; k < lines; ++k) d.lines.push_back({point(), point()});
    int polylines = uniform(0, 4);
    for (int k = 0; k < polylines; ++k) {
      std::vector<Point> vertices;
      int n = uniform(1, 6);
      for (int v = 0; v < n; ++v) vertices.push_back(point());
      d.polylines.push_back(vertices);
    }
    return d;
  }

  ConversionSettings settings() {
    if (uniform(0, 2) != 0) return {};
    return {pick({"1", "100", "0.5", "-2"}), pick({"1", "200", "3"}), pick({"0", "10", "0.001"}),
            pick({"0", "5", "-0.002"})};
  }

 private:
  template <typename T>
  T pick(std::initializer_list<T> options) {
    return options.begin()[uniform(0, static_cast<int>(options.size()) - 1)];
  }
  int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }
  double coordinate() {
    double v = step_ > 0 ? uniform(0, static_cast<int>(10 / step_)) * step_
                         : std::uniform_real_distribution<double>(0, 10)(random_);
    switch (uniform(0, 9)) {
      case 0:
        return v + 0.001;
      case 1:
        return v - 0.002;
      case 2:
        return v + 0.0015;
      case 3:
        return v + 1e-11;
      default:
        return v;
    }
  }
  Point point() {
    if (!recent_.empty() && uniform(0, 3) == 0) return recent_[uniform(0, recent_.size() - 1)];
    Point p{coordinate(), coordinate()};
    recent_.push_back(p);
    return p;
  }

  std::mt19937_64 random_;
  double step_ = 1;
  std::vector<Point> recent_;
};

double number(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

void expectSameTables(const LineModel& fast, const literal::Tables& slow) {
  ASSERT_EQ(fast.NNODE, slow.NNODE);
  ASSERT_EQ(fast.NLINE, slow.NLINE);
  for (int n = 1; n <= fast.NNODE; ++n) {
    ASSERT_EQ(fast.NODES[n].x, slow.NODES[n].x) << "node " << n;
    ASSERT_EQ(fast.NODES[n].y, slow.NODES[n].y) << "node " << n;
  }
  for (int l = 1; l <= fast.NLINE; ++l) {
    ASSERT_EQ(fast.LINES[l].p1, slow.LINES[l].p1) << "line " << l;
    ASSERT_EQ(fast.LINES[l].p2, slow.LINES[l].p2) << "line " << l;
  }
  LineModel slowModel = literal::toModel(slow);
  EXPECT_EQ(MakeM2W(fast), MakeM2W(slowModel));
  EXPECT_EQ(MakeXY(fast), MakeXY(slowModel));
}

void compare(const DxfDrawing& d, const ConversionSettings& s) {
  LineModel fast = DXFtoM2W(d, s);
  literal::Tables slow =
      literal::DXFtoM2W(d, number(s.scaleV), number(s.scaleH), number(s.kijunV), number(s.kijunH));
  expectSameTables(fast, slow);
  fast.XCheck();
  slow.XCheck();
  expectSameTables(fast, slow);
}

TEST(Differential, RandomDrawings) {
  int n = iterations(400);
  for (int k = 0; k < n; ++k) {
    SCOPED_TRACE("seed " + std::to_string(k));
    DrawingMaker maker(k);
    DxfDrawing d = maker.make();
    compare(d, maker.settings());
    if (::testing::Test::HasFatalFailure()) return;
  }
}

TEST(Differential, LongLinesCrossingManyShortOnes) {
  int n = iterations(40);
  for (int k = 0; k < n; ++k) {
    SCOPED_TRACE("seed " + std::to_string(k));
    std::mt19937_64 random(1000 + k);
    std::uniform_real_distribution<double> u(0, 100);
    DxfDrawing d;
    for (int l = 0; l < 6; ++l) d.lines.push_back({{u(random), 0}, {u(random), 100}});
    for (int l = 0; l < 6; ++l) d.lines.push_back({{0, u(random)}, {100, u(random)}});
    for (int l = 0; l < 80; ++l) {
      double x = u(random), y = u(random);
      d.lines.push_back({{x, y}, {x + u(random) / 20, y + u(random) / 20 - 2.5}});
    }
    compare(d, {});
    if (::testing::Test::HasFatalFailure()) return;
  }
}

TEST(Differential, ThroughTheDxfText) {
  int n = iterations(60);
  for (int k = 0; k < n; ++k) {
    SCOPED_TRACE("seed " + std::to_string(k));
    DrawingMaker maker(5000 + k);
    DxfDrawing d = maker.make();
    using testing::operator+;
    testing::Groups groups;
    auto text = [](double v) {
      char buffer[40];
      auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
      return std::string(buffer, end);
    };
    for (const auto& poly : d.polylines) {
      std::vector<std::pair<std::string, std::string>> vertices;
      for (const Point& p : poly) vertices.push_back({text(p.x), text(p.y)});
      groups = groups + testing::lwpolyline(vertices);
    }
    for (const DxfSegment& s : d.lines)
      groups =
          groups + testing::line(text(s.start.x), text(s.start.y), text(s.end.x), text(s.end.y));
    DxfDrawing read = readDxfEntities(testing::entitiesFile(groups), "random.dxf");
    ASSERT_EQ(read.polylines.size(), d.polylines.size());
    ASSERT_EQ(read.lines.size(), d.lines.size());
    for (size_t l = 0; l < d.lines.size(); ++l) {
      ASSERT_EQ(read.lines[l].start.x, d.lines[l].start.x);
      ASSERT_EQ(read.lines[l].end.y, d.lines[l].end.y);
    }
    compare(read, {});
    if (::testing::Test::HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace cadtrace
