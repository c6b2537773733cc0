#include "figure/layout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace figure {

namespace {

std::string lower(std::string_view text) {
  std::string s(text);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

bool endsWith(const std::string& s, std::string_view tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

std::optional<int> pixels(std::string_view text) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < kMinPixels || value > kMaxPixels) return std::nullopt;
  return value;
}

}  // namespace

std::optional<Format> formatOf(std::string_view path) {
  const std::string name = lower(path);
  if (endsWith(name, ".pdf")) return Format::Pdf;
  if (endsWith(name, ".svg")) return Format::Svg;
  if (endsWith(name, ".png")) return Format::Png;
  return std::nullopt;
}

std::optional<FigureSize> parseSize(std::string_view text) {
  const std::string s = lower(text);
  if (s == "a4") return FigureSize{Paper::A4};
  if (s == "a3") return FigureSize{Paper::A3};
  const size_t x = s.find('x');
  if (x == std::string::npos) return std::nullopt;
  auto w = pixels(std::string_view(s).substr(0, x));
  auto h = pixels(std::string_view(s).substr(x + 1));
  if (!w || !h) return std::nullopt;
  return FigureSize{Paper::A4, *w, *h};
}

Box pageOf(Format format, const FigureSize& size) {
  if (format != Format::Pdf) return {0, 0, double(size.width), double(size.height)};
  // Landscape: the long side across.
  const double longSide = size.paper == Paper::A3 ? 420.0 : 297.0;
  const double shortSide = size.paper == Paper::A3 ? 297.0 : 210.0;
  const double unitsPerMm = kPdfResolution / 25.4;
  return {0, 0, std::floor(longSide * unitsPerMm), std::floor(shortSide * unitsPerMm)};
}

FigureLayout layoutFigure(const LayoutInput& in) {
  FigureLayout l;
  l.margin = std::round(0.03 * std::min(in.width, in.height));
  const double m = l.margin;
  const double gap = std::round(in.textHeight * 0.8);
  const double inner = std::max(in.width - 2 * m, 1.0);
  l.title = {m, m, inner, std::round(in.titleHeight * 1.4)};
  const double top = l.title.bottom() + gap;
  const double barHeight = std::round(in.textHeight * 2.6);
  const double bottom = std::max(in.height - m, top + 1.0);

  double viewRight = m + inner;
  if (in.legendEntries > 0) {
    l.legendRowHeight = std::round(in.textHeight * 1.5);
    // Symbol, a gap and the text, then a gap to the next column.
    l.legendColumnWidth = std::ceil(in.textHeight * 2.5 + in.legendTextWidth);
    const int rows =
        std::max(1, static_cast<int>((bottom - top) / l.legendRowHeight) - 1);  // heading
    const int needed = (in.legendEntries + rows - 1) / rows;
    const int fitting = std::max(1, static_cast<int>(inner / 3 / l.legendColumnWidth));
    l.legendColumns = std::min(needed, fitting);
    l.legendRows = std::min(rows, (in.legendEntries + l.legendColumns - 1) / l.legendColumns);
    const int places = l.legendRows * l.legendColumns;
    l.legendShown = in.legendEntries <= places ? in.legendEntries : places - 1;
    const double width = l.legendColumns * l.legendColumnWidth;
    l.legend = {m + inner - width, top, width, (l.legendRows + 1) * l.legendRowHeight};
    viewRight = l.legend.x - gap;
  }
  const double viewWidth = std::max(viewRight - m, 1.0);
  l.scaleBar = {m, std::max(bottom - barHeight, top), viewWidth, barHeight};
  l.view = {m, top, viewWidth, std::max(l.scaleBar.y - gap - top, 1.0)};
  return l;
}

double scaleBarMetres(double unitsPerMetre, double maxUnits) {
  if (!(unitsPerMetre > 0) || !std::isfinite(unitsPerMetre) || !(maxUnits > 0)) return 0.0;
  const double limit = maxUnits / unitsPerMetre;
  double power = std::pow(10.0, std::floor(std::log10(limit)));
  double best = 0.0;
  for (double step : {1.0, 2.0, 5.0, 10.0}) {
    const double candidate = step * power;
    // Compare with a little room for the rounding of pow and log10.
    if (candidate <= limit * (1 + 1e-9)) best = candidate;
  }
  return best;
}

int scaleBarParts(double metres) {
  if (!(metres > 0)) return 1;
  const double lead = metres / std::pow(10.0, std::floor(std::log10(metres) + 1e-9));
  return std::abs(lead - 2.0) < 1e-6 ? 4 : 5;
}

std::string metresText(double metres) {
  char text[64];
  std::snprintf(text, sizeof text, "%.10g m", metres);
  return text;
}

std::array<std::array<double, 2>, 4> symbolCorners(Symbol symbol, double r) {
  switch (symbol) {
    case Symbol::Triangle: {
      // Equal sides, centred on the origin's height.
      const double h = r * 0.9;
      return {{{-r, -h}, {r, -h}, {0, h}, {0, h}}};
    }
    case Symbol::Diamond:
      return {{{0, -r}, {r, 0}, {0, r}, {-r, 0}}};
    default:
      return {{{-r, -r}, {r, -r}, {r, r}, {-r, r}}};
  }
}

std::string leftOutText(int count) { return text::leftOut(count); }

std::string fileTitle(std::string_view path) {
  const size_t slash = path.find_last_of("/\\");
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  return name.empty() ? text::untitled() : std::string(name);
}

}  // namespace figure
