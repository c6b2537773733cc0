// The DXF reader takes any bytes: it returns a drawing or throws one of the
// file errors, and a drawing it returns converts, cuts, writes and previews.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cadtrace/model/conversion.h"
#include "cadtrace/model/dxf_reader.h"
#include "cadtrace/model/preview.h"
#include "cadtrace/model/writers.h"
#include "common/errors.h"

namespace {

class NullCanvas : public cadtrace::PreviewCanvas {
 public:
  void ellipse(int, int, int, int) override {}
  void line(int, int, int, int) override {}
};

// Small drawings only: the cutting of large ones is the benchmarks' business.
constexpr size_t kMaxPoints = 400;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  cadtrace::DxfDrawing drawing;
  try {
    drawing = cadtrace::readDxfEntities(bytes, "fuzz.dxf");
  } catch (const common::Error&) {
    return 0;
  }
  size_t points = 2 * drawing.lines.size();
  for (const auto& polyline : drawing.polylines) {
    if (polyline.empty()) __builtin_trap();
    points += polyline.size();
  }
  if (points > kMaxPoints) return 0;
  try {
    cadtrace::LineModel m = cadtrace::DXFtoM2W(drawing, {});
    m.XCheck();
    for (int l = 1; l <= m.NLINE; ++l) {
      if (m.LINES[l].p1 < 1 || m.LINES[l].p1 > m.NNODE || m.LINES[l].p2 < 1 ||
          m.LINES[l].p2 > m.NNODE)
        __builtin_trap();
    }
    cadtrace::MakeM2W(m);
    cadtrace::MakeXY(m);
    NullCanvas canvas;
    cadtrace::DispXY(m, 800, 600, canvas);
  } catch (const common::RangeError&) {
  }
  return 0;
}
