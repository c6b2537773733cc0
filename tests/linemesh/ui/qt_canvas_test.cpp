// The window's canvas draws in bulk; what it draws must be what drawing each
// primitive alone with a painter gives.
#include "linemesh/ui/qt_canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace linemesh::ui {
namespace {

QColor colourOf(Rgb c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

/// One primitive at a time, straight through a painter.
class PlainPainter {
 public:
  explicit PlainPainter(QImage& image) : p_(&image) {}
  void line(int x1, int y1, int x2, int y2, Rgb colour, int width,
            Qt::PenStyle style = Qt::SolidLine, bool inverting = false) {
    QPen pen(colourOf(colour));
    pen.setWidth(width);
    pen.setStyle(style);
    p_.setPen(pen);
    p_.setCompositionMode(inverting ? QPainter::RasterOp_NotSourceXorDestination
                                    : QPainter::CompositionMode_SourceOver);
    p_.drawLine(x1, y1, x2, y2);
  }
  void disc(int x1, int y1, int x2, int y2, Rgb colour) {
    p_.setPen(QPen(colourOf(colour), 1));
    p_.setBrush(colourOf(colour));
    p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p_.drawEllipse(QRect(x1, y1, x2 - x1, y2 - y1));
  }

 private:
  QPainter p_;
};

TEST(QtCanvasTest, LinesAndDiscsInBulkAreThoseDrawnOneByOne) {
  QtCanvas canvas(200, 120);
  QImage expected(200, 120, QImage::Format_RGB32);
  expected.fill(Qt::white);
  {
    PlainPainter plain(expected);
    auto both = [&](int x1, int y1, int x2, int y2, Rgb colour, int width) {
      canvas.setPenColor(colour);
      canvas.setPenWidth(width);
      canvas.line(x1, y1, x2, y2);
      plain.line(x1, y1, x2, y2, colour, width);
    };
    auto disc = [&](int x, int y, int r, Rgb colour) {
      canvas.setPenColor(colour);
      canvas.setFillColor(colour);
      canvas.setPenWidth(1);
      canvas.ellipse(x - r, y - r, x + r, y + r);
      plain.disc(x - r, y - r, x + r, y + r, colour);
    };
    disc(10, 10, 2, 0x0000FF);
    disc(199, 60, 2, 0x0000FF);  // half off the image
    disc(-1, -1, 2, 0x0000FF);
    disc(100, 60, 7, 0x008000);
    both(0, 0, 199, 119, 0x000000, 1);
    both(20, 100, 180, 30, 0x000000, 1);
    both(100, 60, 110, 60, 0xFF0000, 1);  // another colour between the black ones
    both(30, 10, 30, 110, 0x000000, 1);
    both(-50, 40, 250, 45, 0x000000, 1);       // runs off both sides
    both(-500, -10, -300, -400, 0x000000, 1);  // wholly off the image
    both(40, 20, 160, 20, 0xFF0000, 3);
    disc(60, 20, 2, 0x0000FF);  // over the lines drawn before
    both(50, 90, 150, 90, 0x808080, 1);
    // A rubber band in the inverting, dotted pen, drawn twice: nothing left.
    canvas.setPenMode(PenMode::Inverting);
    canvas.setPenStyle(PenStyle::Dot);
    canvas.setPenColor(0xFF0000);
    canvas.setPenWidth(1);
    canvas.line(5, 115, 195, 5);
    canvas.line(5, 115, 195, 5);
    plain.line(5, 115, 195, 5, 0xFF0000, 1, Qt::DotLine, true);
    plain.line(5, 115, 195, 5, 0xFF0000, 1, Qt::DotLine, true);
  }
  const QImage& drawn = canvas.image();
  int differing = 0;
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 200; ++x) differing += drawn.pixel(x, y) != expected.pixel(x, y);
  EXPECT_EQ(differing, 0);
  EXPECT_EQ(drawn.pixel(100, 60) & 0xFFFFFF, 0xFF0000u);  // the red line over the disc
}

TEST(QtCanvasTest, NumbersLookLikeTheTextLayout) {
  auto changedBox = [](const QImage& image, int* count) {
    QRect box;
    *count = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
          box |= QRect(x, y, 1, 1);
          ++*count;
        }
    return box;
  };
  QtCanvas canvas(160, 60);
  canvas.textOut(30, 20, "1234567890");
  QImage layout(160, 60, QImage::Format_RGB32);
  layout.fill(Qt::white);
  {
    QPainter p(&layout);
    p.setPen(Qt::black);
    p.drawText(QRect(30, 20, 10000, 10000), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("1234567890"));
  }
  int fastCount = 0, layoutCount = 0;
  const QRect fastBox = changedBox(canvas.image(), &fastCount);
  const QRect layoutBox = changedBox(layout, &layoutCount);
  ASSERT_GT(layoutCount, 0);
  EXPECT_LE(std::abs(fastBox.left() - layoutBox.left()), 1);
  EXPECT_LE(std::abs(fastBox.top() - layoutBox.top()), 1);
  EXPECT_LE(std::abs(fastBox.right() - layoutBox.right()), 2);
  EXPECT_LE(std::abs(fastBox.bottom() - layoutBox.bottom()), 1);
  EXPECT_NEAR(fastCount, layoutCount, layoutCount / 5);
  // Black, darkest where a digit covers a pixel wholly.
  int darkest = 255;
  for (int x = fastBox.left(); x <= fastBox.right(); ++x)
    darkest = std::min(darkest, qGreen(canvas.image().pixel(x, fastBox.center().y())));
  EXPECT_LT(darkest, 64);

  // Numbers running off the image are cut; other text still goes through the layout.
  QtCanvas edge(20, 10);
  edge.textOut(-5, -5, "88888");
  edge.textOut(15, 5, "88888");
  edge.textOut(-100, 500, "12");
  edge.textOut(2, 0, "要素");
  changedBox(edge.image(), &fastCount);
  EXPECT_GT(fastCount, 0);
  // After a resize the digits follow the new rows.
  edge.resize(300, 40);
  edge.textOut(250, 10, "7");
  const QRect moved = changedBox(edge.image(), &fastCount);
  EXPECT_GE(moved.left(), 250);
  EXPECT_LE(moved.bottom(), 10 + 30);
}

}  // namespace
}  // namespace linemesh::ui
