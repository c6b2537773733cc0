#include "desktop/digit_stamps.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace desktop {

DigitCoverage digitCoverage(const QFont& font) {
  DigitCoverage g;
  const QFontMetrics metrics(font);
  const QFontMetricsF exact(font);
  g.height = metrics.height();
  for (int d = 0; d < 10; ++d) {
    const QString digit(QChar('0' + d));
    g.advance[d] = metrics.horizontalAdvance(digit);
    g.exactAdvance[d] = exact.horizontalAdvance(digit);
    const int width = std::max(g.advance[d], metrics.boundingRect(digit).right() + 1);
    g.width[d] = width;
    // White on black: the green channel is the coverage.
    QImage image(width, g.height, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
      QPainter p(&image);
      p.setFont(font);
      p.setPen(Qt::white);
      p.drawText(QPoint(0, metrics.ascent()), digit);
    }
    for (int y = 0; y < g.height; ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < width; ++x) {
        const int coverage = qGreen(row[x]);
        if (coverage > 0) {
          g.dots[d].push_back(
              {static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<uint8_t>(coverage)});
        }
      }
    }
  }
  return g;
}

bool allDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace desktop
