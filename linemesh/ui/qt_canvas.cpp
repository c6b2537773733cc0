#include "linemesh/ui/qt_canvas.h"

#include <algorithm>

#include "desktop/digit_stamps.h"

namespace linemesh::ui {

namespace {

// Discs up to this size are copied from a stamp; node markers are 5 pixels.
constexpr int kLargestStamp = 64;

/// The pixel times keep / 255 in each colour, rounded: black text over it
/// with coverage 255 - keep.
inline QRgb darkened(QRgb pixel, uint keep) {
  uint redBlue = (pixel & 0xFF00FFu) * keep;
  redBlue = ((redBlue + ((redBlue >> 8) & 0xFF00FFu) + 0x800080u) >> 8) & 0xFF00FFu;
  uint green = ((pixel >> 8) & 0xFFu) * keep;
  green = ((green + (green >> 8) + 0x80u) >> 8) & 0xFFu;
  return 0xFF000000u | redBlue | (green << 8);
}

}  // namespace

QtCanvas::QtCanvas(int w, int h) { resize(w, h); }

QtCanvas::~QtCanvas() { flush(); }

void QtCanvas::resize(int w, int h) {
  flush();
  image_ = QImage(std::max(w, 1), std::max(h, 1), QImage::Format_RGB32);
  image_.fill(Qt::white);
}

void QtCanvas::flush() {
  drawLines();
  if (painter_) {
    painter_->end();
    painter_.reset();
  }
}

const QImage& QtCanvas::image() {
  flush();
  return image_;
}

QPainter& QtCanvas::painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    digitsChecked_ = false;
  }
  return *painter_;
}

void QtCanvas::drawLines() {
  if (lines_.empty()) return;
  const DrawingTools now = tools();
  setPenColor(linesTools_.penColor);
  setPenWidth(linesTools_.penWidth);
  setPenStyle(linesTools_.penStyle);
  setPenMode(linesTools_.penMode);
  QPainter& p = painter();
  applyPen(p);
  p.drawLines(lines_.data(), static_cast<int>(lines_.size()));
  lines_.clear();
  setPenColor(now.penColor);
  setPenWidth(now.penWidth);
  setPenStyle(now.penStyle);
  setPenMode(now.penMode);
}

void QtCanvas::fillRect(int x1, int y1, int x2, int y2) {
  drawLines();
  PainterCanvas::fillRect(x1, y1, x2, y2);
}

void QtCanvas::line(int x1, int y1, int x2, int y2) {
  const DrawingTools& t = tools();
  const int margin = t.penWidth + 1;
  if (std::max(x1, x2) < -margin || std::min(x1, x2) > width() + margin ||
      std::max(y1, y2) < -margin || std::min(y1, y2) > height() + margin) {
    return;  // nothing of it would show
  }
  // Inverting lines are rubber bands, drawn and erased one by one.
  const bool collect = t.penMode == PenMode::Normal;
  const bool samePen = t.penColor == linesTools_.penColor && t.penWidth == linesTools_.penWidth &&
                       t.penStyle == linesTools_.penStyle && t.penMode == linesTools_.penMode;
  if (!collect || !samePen) drawLines();
  if (!collect) {
    PainterCanvas::line(x1, y1, x2, y2);
    return;
  }
  linesTools_ = t;
  lines_.emplace_back(x1, y1, x2, y2);
}

const QtCanvas::Stamp& QtCanvas::ellipseStamp(int w, int h) {
  const DrawingTools& t = tools();
  const auto key =
      std::make_tuple(w, h, t.penColor, t.penWidth, t.penStyle, t.fillColor, t.fillStyle);
  auto found = ellipses_.find(key);
  if (found != ellipses_.end()) return found->second;
  // Drawn on a transparent image with room for the pen round the box.
  const int pad = t.penWidth + 2;
  QImage image(w + 2 * pad + 1, h + 2 * pad + 1, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    applyPen(p);
    applyFill(p);
    p.drawEllipse(QRect(pad, pad, w, h));
  }
  Stamp stamp;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(row[x]) != 0) stamp.dots.push_back({x - pad, y - pad, row[x] | 0xFF000000u});
    }
  }
  return ellipses_.emplace(key, std::move(stamp)).first->second;
}

void QtCanvas::ellipse(int x1, int y1, int x2, int y2) {
  drawLines();
  const int w = x2 - x1, h = y2 - y1;
  if (tools().penMode != PenMode::Normal || w < 0 || h < 0 || w > kLargestStamp ||
      h > kLargestStamp) {
    PainterCanvas::ellipse(x1, y1, x2, y2);
    return;
  }
  painter();  // open, so that the image is not shared while written
  const Stamp& stamp = ellipseStamp(w, h);
  const int width = image_.width(), height = image_.height();
  uchar* bits = image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  for (const Stamp::Dot& dot : stamp.dots) {
    const int x = x1 + dot.dx, y = y1 + dot.dy;
    if (x < 0 || y < 0 || x >= width || y >= height) continue;
    reinterpret_cast<QRgb*>(bits + stride * y)[x] = dot.colour;
  }
}

void QtCanvas::rectangle(int x1, int y1, int x2, int y2) {
  drawLines();
  PainterCanvas::rectangle(x1, y1, x2, y2);
}

void QtCanvas::fillRings(const std::vector<std::vector<std::array<int, 2>>>& rings) {
  drawLines();
  PainterCanvas::fillRings(rings);
}

const QtCanvas::DigitStamps& QtCanvas::digitStamps() {
  // The painter's font, the application's, and the image's rows are looked
  // at once per painter, not once per number.
  QPainter& p = painter();
  if (digitsChecked_) return *digits_;
  const QFont font = p.font();
  if (!digits_ || font != digitsFont_) {
    const desktop::DigitCoverage coverage = desktop::digitCoverage(font);
    auto stamps = std::make_unique<DigitStamps>();
    stamps->height = coverage.height;
    for (int d = 0; d < 10; ++d) {
      stamps->advance[d] = coverage.exactAdvance[d];
      stamps->width[d] = coverage.width[d];
      for (const desktop::DigitCoverage::Dot& c : coverage.dots[d]) {
        const DigitStamps::Dot dot{c.x, c.y, 0, 255u - c.coverage};
        (c.coverage == 255 ? stamps->covered[d] : stamps->edges[d]).push_back(dot);
      }
    }
    digitsFont_ = font;
    digits_ = std::move(stamps);
  }
  const qsizetype rowLength = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
  if (digits_->rowLength != rowLength) {
    for (int d = 0; d < 10; ++d) {
      for (auto* dots : {&digits_->covered[d], &digits_->edges[d]}) {
        for (DigitStamps::Dot& dot : *dots)
          dot.offset = static_cast<int>(dot.dy * rowLength + dot.dx);
      }
    }
    digits_->rowLength = rowLength;
  }
  digitsChecked_ = true;
  return *digits_;
}

void QtCanvas::textOut(int x, int y, const std::string& text) {
  drawLines();
  if (!desktop::allDigits(text)) {
    PainterCanvas::textOut(x, y, text);
    return;
  }
  // Numbers, the bulk of the text, are darkened in from the digits' coverage.
  const DigitStamps& stamps = digitStamps();
  const int width = image_.width(), height = image_.height();
  if (y >= height || y + stamps.height <= 0) return;
  const bool rowsInside = y >= 0 && y + stamps.height <= height;
  auto* pixels = reinterpret_cast<QRgb*>(image_.bits());
  qreal advanced = 0;  // the layout places digits at fractional advances
  for (char c : text) {
    const int left = x + qRound(advanced);
    if (left >= width) break;
    const int d = c - '0';
    if (rowsInside && left >= 0 && left + stamps.width[d] <= width) {
      QRgb* const corner = pixels + y * stamps.rowLength + left;
      for (const DigitStamps::Dot& dot : stamps.edges[d])
        corner[dot.offset] = darkened(corner[dot.offset], dot.keep);
      for (const DigitStamps::Dot& dot : stamps.covered[d]) corner[dot.offset] = 0xFF000000u;
    } else {
      for (const auto* dots : {&stamps.covered[d], &stamps.edges[d]}) {
        for (const DigitStamps::Dot& dot : *dots) {
          const int px = left + dot.dx, py = y + dot.dy;
          if (px < 0 || py < 0 || px >= width || py >= height) continue;
          QRgb& pixel = pixels[py * stamps.rowLength + px];
          pixel = darkened(pixel, dot.keep);
        }
      }
    }
    advanced += stamps.advance[d];
  }
}

}  // namespace linemesh::ui
