// A point of the section's plane in model units (metres), shared by the
// models and the windows' view arithmetic.
#pragma once

namespace common {

struct Point {
  double x = 0.0;
  double y = 0.0;
};

}  // namespace common
