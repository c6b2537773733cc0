#include "cadtrace/model/conversion.h"

#include "cadtrace/model/messages.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "common/text_file.h"

namespace cadtrace {
namespace {

/// A setting as typed, blanks and tabs round it ignored.
double setting(const std::string& text, const char* name) {
  size_t begin = text.find_first_not_of(" \t");
  size_t end = text.find_last_not_of(" \t");
  std::string_view trimmed;
  if (begin != std::string::npos) trimmed = std::string_view(text).substr(begin, end - begin + 1);
  if (auto v = common::parseReal(trimmed)) return *v;
  throw common::ConversionError(messages::settingNotNumber(name, text));
}

}  // namespace

LineModel DXFtoM2W(const DxfDrawing& drawing, const ConversionSettings& settings) {
  LineModel m;
  for (const std::vector<Point>& polyline : drawing.polylines)
    for (const Point& p : polyline) m.toroku(p.x, p.y);
  for (const DxfSegment& s : drawing.lines) {
    m.toroku(s.start.x, s.start.y);
    m.toroku(s.end.x, s.end.y);
  }
  for (const std::vector<Point>& polyline : drawing.polylines) {
    int p = m.searchnode(polyline.front().x, polyline.front().y);
    int firstNode = p;
    for (size_t k = 1; k < polyline.size(); ++k) {
      int q = m.searchnode(polyline[k].x, polyline[k].y);
      if (m.searchline(p, q) == -1) m.addLine(p, q);
      p = q;
    }
    if (m.searchline(p, firstNode) == -1) m.addLine(p, firstNode);
  }
  for (const DxfSegment& s : drawing.lines) {
    int p1 = m.searchnode(s.start.x, s.start.y);
    int p2 = m.searchnode(s.end.x, s.end.y);
    if (m.searchline(p1, p2) == -1) m.addLine(p1, p2);
  }
  double scaleV = setting(settings.scaleV, messages::kScaleV);
  double scaleH = setting(settings.scaleH, messages::kScaleH);
  double kijunV = setting(settings.kijunV, messages::kReferenceV);
  double kijunH = setting(settings.kijunH, messages::kReferenceH);
  m.shiftAndScale(kijunH, scaleH, kijunV, scaleV);
  return m;
}

LineModel convertDxfFile(const std::string& dxfPath, const ConversionSettings& settings) {
  std::string bytes = common::readFileBytes(dxfPath);
  DxfDrawing drawing = readDxfEntities(bytes, dxfPath);
  try {
    LineModel m = DXFtoM2W(drawing, settings);
    m.XCheck();
    return m;
  } catch (const common::RangeError& e) {
    throw common::RangeError(common::located({dxfPath, 0, 0}, e.what()));
  }
}

}  // namespace cadtrace
