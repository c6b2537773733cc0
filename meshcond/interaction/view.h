// The condition editor's view: the mapping between metres and pixels of the
// drawing area, zoom, pan, the scroll bars and the rubber-band rectangle.
//
// Plain arithmetic on the window's view fields; the window forwards its
// buttons, scroll bars and mouse events here and paints what DatShow draws.
#pragma once

#include "common/point.h"

namespace meshcond::ui {

struct Pixel {
  int x = 0;
  int y = 0;
  bool operator==(const Pixel&) const = default;
};

using ModelPoint = common::Point;

/// A scroll bar's setting: position and page size on the 0..500 scale.
struct ScrollSetting {
  int position = 0;
  int page = 500;
};

class View {
 public:
  static constexpr int kScrollRange = 500;

  /// The start-up view: extent and window -2000..2000 both ways, scale 1.
  View();

  /// The drawing area's size in pixels; sets cx, cy.
  void setSize(int width, int height);
  /// A new size of the drawing area; the next redraw takes it up.
  void resize(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }

  /// Pixels per metre of the current window; sets xmed, ymed to its centre.
  double getGScale();

  /// The redraw's first step: cx, cy from the size, gscale from the window.
  void prepareRedraw();

  Pixel toScreen(double x, double y) const;
  ModelPoint toModel(int X, int Y) const;

  /// The full extent (xmaxxmin of the model for this drawing area's size).
  void setExtent(double newXmin, double newXmax, double newYmin, double newYmax);

  /// After a load: the window := the full extent, scroll bars to position 0
  /// and page 500, eps from the extent, scale from the window.
  void resetToExtent();

  void zoomIn();
  void zoomOut();
  /// The window := the full extent (btnAreaSelect).
  void showExtent();
  /// The full extent widened by 5 % of its size on every side (btnRed2).
  void showExtentWithMargin();

  void panLeft();   // spdLeft: the picture moves left
  void panRight();  // spdRifht: the picture moves right
  void panUp();     // spdUp: the picture moves up
  void panDown();   // spdDown: the picture moves down

  /// The user moved a scroll bar: the window keeps its size and moves.
  void scrollHorizontal(int position);
  void scrollVertical(int position);

  /// The zoom window's action for the rectangle (XOrg, YOrg)-(XPos, YPos).
  void zoomToBand();

  /// Rubber band: starts at a pixel, follows the cursor, ends.
  void startBand(int X, int Y);
  void moveBand(int X, int Y);
  void endBand() { DrawFlag = false; }

  // The window's view fields, named as the window names them.
  double gscale = 1.0;
  double xmed = 0.0, ymed = 0.0;
  double xmax = 2000.0, xmin = -2000.0, ymax = 2000.0, ymin = -2000.0;
  int cx = 0, cy = 0;
  double dx = 0.0, dy = 0.0;
  double eps = 0.0;
  int XOrg = 0, YOrg = 0, XPos = 0, YPos = 0;
  double gxmax = 2000.0, gxmin = -2000.0, gymax = 2000.0, gymin = -2000.0;
  double xrange = 0.0, yrange = 0.0;
  bool DrawFlag = false;

  /// The scroll bars as the view last set them (positions on 0..500; the
  /// page sizes change only by a zoom or a load).
  ScrollSetting hScroll;
  ScrollSetting vScroll;

 private:
  /// Scales the window's half-widths about its centre (xmed, ymed).
  void scaleAboutCentre(double factor);
  /// After a zoom: the window kept open, its range, centre and scroll bars.
  void settleZoom();
  void setScrollPositions();
  void setScrollPages();
  void keepWindowOpen();

  int width_ = 0;
  int height_ = 0;
};

}  // namespace meshcond::ui
