// Drawing operations on a QImage.
#include "meshcond/ui/image_canvas.h"

#include <map>

#include "desktop/digit_stamps.h"

namespace meshcond::ui {

ImageCanvas::ImageCanvas(QImage& image)
    : ImagePainter(image), PainterCanvas(imagePainter, image.rect()), image_(image) {
  imagePainter.setRenderHint(QPainter::Antialiasing, false);
}

namespace {

const desktop::DigitCoverage& digitGlyphs(int pointSize) {
  static std::map<int, desktop::DigitCoverage> cache;
  auto found = cache.find(pointSize);
  if (found != cache.end()) return found->second;
  return cache.emplace(pointSize, desktop::digitCoverage(PainterCanvas::drawingFont(pointSize)))
      .first->second;
}

}  // namespace

void ImageCanvas::digits(Pixel topLeft, std::string_view text, Colour colour, int pointSize) {
  const desktop::DigitCoverage& g = digitGlyphs(pointSize);
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
      for (const desktop::DigitCoverage::Dot& dot : g.dots[d]) {
        int px = x0 + dot.x, py = topLeft.y + dot.y;
        if (!inside && (px < 0 || px >= width || py < 0 || py >= height)) continue;
        QRgb* pixel = reinterpret_cast<QRgb*>(bits + stride * py) + px;
        int a = dot.coverage;
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
  if (desktop::allDigits(utf8) && image_.format() == QImage::Format_RGB32) {
    digits(topLeft, utf8, colour, pointSize);
    return;
  }
  PainterCanvas::text(topLeft, utf8, colour, pointSize);
}

}  // namespace meshcond::ui
