// The colour rule of the drawing.
#include "meshcond/interaction/colours.h"

#include <gtest/gtest.h>

namespace meshcond::ui {
namespace {

TEST(ColourRule, BaseTableAndTheStepOfSeventy) {
  struct Case {
    long long k;
    Colour packed;
  };
  const Case cases[] = {
      {0, 0x000000},  {1, 0x0000FF},   {2, 0x00FFFF},  {5, 0xCD0000},
      {29, 0xFF901E}, {30, 0x000046},  {31, 0x000145}, {59, 0xFF9064},
      {60, 0x00008C}, {255, 0x00FEAC}, {-1, 0x000000}, {-255, 0x000000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.k);
    EXPECT_EQ(gColor(c.k), c.packed);
  }
}

TEST(ColourRule, HugeNumbersStayTwentyFourBits) { EXPECT_LE(gColor(2147483647LL), 0xFFFFFFu); }

TEST(ColourRule, PackedIsBlueGreenRed) {
  Colour c = gColor(8);  // 255,165,0
  EXPECT_EQ(redOf(c), 255);
  EXPECT_EQ(greenOf(c), 165);
  EXPECT_EQ(blueOf(c), 0);
}

TEST(NumberColour, BlueOnLightFillsWhiteOnDarkOnes) {
  struct Case {
    long long colourNumber;
    Colour expected;
  };
  const Case cases[] = {
      {2, kPureBlue},   // yellow, the fill of the boundary modes
      {0, kWhite},      // black
      {1, kWhite},      // red
      {5, kWhite},      // medium blue
      {6, kWhite},      // dark magenta
      {15, kPureBlue},  // lawn green
      {25, kPureBlue},  // light pink
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.colourNumber);
    EXPECT_EQ(numberColourOn(gColor(c.colourNumber)), c.expected);
  }
}

}  // namespace
}  // namespace meshcond::ui
