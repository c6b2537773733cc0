// A canvas that records the drawing operations, for tests of the redraw.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "meshcond/interaction/canvas.h"

namespace meshcond::ui::testing {

struct DrawOp {
  enum Kind { Clear, Polygon, Circle, Text, Band, Rectangle } kind;
  std::vector<Pixel> points;
  Colour colour = 0;  // fill (polygon), colour (others)
  Colour outline = 0;
  std::string text;
  int size = 0;
};

class RecordingCanvas : public Canvas {
 public:
  void clear(Colour c) override { ops.push_back({DrawOp::Clear, {}, c, 0, "", 0}); }
  void polygon(const std::array<Pixel, 4>& p, Colour fill, Colour outline) override {
    ops.push_back({DrawOp::Polygon, {p.begin(), p.end()}, fill, outline, "", 0});
  }
  void circle(Pixel centre, int radius, Colour c) override {
    ops.push_back({DrawOp::Circle, {centre}, c, 0, "", radius});
  }
  void text(Pixel at, std::string_view s, Colour c, int size) override {
    ops.push_back({DrawOp::Text, {at}, c, 0, std::string(s), size});
  }
  void bandRectangle(Pixel a, Pixel b) override {
    ops.push_back({DrawOp::Band, {a, b}, kPureRed, 0, "", 0});
  }
  void rectangle(Pixel a, Pixel b, Colour c) override {
    ops.push_back({DrawOp::Rectangle, {a, b}, c, 0, "", 0});
  }

  std::vector<DrawOp> of(DrawOp::Kind kind) const {
    std::vector<DrawOp> out;
    for (const DrawOp& op : ops)
      if (op.kind == kind) out.push_back(op);
    return out;
  }

  std::vector<DrawOp> ops;
};

}  // namespace meshcond::ui::testing
