// write_geo FILE.M3W SIZE OUT.geo: the faces that automatic meshing would
// give Gmsh, as a Gmsh geometry file, so that Gmsh's own program can mesh the
// same faces at the same size (with its default recombination) for a
// comparison of times.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "linemesh/files/m3w_file.h"
#include "linemesh/model/mesh_plan.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: write_geo FILE.M3W SIZE OUT.geo\n";
    return 2;
  }
  linemesh::LineNetwork net;
  linemesh::files::readM3W(net, argv[1]);
  net.PreYoso();
  net.YSort();
  net.XSort();
  net.ElemSort();
  const double h = std::atof(argv[2]);
  const linemesh::MeshPlan plan = linemesh::planMesh(net, {h, {}});
  std::ofstream out(argv[3]);
  char text[200];
  out << "Mesh.RecombineAll = 1;\n";
  for (int k : plan.points) {
    std::snprintf(text, sizeof text, "Point(%d) = {%.17g, %.17g, 0, %.17g};\n", k, net.Node[k].X,
                  net.Node[k].Y, h);
    out << text;
  }
  for (const linemesh::PlannedCurve& c : plan.curves) {
    out << "Line(" << c.line << ") = {" << c.n1 << ", " << c.n2 << "};\n";
    if (c.whole) out << "Transfinite Curve{" << c.line << "} = 2;\n";
  }
  int loop = 0, surface = 0;
  for (const linemesh::PlannedSurface& s : plan.surfaces) {
    std::string wires;
    for (const auto& l : s.loops) {
      out << "Curve Loop(" << ++loop << ") = {";
      for (size_t i = 0; i < l.size(); ++i) out << (i ? ", " : "") << l[i];
      out << "};\n";
      wires += (wires.empty() ? "" : ", ") + std::to_string(loop);
    }
    out << "Plane Surface(" << ++surface << ") = {" << wires << "};\n";
    if (s.inner.empty()) continue;
    out << "Curve{";
    for (size_t i = 0; i < s.inner.size(); ++i) out << (i ? ", " : "") << s.inner[i];
    out << "} In Surface{" << surface << "};\n";
  }
  return out ? 0 : 1;
}
