// The window's plain parts: placement arithmetic, the preview picture, glyphs.
#include <gtest/gtest.h>

#include <QPainter>
#include <QPixmap>

#include "cadtrace/ui/form_placement.h"
#include "cadtrace/ui/glyphs.h"
#include "cadtrace/ui/preview_image.h"
#include "tests/cadtrace/ui/qt_printers.h"

namespace cadtrace::ui {
namespace {

TEST(ActivePlacement, TakesTheScreenWidthAndLeavesRoomForTheTaskBar) {
  struct Case {
    int screenWidth, screenHeight;
    FramePlacement expected;
  };
  const Case cases[] = {
      {1280, 800, {0, 0, 1280, 770}},
      {1920, 1080, {0, 0, 1920, 1050}},
      {800, 600, {0, 0, 800, 570}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.screenWidth << "x" << c.screenHeight);
    EXPECT_EQ(activePlacement(c.screenWidth, c.screenHeight), c.expected);
  }
}

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

}  // namespace
}  // namespace cadtrace::ui
