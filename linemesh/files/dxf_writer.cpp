#include "linemesh/files/dxf_writer.h"

#include "common/numbers.h"

namespace linemesh::files {
namespace {

std::string num(double value) { return common::formatGeneral(value); }

}  // namespace

void DxfWriter::add(std::initializer_list<std::string> values) {
  lines_.insert(lines_.end(), values);
}

// Every entity carries colour 0.
void DxfWriter::colour() { add({" 62", "  0"}); }

void DxfWriter::dxfBegin() {
  add({"  0", "SECTION", "  2", "ENTITIES"});
  layer_.assign(1, '0');  // (assigning "0" trips a false -Wrestrict in g++ 12)
  centred_ = false;
}

void DxfWriter::dxfEnd() { add({"  0", "ENDSEC", "  0", "EOF"}); }

void DxfWriter::dxfLayer(const std::string& name) { layer_ = name.empty() ? "0" : name; }

void DxfWriter::dxfCentre(int centre) { centred_ = centre > 0; }

void DxfWriter::dxfCircle(double x, double y, double radius) {
  add({"  0", "CIRCLE", "  8", layer_, " 10", num(x), " 20", num(y), " 30", "0.0", " 40",
       num(radius)});
  colour();
}

void DxfWriter::dxfLine(double x1, double y1, double x2, double y2) {
  add({"  0", "LINE", "  8", layer_, " 10", num(x1), " 20", num(y1), " 30", "0", " 11", num(x2),
       " 21", num(y2), " 31", "0"});
  colour();
}

void DxfWriter::dxfText(const std::string& text, double x, double y, double rotation,
                        double height) {
  add({"  0", "TEXT", "  7", "STANDARD", "  8", layer_, " 10", num(x), " 20", num(y), " 30", "0.0",
       " 40", num(height), "  1", text, " 50", num(rotation)});
  if (centred_) add({" 72", "     1", " 11", num(x), " 21", num(y), " 31", "0.0"});
  colour();
}

}  // namespace linemesh::files
