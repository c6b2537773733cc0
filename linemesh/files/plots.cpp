#include "linemesh/files/plots.h"

#include "common/errors.h"
#include "common/text_file.h"
#include "linemesh/files/dxf_writer.h"
#include "linemesh/model/messages.h"

namespace linemesh::files {
namespace {

void checkNode(const LineNetwork& net, int node, const std::string& owner) {
  if (node < 1 || node > net.NUMNP)
    throw common::RangeError(text::nodeOutsideNetwork(owner, node, net.NUMNP));
}

/// An element's outline and its number at the mean of its corners.
void plotElement(DxfWriter& dxf, const LineNetwork& net, int e, const int* corners, int n,
                 const char* layer) {
  dxf.dxfLayer(layer);
  double sx = 0, sy = 0;
  for (int k = 0; k < n; ++k) {
    const NodeRecord& a = net.Node[corners[k]];
    const NodeRecord& b = net.Node[corners[(k + 1) % n]];
    dxf.dxfLine(a.X, a.Y, b.X, b.Y);
  }
  for (int k = 0; k < n; ++k) sx += net.Node[corners[k]].X;
  for (int k = 0; k < n; ++k) sy += net.Node[corners[k]].Y;
  dxf.dxfLayer(text::layerElementNumbers());
  dxf.dxfText(std::to_string(e), sx / n, sy / n, 0, 0.1);
}

}  // namespace

std::vector<std::string> linePlotLines(const LineNetwork& net) {
  for (int j = 1; j <= net.NUMEL; ++j) {
    checkNode(net, net.Elem[j].N1, text::lineOwner(j));
    checkNode(net, net.Elem[j].N2, text::lineOwner(j));
  }
  DxfWriter dxf;
  dxf.dxfBegin();
  for (int i = 1; i <= net.NUMNP; ++i) {
    dxf.dxfLayer(text::layerNodes());
    dxf.dxfCircle(net.Node[i].X, net.Node[i].Y, 0.03);
    dxf.dxfLayer(text::layerNodeNumbers());
    dxf.dxfText(std::to_string(i), net.Node[i].X, net.Node[i].Y, 0, 0.03);
  }
  dxf.dxfLayer("MESH");
  for (int j = 1; j <= net.NUMEL; ++j) {
    const NodeRecord& a = net.Node[net.Elem[j].N1];
    const NodeRecord& b = net.Node[net.Elem[j].N2];
    dxf.dxfLine(a.X, a.Y, b.X, b.Y);
  }
  dxf.dxfEnd();
  return dxf.lines();
}

void writeLinePlot(const LineNetwork& net, const std::string& path) {
  common::writeTextLines(path, linePlotLines(net));
}

std::vector<std::string> elementPlotLines(const LineNetwork& net) {
  for (int e = 1; e <= net.NE; ++e)
    for (int k = 1; k <= net.cornerCount(e); ++k)
      checkNode(net, net.KI[e][k], text::elementOwner(e));

  DxfWriter dxf;
  dxf.dxfBegin();
  dxf.dxfLayer(text::layerNodeNumbers());
  dxf.dxfCentre(1);
  for (int i = 1; i <= net.NUMNP; ++i)
    dxf.dxfText(std::to_string(i), net.Node[i].X, net.Node[i].Y, 0, 0.1);
  for (int e = 1; e <= net.NE; ++e)
    if (net.KN[e] >= 0)
      plotElement(dxf, net, e, &net.KI[e][1], net.cornerCount(e), text::layerElements());
  for (int e = 1; e <= net.NE; ++e)
    if (net.KN[e] < 0) plotElement(dxf, net, e, &net.KI[e][1], 5, text::layerFaultyCells());
  dxf.dxfEnd();
  return dxf.lines();
}

void writeElementPlot(const LineNetwork& net, const std::string& path) {
  common::writeTextLines(path, elementPlotLines(net));
}

}  // namespace linemesh::files
