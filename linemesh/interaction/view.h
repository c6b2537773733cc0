// The view of the mesh maker: which part of the world the drawing surface
// shows, the mapping between world coordinates and pixels, the redraw of the
// whole network, and the window changes behind the zoom and pan buttons.
// The editor (line_editor.h) sequences these with the rubber band and the
// scroll bars.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "linemesh/interaction/canvas.h"
#include "linemesh/model/faces.h"
#include "linemesh/model/formation_report.h"
#include "linemesh/model/network.h"

namespace linemesh::ui {

/// The colour table: index = colour modulo 14.
Rgb tableColor(int color);

/// A face to fill: its outer ring and the rings of its holes, in world
/// coordinates so that later edits of the tables cannot make it point elsewhere.
using WorldRing = std::vector<std::array<double, 2>>;
using FaceRings = std::vector<WorldRing>;
FaceRings ringsOf(const LineNetwork& net, const Face& face);

/// What the element view marks after a formation that left something out:
/// the cells without element and the lines that are no element's side.
struct FormationMarks {
  std::vector<FaceRings> cells;
  std::vector<std::array<double, 4>> looseLines;

  /// The marks of the formation whose result the tables hold.
  static FormationMarks of(const LineNetwork& net, const FormationReport& report);
};

/// Light warning colour of the cells without element, and grey of the loose lines.
inline constexpr Rgb kCellWarningColor = 0xFFE08A;
inline constexpr int kLooseLineColor = 10;
/// Light highlight of the faces picked for automatic meshing.
inline constexpr Rgb kPickedFaceColor = 0xB8DCFF;

class View {
 public:
  View(LineNetwork& net, Canvas& canvas);

  // The world window shown and its centre.
  double gxmin = -200.0, gxmax = 200.0, gymin = -50.0, gymax = 50.0;
  double xmed = 0.0, ymed = 0.0;
  double gscale = 1.0;                 // pixels per world unit
  double cx = 0.0, cy = 0.0;           // centre of the surface in pixels
  double cr = 0.5;                     // node marker radius in world units
  bool frame = false;                  // true: the formed elements are shown instead of the lines
  bool numbers = true;                 // element numbers written in the element view
  FormationMarks marks;                // drawn with the elements
  std::vector<FaceRings> pickedFaces;  // filled under the lines or elements

  /// The size of the area that holds the surface (the pan steps use it).
  void setBoxSize(int w, int h);
  int boxWidth() const;
  int boxHeight() const;

  /// Start-up: the window becomes the extents, the scale is computed.
  void reset();

  /// Sets xmed, ymed and the model's snapping tolerance; returns the scale.
  double getGscale();

  int toPixelX(double x) const;
  int toPixelY(double y) const;
  double toWorldX(int sx) const;
  double toWorldY(int sy) const;

  /// Redraws the whole model.
  void Disp();
  /// "節点：" and the node count, as shown after every redraw.
  std::string nodeCaption() const;
  /// "要素：" and the number of triangles and quadrilaterals.
  std::string elementCaption() const;

  // Drawing primitives in world coordinates.
  void gCls();
  void gColor(int color);
  void gLine(double x1, double y1, double x2, double y2, int color);
  void gCircle(double x, double y, double r, int color);
  void gTextOut(double x, double y, double h, const std::string& s, int color);

  // Window changes of the view buttons (no redraw).
  void zoomIn();
  void zoomOut();
  void zoomAll();
  void widen();  // the second "拡大" button
  void panLeft();
  void panRight();
  void panUp();
  void panDown();
  /// Scales the window by `factor` about the world point under pixel
  /// (sx, sy), which keeps its place on the surface. Zooming out (factor
  /// above 1) stops at the extents: a window that holds them all is not made
  /// larger, and one that would pass them is moved back or cut to them.
  void zoomAt(int sx, int sy, double factor);
  /// Moves the window with a drag of (dx, dy) pixels, the drawing following
  /// the mouse; the centre stays within the extents.
  void dragBy(int dx, int dy);
  /// True when the window holds the whole extents.
  bool showsExtents() const;
  /// Sets the window to the box between two world points; a box without
  /// width or height is refused (returns false, window unchanged).
  bool selectArea(double x1, double y1, double x2, double y2);
  /// Centre of the window from its limits.
  void centre();

  /// Scroll bar positions for the current centre, limited to 0..100.
  int horzPosition() const;
  int vertPosition() const;
  /// Re-centre the window for a scroll bar position.
  void horzScrolled(int position);
  void vertScrolled(int position);

  /// Gives extents without width or height a minimal size about their
  /// centre (one node read, or none), so that a window can always be shown.
  void fitExtents();

 private:
  /// Fills each face (holes left out) in the colour.
  void fillFaces(const std::vector<FaceRings>& faces, Rgb color);
  /// Scales the window about its centre (xmed, ymed).
  void scaleWindow(double factor);

  LineNetwork& net_;
  Canvas& canvas_;
  int boxW_ = -1, boxH_ = -1;
};

}  // namespace linemesh::ui
