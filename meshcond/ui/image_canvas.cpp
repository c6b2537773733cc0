// Drawing operations on a QImage.
#include "meshcond/ui/image_canvas.h"

#include <QFontMetrics>
#include <algorithm>
#include <array>
#include <map>
#include <vector>

namespace meshcond::ui {

ImageCanvas::ImageCanvas(QImage& image)
    : ImagePainter(image), PainterCanvas(imagePainter, image.rect()), image_(image) {
  imagePainter.setRenderHint(QPainter::Antialiasing, false);
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
  QFont font = PainterCanvas::drawingFont(pointSize);
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
  PainterCanvas::text(topLeft, utf8, colour, pointSize);
}

}  // namespace meshcond::ui
