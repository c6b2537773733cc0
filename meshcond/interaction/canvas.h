// The drawing operations the condition editor's view needs, in pixels of the
// drawing area. The window implements them on an off-screen image; tests
// record them.
#pragma once

#include <array>
#include <string_view>

#include "meshcond/interaction/colours.h"
#include "meshcond/interaction/view.h"

namespace meshcond::ui {

class Canvas {
 public:
  virtual ~Canvas() = default;

  /// Fills the whole drawing area.
  virtual void clear(Colour colour) = 0;
  /// The closed polygon p0 p1 p2 p3 p0, filled and outlined (1 pixel).
  virtual void polygon(const std::array<Pixel, 4>& corners, Colour fill, Colour outline) = 0;
  /// A filled circle with its outline, in the box (x-r, y-r)-(x+r, y+r).
  virtual void circle(Pixel centre, int radius, Colour colour) = 0;
  /// Text with its top-left corner at the point, on a transparent background.
  virtual void text(Pixel topLeft, std::string_view utf8, Colour colour, int pointSize) = 0;
  /// The rubber band: a dotted red outline drawn in the inverting mode, so
  /// that drawing the same rectangle again restores what was there.
  virtual void bandRectangle(Pixel a, Pixel b) = 0;
  /// A solid outline in the normal mode.
  virtual void rectangle(Pixel a, Pixel b, Colour colour) = 0;
};

}  // namespace meshcond::ui
