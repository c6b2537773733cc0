// Drawing operations on a QImage.
#include "meshcond/ui/image_canvas.h"

#include <QFontMetrics>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <algorithm>
#include <array>
#include <map>
#include <vector>

namespace meshcond::ui {

QColor toQColor(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

QFont ImageCanvas::drawingFont(int pointSize) {
  QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
  font.setPointSize(pointSize);
  return font;
}

ImageCanvas::ImageCanvas(QImage& image) : image_(image), painter_(&image) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
}

void ImageCanvas::clear(Colour colour) { painter_.fillRect(image_.rect(), toQColor(colour)); }

void ImageCanvas::polygon(const std::array<Pixel, 4>& corners, Colour fill, Colour outline) {
  QPoint points[4];
  for (int i = 0; i < 4; ++i) points[i] = QPoint(corners[i].x, corners[i].y);
  painter_.setPen(QPen(toQColor(outline), 0));
  painter_.setBrush(toQColor(fill));
  painter_.drawPolygon(points, 4);
}

void ImageCanvas::circle(Pixel centre, int radius, Colour colour) {
  QColor c = toQColor(colour);
  painter_.setPen(QPen(c, 0));
  painter_.setBrush(c);
  painter_.drawEllipse(QRect(centre.x - radius, centre.y - radius, 2 * radius, 2 * radius));
}

void ImageCanvas::useFont(int pointSize) {
  if (pointSize == fontSize_) return;
  QFont font = drawingFont(pointSize);
  painter_.setFont(font);
  ascent_ = QFontMetrics(font).ascent();
  fontSize_ = pointSize;
}

namespace {

/// The coverage of each digit as the text layout draws it, with the advance
/// to the next digit.
struct DigitGlyphs {
  int height = 0;
  std::array<int, 10> width{};
  std::array<int, 10> advance{};
  /// The covered pixels of each digit: offsets from its top-left and coverage.
  struct Dot {
    int16_t x, y;
    uint8_t alpha;
  };
  std::array<std::vector<Dot>, 10> dots;
};

const DigitGlyphs& digitGlyphs(int pointSize) {
  static std::map<int, DigitGlyphs> cache;
  auto found = cache.find(pointSize);
  if (found != cache.end()) return found->second;
  DigitGlyphs g;
  QFont font = ImageCanvas::drawingFont(pointSize);
  QFontMetrics metrics(font);
  g.height = metrics.height();
  for (int d = 0; d < 10; ++d) {
    QString digit(QChar('0' + d));
    g.advance[d] = metrics.horizontalAdvance(digit);
    int width = std::max(g.advance[d], metrics.boundingRect(digit).right() + 1);
    g.width[d] = width;
    QImage image(width, g.height, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
      QPainter p(&image);
      p.setFont(font);
      p.setPen(Qt::white);
      p.drawText(QPoint(0, metrics.ascent()), digit);
    }
    for (int y = 0; y < g.height; ++y) {
      const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < width; ++x) {
        int alpha = qGreen(row[x]);
        if (alpha > 0) {
          g.dots[d].push_back(
              {static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<uint8_t>(alpha)});
        }
      }
    }
  }
  return cache.emplace(pointSize, std::move(g)).first->second;
}

bool allDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

void ImageCanvas::digits(Pixel topLeft, std::string_view text, Colour colour, int pointSize) {
  const DigitGlyphs& g = digitGlyphs(pointSize);
  const int width = image_.width(), height = image_.height();
  if (topLeft.y >= height || topLeft.y + g.height <= 0 || topLeft.x >= width) return;
  const int red = redOf(colour), green = greenOf(colour), blue = blueOf(colour);
  uchar* bits = image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  const bool rowsInside = topLeft.y >= 0 && topLeft.y + g.height <= height;
  int x0 = topLeft.x;
  for (char c : text) {
    int d = c - '0';
    if (x0 >= width) break;
    const bool inside = rowsInside && x0 >= 0 && x0 + g.width[d] <= width;
    if (x0 + g.width[d] > 0) {
      for (const DigitGlyphs::Dot& dot : g.dots[d]) {
        int px = x0 + dot.x, py = topLeft.y + dot.y;
        if (!inside && (px < 0 || px >= width || py < 0 || py >= height)) continue;
        QRgb* pixel = reinterpret_cast<QRgb*>(bits + stride * py) + px;
        int a = dot.alpha;
        QRgb old = *pixel;
        *pixel = qRgb((red * a + qRed(old) * (255 - a)) / 255,
                      (green * a + qGreen(old) * (255 - a)) / 255,
                      (blue * a + qBlue(old) * (255 - a)) / 255);
      }
    }
    x0 += g.advance[d];
  }
}

void ImageCanvas::text(Pixel topLeft, std::string_view utf8, Colour colour, int pointSize) {
  if (allDigits(utf8) && image_.format() == QImage::Format_RGB32) {
    digits(topLeft, utf8, colour, pointSize);
    return;
  }
  useFont(pointSize);
  painter_.setPen(toQColor(colour));
  painter_.drawText(QPoint(topLeft.x, topLeft.y + ascent_),
                    QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

namespace {

// The same rectangle whatever the order of its corners, so that drawing it
// again in the inverting mode erases it exactly.
QRect cornersRect(Pixel a, Pixel b) {
  return QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)),
               QPoint(std::max(a.x, b.x), std::max(a.y, b.y)));
}

}  // namespace

void ImageCanvas::bandRectangle(Pixel a, Pixel b) {
  painter_.save();
  painter_.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
  painter_.setPen(QPen(toQColor(kPureRed), 0, Qt::DotLine));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(cornersRect(a, b));
  painter_.restore();
}

void ImageCanvas::rectangle(Pixel a, Pixel b, Colour colour) {
  painter_.setPen(QPen(toQColor(colour), 0));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(cornersRect(a, b));
}

}  // namespace meshcond::ui
