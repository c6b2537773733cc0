// A small DXF writer: a drawing with an ENTITIES section only, built as lines.
#pragma once

#include <string>
#include <vector>

namespace linemesh::files {

class DxfWriter {
 public:
  /// Section header; layer "0", texts not centred.
  void dxfBegin();
  void dxfEnd();
  /// The layer of the following entities ("" sets "0").
  void dxfLayer(const std::string& name);
  /// Values above 0 centre the following texts on their point.
  void dxfCentre(int centre);
  void dxfCircle(double x, double y, double radius);
  void dxfLine(double x1, double y1, double x2, double y2);
  void dxfText(const std::string& text, double x, double y, double rotation, double height);

  const std::vector<std::string>& lines() const { return lines_; }

 private:
  void add(std::initializer_list<std::string> values);
  void colour();

  std::vector<std::string> lines_;
  std::string layer_ = "0";
  bool centred_ = false;
};

}  // namespace linemesh::files
