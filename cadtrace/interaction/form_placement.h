// Where the converter's window goes each time it becomes active.
#pragma once

namespace cadtrace::ui {

/// An outer window rectangle (frame included), in screen pixels.
struct FramePlacement {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const FramePlacement&, const FramePlacement&) = default;
};

/// Room left free below the window for the task bar.
inline constexpr int kTaskBarAllowance = 30;

/// The whole screen width, the screen height less the task bar allowance, at
/// the top left corner.
constexpr FramePlacement activePlacement(int screenWidth, int screenHeight) {
  return {0, 0, screenWidth, screenHeight - kTaskBarAllowance};
}

/// 変換 and 終了 keep their places on a panel of the design width (948) or
/// wider; on a narrower one they move left together so that 終了 still ends
/// 9 pixels inside the right edge, but never over the unit buttons.
inline constexpr int kConvertButtonLeft = 791;
inline constexpr int kButtonsRightMargin = 9;
inline constexpr int kButtonsSpan = 939 - kConvertButtonLeft;  // 変換's left to 終了's right
inline constexpr int kButtonsLeftmost = 545;                   // right of the unit buttons

constexpr int speedButtonsLeft(int panelWidth) {
  const int pinned = panelWidth - kButtonsRightMargin - kButtonsSpan;
  return pinned >= kConvertButtonLeft ? kConvertButtonLeft
                                      : (pinned > kButtonsLeftmost ? pinned : kButtonsLeftmost);
}

/// The narrowest client width that still shows both buttons whole.
inline constexpr int kNarrowestClientWidth = kButtonsLeftmost + kButtonsSpan + kButtonsRightMargin;

}  // namespace cadtrace::ui
