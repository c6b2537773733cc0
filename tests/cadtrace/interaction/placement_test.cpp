// Where the converter's window and its buttons go, without a window.
#include <gtest/gtest.h>

#include "cadtrace/interaction/form_placement.h"

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

TEST(SpeedButtonsLeft, KeepTheirPlaceUntilThePanelIsNarrowerThenFollowTheRightEdge) {
  struct Case {
    int panelWidth, left;
  };
  const Case cases[] = {
      {1280, 791}, {948, 791}, {947, 790}, {800, 643}, {702, 545}, {600, 545},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.panelWidth);
    EXPECT_EQ(speedButtonsLeft(c.panelWidth), c.left);
  }
  EXPECT_EQ(kNarrowestClientWidth, 702);
}

}  // namespace
}  // namespace cadtrace::ui
