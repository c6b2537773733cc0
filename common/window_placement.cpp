#include "common/window_placement.h"

#include <algorithm>

namespace common {

WindowBox clientAreaFilling(const WindowBox& workArea, const FrameMargins& frame) {
  return {workArea.left + frame.left, workArea.top + frame.top,
          std::max(workArea.width - frame.left - frame.right, 1),
          std::max(workArea.height - frame.top - frame.bottom, 1)};
}

}  // namespace common
