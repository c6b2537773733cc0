// The mesh maker's model with every operation done literally: linear scans and
// quadratic exchange sorts. Slow at capacity; the oracle for randomized tests.
#pragma once

#include <vector>

#include "linemesh/model/network.h"

namespace linemesh::testing {

class LiteralNetwork : public LineNetwork {
 public:
  LiteralNetwork() = default;
  explicit LiteralNetwork(const LineNetwork& net) : LineNetwork(net) {}

  int toroku(double x, double y);
  int searchnode(double X, double Y) const;
  int searchElem(int p1, int p2) const;
  void XCheck(int pp1, int pp2);
  void ReNum();
  int drawLine(double x1, double y1, double x2, double y2);

  void PreYoso();
  void YSort();
  void XSort();
  int searchNode2(int p) const;
  void ElemSort();
  std::vector<int> GetElemNum(int n) const;
  int getNext(int p1, int p2) const;
  int getElem(int p1, int p2, int p3, int p4) const;
  void reFrame();
  void tidyForSave();
  void formElements();
};

}  // namespace linemesh::testing
