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

}  // namespace cadtrace::ui
