// The window's plain parts: the preview picture, glyphs, message titles.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include "cadtrace/ui/form1.h"
#include "cadtrace/ui/glyphs.h"
#include "cadtrace/ui/image_canvas.h"
#include "cadtrace/ui/preview_image.h"
#include "tests/cadtrace/ui/qt_printers.h"

namespace cadtrace::ui {
namespace {

TEST(PreviewImage, StartsBlankAtTheWidgetSize) {
  PreviewImage image;
  image.resize(120, 80);
  const QImage& picture = image.picture();
  EXPECT_EQ(picture.size(), QSize(120, 80));
  EXPECT_EQ(picture.pixelColor(0, 0), PreviewImage::blankColour());
  EXPECT_EQ(picture.pixelColor(119, 79), PreviewImage::blankColour());
}

TEST(PreviewImage, GrowsWithTheWidgetKeepingWhatWasDrawnAndNeverShrinks) {
  PreviewImage image;
  image.resize(50, 40);
  {
    QPainter painter(&image.picture());
    painter.fillRect(10, 10, 5, 5, Qt::red);
  }
  image.resize(200, 30);
  const QImage& grown = image.picture();
  EXPECT_EQ(grown.size(), QSize(200, 40));
  EXPECT_EQ(grown.pixelColor(12, 12), QColor(Qt::red));
  EXPECT_EQ(grown.pixelColor(150, 20), PreviewImage::blankColour());

  image.resize(20, 20);
  EXPECT_EQ(image.picture().size(), QSize(200, 40));
  EXPECT_EQ(image.picture().pixelColor(12, 12), QColor(Qt::red));
}

// Fraction of the glyph's pixels that are not transparent.
double coverage(const QIcon& icon) {
  const QImage picture = icon.pixmap(kGlyphSize, kGlyphSize).toImage();
  int painted = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) painted += qAlpha(picture.pixel(x, y)) > 0;
  return double(painted) / (picture.width() * picture.height());
}

TEST(Glyphs, AreDrawnAndDifferFromEachOther) {
  const QIcon convert = convertGlyph();
  const QIcon exit = exitGlyph();
  ASSERT_FALSE(convert.isNull());
  ASSERT_FALSE(exit.isNull());
  EXPECT_GT(coverage(convert), 0.2);
  EXPECT_GT(coverage(exit), 0.2);
  EXPECT_LT(coverage(convert), 0.95);
  EXPECT_NE(convert.pixmap(kGlyphSize).toImage(), exit.pixmap(kGlyphSize).toImage());
  // Both sizes are drawn, not scaled from one.
  EXPECT_EQ(convert.availableSizes().size(), 2);
}

// The box around every pixel that is not white.
QRect paintedBox(const QImage& picture) {
  QRect box;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (picture.pixelColor(x, y) != QColor(Qt::white)) box |= QRect(x, y, 1, 1);
  return box;
}

QImage blankPicture() {
  QImage picture(40, 30, QImage::Format_RGB32);
  picture.fill(Qt::white);
  return picture;
}

TEST(ImageCanvas, CirclesFillTheirBoxLessTheFarRowAndColumnWhicheverCornerComesFirst) {
  struct Case {
    const char* name;
    int x1, y1, x2, y2;
  };
  const Case cases[] = {
      {"far corner first", 12, 12, 8, 8},
      {"near corner first", 8, 8, 12, 12},
      {"mixed", 8, 12, 12, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QImage picture = blankPicture();
    ImageCanvas(picture).ellipse(c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(paintedBox(picture), QRect(8, 8, 4, 4));
    EXPECT_EQ(picture.pixelColor(9, 8), QColor(Qt::black));
  }
}

TEST(ImageCanvas, CirclesAreWhiteInsideAndCoverWhatIsBelow) {
  QImage picture = blankPicture();
  {
    ImageCanvas canvas(picture);
    canvas.line(0, 10, 39, 10);
    canvas.ellipse(20, 14, 10, 4);  // 10 wide, centred on the line
  }
  EXPECT_EQ(picture.pixelColor(5, 10), QColor(Qt::black));
  EXPECT_EQ(picture.pixelColor(15, 10), QColor(Qt::white));
  EXPECT_EQ(picture.pixelColor(10, 9), QColor(Qt::black));
}

TEST(ImageCanvas, FarOffPositionsAreClippedNotLost) {
  QImage picture = blankPicture();
  {
    ImageCanvas canvas(picture);
    canvas.line(-1000000000, 5, 1000000000, 5);
    canvas.ellipse(-1000000000, -1000000000, -999999996, -999999996);
  }
  EXPECT_EQ(paintedBox(picture), QRect(0, 5, 40, 1));
}

// The window's own message boxes carry the program's title.
TEST(Messages, ShowTheApplicationTitle) {
  Form1 window;
  window.show();
  window.findChild<QLineEdit*>("EditDXFName")->clear();
  QString title;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      title = box->windowTitle();
      box->accept();
    }
  });
  watch.start(10);
  window.spdConvertClick();
  EXPECT_EQ(title, QString::fromUtf8(kApplicationTitle));
}

}  // namespace
}  // namespace cadtrace::ui
