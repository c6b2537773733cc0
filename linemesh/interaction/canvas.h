// The drawing surface as the view and the editor see it: a few primitives in
// pixel coordinates and the drawing tools they use. The window implements it
// on an off-screen image; tests record the commands.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace linemesh::ui {

/// A packed 24-bit colour, 0xRRGGBB.
using Rgb = uint32_t;

enum class PenStyle { Solid, Dot };
/// Inverting draws the inverse of (pen XOR screen): drawing the same shape
/// twice restores the surface, which is how rubber bands are erased.
enum class PenMode { Normal, Inverting };
enum class FillStyle { Solid, Clear };

struct DrawingTools {
  Rgb penColor = 0x000000;
  int penWidth = 1;
  PenStyle penStyle = PenStyle::Solid;
  PenMode penMode = PenMode::Normal;
  Rgb fillColor = 0xFFFFFF;
  FillStyle fillStyle = FillStyle::Solid;

  bool operator==(const DrawingTools&) const = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int width() const = 0;
  virtual int height() const = 0;

  /// Fills the box from (x1, y1) up to, not including, (x2, y2) with the fill colour.
  virtual void fillRect(int x1, int y1, int x2, int y2) = 0;
  /// A line in the pen from (x1, y1) to (x2, y2).
  virtual void line(int x1, int y1, int x2, int y2) = 0;
  /// An ellipse in the box from (x1, y1) to (x2, y2): filled, outlined with the pen.
  virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
  /// The outline of a rectangle with corners (x1, y1) and (x2, y2), filled
  /// unless the fill style is clear.
  virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
  /// Fills the region inside the closed rings with the fill colour, no
  /// outline; a ring inside another is left out (even-odd), so holes stay.
  virtual void fillRings(const std::vector<std::vector<std::array<int, 2>>>& rings) = 0;
  /// UTF-8 text with its top left corner at (x, y), in black.
  virtual void textOut(int x, int y, const std::string& text) = 0;

  const DrawingTools& tools() const { return tools_; }
  void setPenColor(Rgb c) { tools_.penColor = c; }
  void setPenWidth(int w) { tools_.penWidth = w; }
  void setPenStyle(PenStyle s) { tools_.penStyle = s; }
  void setPenMode(PenMode m) { tools_.penMode = m; }
  void setFillColor(Rgb c) { tools_.fillColor = c; }
  void setFillStyle(FillStyle s) { tools_.fillStyle = s; }

 private:
  DrawingTools tools_;
};

}  // namespace linemesh::ui
