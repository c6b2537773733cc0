#include "figure/layout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace figure {
namespace {

TEST(FormatOf, TheExtensionChoosesInEitherCase) {
  struct Case {
    const char* path;
    std::optional<Format> format;
  } cases[] = {
      {"a.pdf", Format::Pdf},  {"dir/B.PDF", Format::Pdf}, {"x.svg", Format::Svg},
      {"x.Svg", Format::Svg},  {"図.png", Format::Png},    {"x.PNG", Format::Png},
      {"x.jpg", std::nullopt}, {"pdf", std::nullopt},      {"x.pdf.txt", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(formatOf(c.path), c.format) << c.path;
}

TEST(ParseSize, PaperNamesOrPixelsWithinLimits) {
  struct Case {
    const char* text;
    std::optional<FigureSize> size;
  } cases[] = {
      {"A4", FigureSize{Paper::A4}},
      {"a3", FigureSize{Paper::A3}},
      {"1600x1000", FigureSize{Paper::A4, 1600, 1000}},
      {"200X10000", FigureSize{Paper::A4, 200, 10000}},
      {"199x500", std::nullopt},
      {"500x10001", std::nullopt},
      {"500x", std::nullopt},
      {"x500", std::nullopt},
      {"500x500x5", std::nullopt},
      {"+500x500", std::nullopt},
      {"A5", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(parseSize(c.text), c.size) << c.text;
}

TEST(PageOf, PdfPagesAreLandscapePaperAtTheResolutionOtherPagesThePixels) {
  const Box a4 = pageOf(Format::Pdf, {Paper::A4});
  EXPECT_EQ(a4.width, std::floor(297 / 25.4 * kPdfResolution));
  EXPECT_EQ(a4.height, std::floor(210 / 25.4 * kPdfResolution));
  const Box a3 = pageOf(Format::Pdf, {Paper::A3});
  EXPECT_EQ(a3.width, std::floor(420 / 25.4 * kPdfResolution));
  EXPECT_EQ(a3.height, a4.width);
  for (Format f : {Format::Svg, Format::Png}) {
    const Box b = pageOf(f, {Paper::A3, 640, 480});
    EXPECT_EQ(b.width, 640);
    EXPECT_EQ(b.height, 480);
  }
}

bool inside(const Box& inner, const Box& outer) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
         inner.bottom() <= outer.bottom();
}

bool overlap(const Box& a, const Box& b) {
  return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

TEST(LayoutFigure, TitleViewScaleBarAndLegendStayOnThePageApart) {
  for (int entries : {0, 3, 40, 500}) {
    for (Box page : {Box{0, 0, 1600, 1000}, Box{0, 0, 1753, 1240}, Box{0, 0, 300, 900}}) {
      LayoutInput in{page.width, page.height, 25, 16, 120, entries};
      const FigureLayout l = layoutFigure(in);
      SCOPED_TRACE(std::to_string(entries) + " entries on " + std::to_string(page.width));
      for (const Box& b : {l.title, l.view, l.scaleBar}) EXPECT_TRUE(inside(b, page));
      EXPECT_FALSE(overlap(l.title, l.view));
      EXPECT_FALSE(overlap(l.view, l.scaleBar));
      EXPECT_GE(l.view.width, 1);
      if (entries == 0) {
        EXPECT_EQ(l.legendShown, 0);
        EXPECT_EQ(l.legend.width, 0);
        continue;
      }
      EXPECT_TRUE(inside(l.legend, page));
      EXPECT_FALSE(overlap(l.legend, l.view));
      EXPECT_FALSE(overlap(l.legend, l.title));
      // Every entry has a place, or all places but the last, which counts the rest.
      const int places = l.legendRows * l.legendColumns;
      EXPECT_EQ(l.legendShown, entries <= places ? entries : places - 1);
      // More than one column only within a third of the width.
      if (l.legendColumns > 1) {
        EXPECT_LE(l.legendColumns * l.legendColumnWidth, (page.width - 2 * l.margin) / 3);
      }
    }
  }
}

TEST(LayoutFigure, AFewEntriesTakeOneColumnOfTheirRows) {
  const FigureLayout l = layoutFigure({1600, 1000, 25, 16, 120, 3});
  EXPECT_EQ(l.legendColumns, 1);
  EXPECT_EQ(l.legendRows, 3);
  EXPECT_EQ(l.legendShown, 3);
  EXPECT_EQ(l.legend.height, 4 * l.legendRowHeight);  // heading and three rows
  EXPECT_EQ(l.legend.right(), 1600 - l.margin);
}

TEST(ScaleBar, TheLongestRoundLengthThatFits) {
  struct Case {
    double unitsPerMetre, maxUnits, metres;
    int parts;
  } cases[] = {
      {10, 300, 20, 4},    {10, 500, 50, 5},    {10, 999, 50, 5},
      {10, 1000, 100, 5},  {1, 1.5, 1, 5},      {0.3, 100, 200, 4},
      {1000, 300, 0.2, 4}, {1000, 60, 0.05, 5}, {17.3, 519, 20, 4},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(scaleBarMetres(c.unitsPerMetre, c.maxUnits), c.metres)
        << c.unitsPerMetre << " " << c.maxUnits;
    EXPECT_EQ(scaleBarParts(c.metres), c.parts) << c.metres;
    EXPECT_LE(c.metres * c.unitsPerMetre, c.maxUnits);
  }
  for (double scale : {0.0, -1.0, double(NAN), double(INFINITY)})
    EXPECT_EQ(scaleBarMetres(scale, 100), 0);
}

TEST(MetresText, ShortestDecimal) {
  EXPECT_EQ(metresText(0.5), "0.5 m");
  EXPECT_EQ(metresText(20), "20 m");
  EXPECT_EQ(metresText(1000), "1000 m");
  EXPECT_EQ(metresText(0.002), "0.002 m");
}

TEST(SymbolCorners, ShapesAboutTheCentre) {
  using C = std::array<std::array<double, 2>, 4>;
  EXPECT_EQ(symbolCorners(Symbol::Square, 5), (C{{{-5, -5}, {5, -5}, {5, 5}, {-5, 5}}}));
  EXPECT_EQ(symbolCorners(Symbol::Diamond, 5), (C{{{0, -5}, {5, 0}, {0, 5}, {-5, 0}}}));
  const C t = symbolCorners(Symbol::Triangle, 5);
  EXPECT_EQ(t[2], t[3]);  // three corners
  EXPECT_GT(t[2][1], 0);  // pointing down
  EXPECT_EQ(t[0][1], t[1][1]);
}

TEST(FileTitle, TheNameWithoutFolderOrMesh) {
  EXPECT_EQ(fileTitle("/home/a/dam.M3W"), "dam.M3W");
  EXPECT_EQ(fileTitle("C:\\data\\MESH.DAT"), "MESH.DAT");
  EXPECT_EQ(fileTitle("断面.M3W"), "断面.M3W");
  EXPECT_EQ(fileTitle(""), "メッシュ");
  EXPECT_EQ(fileTitle("dir/"), "メッシュ");
}

}  // namespace
}  // namespace figure
