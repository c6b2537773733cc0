#include "linemesh/ui/placement.h"

#include <algorithm>

namespace linemesh::ui {

Box clientAreaFilling(const Box& workArea, const FrameMargins& frame) {
  return {workArea.left + frame.left, workArea.top + frame.top,
          std::max(workArea.width - frame.left - frame.right, 1),
          std::max(workArea.height - frame.top - frame.bottom, 1)};
}

}  // namespace linemesh::ui
