// A figure of the mesh for a report, as arithmetic: the file format by the
// name's extension, the page, where the title, the view, the scale bar and
// the legend go, and how long the scale bar is.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "figure/messages.h"

namespace figure {

enum class Format { Pdf, Svg, Png };

/// By the file name's extension: .pdf, .svg or .png in either case.
std::optional<Format> formatOf(std::string_view path);

enum class Paper { A4, A3 };

/// A figure's size: the paper (landscape) of a PDF, the pixels of an SVG or PNG.
struct FigureSize {
  Paper paper = Paper::A4;
  int width = 1600;
  int height = 1000;
  bool operator==(const FigureSize&) const = default;
};

/// The pixel sizes a figure may have.
inline constexpr int kMinPixels = 200;
inline constexpr int kMaxPixels = 10000;

/// "A4", "A3" (either case) or "WIDTHxHEIGHT" in pixels; nothing for anything else.
std::optional<FigureSize> parseSize(std::string_view text);

/// Device units of a PDF page per inch: fine enough that whole units never
/// show, coarse enough that lines and markers of one unit read well on paper.
inline constexpr int kPdfResolution = 150;

struct Box {
  double x = 0.0;
  double y = 0.0;
  double width = 0.0;
  double height = 0.0;
  double right() const { return x + width; }
  double bottom() const { return y + height; }
};

/// The page in device units: the landscape paper at kPdfResolution for a
/// PDF, the pixels otherwise.
Box pageOf(Format format, const FigureSize& size);

/// What the layout needs to know of the texts, measured on the page.
struct LayoutInput {
  double width = 0.0, height = 0.0;  // the page
  double titleHeight = 0.0;          // a line of the title
  double textHeight = 0.0;           // a line of the legend and the scale bar
  double legendTextWidth = 0.0;      // the widest legend text
  int legendEntries = 0;
};

struct FigureLayout {
  double margin = 0.0;
  Box title;
  Box view;
  Box scaleBar;  // under the view, as wide as it
  Box legend;    // right of the view; no size without entries
  double legendRowHeight = 0.0;
  double legendColumnWidth = 0.0;
  int legendRows = 0;     // entries per column, below the heading
  int legendColumns = 0;  // columns used
  /// Entries drawn; when fewer than all, the last place says how many are left out.
  int legendShown = 0;
};

/// Title across the top, legend in columns at the right (at most a third of
/// the width), scale bar at the bottom, the view in the rest.
FigureLayout layoutFigure(const LayoutInput& in);

/// The longest bar of 1, 2 or 5 times a power of ten metres that is at most
/// maxUnits long at unitsPerMetre; 0 when no scale is known.
double scaleBarMetres(double unitsPerMetre, double maxUnits);
/// The parts the bar is divided into: 5 for 1 and 5 times a power of ten, 4 for 2.
int scaleBarParts(double metres);
/// The length as the bar's label: "0.5 m", "20 m".
std::string metresText(double metres);

/// How a legend entry and its marks are drawn.
enum class Symbol { Swatch, Circle, Square, Triangle, Diamond };

/// The corners of a square, triangle (pointing down, its last corner
/// repeated) or diamond of half-size r about the origin, y downwards. Other
/// symbols give the square.
std::array<std::array<double, 2>, 4> symbolCorners(Symbol symbol, double r);

struct LegendEntry {
  Symbol symbol = Symbol::Swatch;
  uint32_t rgb = 0;  // 0xRRGGBB
  std::string text;  // UTF-8
  bool operator==(const LegendEntry&) const = default;
};

/// The text of the legend's last place when entries are left out.
std::string leftOutText(int count);

/// A figure's title from a file: its name without the folder, or "メッシュ"
/// when there is no file.
std::string fileTitle(std::string_view path);

/// Why a file name is refused.
inline const char* const kFormatProblem = text::formatProblem();

}  // namespace figure
