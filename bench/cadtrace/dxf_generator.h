// Random drawings for the benchmarks: LINE entities with uniform midpoints in
// a square, random directions and lengths, written as an R2000 ASCII DXF.
#pragma once

#include <cstdint>
#include <string>

namespace cadtrace::bench {

struct RandomLines {
  int count = 30000;
  double side = 10000;     // midpoints uniform in [0, side]^2
  double maxLength = 200;  // lengths uniform in [0, maxLength]
  uint64_t seed = 1;
};

/// The DXF file image (CR LF line ends).
std::string randomLinesDxf(const RandomLines& spec);

}  // namespace cadtrace::bench
