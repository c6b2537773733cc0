// The MESH.DAT reader on any bytes: never crashes; a refused read leaves the
// network as it was; an accepted one keeps the formed elements, and the
// network read writes as an M3W file that reads back.
#include "common/errors.h"
#include "fuzz/linemesh/fuzz_support.h"
#include "linemesh/files/m3w_file.h"
#include "linemesh/files/mesh_file.h"

using namespace linemesh;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static LineNetwork net;
  net = fuzzing::baseNetwork();
  try {
    files::readMeshLines(net, "fuzz", fuzzing::decodedLines(data, size));
  } catch (const common::Error&) {
    fuzzing::requireUnchanged(net);
    return 0;
  }
  const LineNetwork& base = fuzzing::baseNetwork();
  if (net.NE != base.NE) std::abort();
  for (int e = 1; e <= net.NE; ++e)
    if (net.KI[e] != base.KI[e] || net.KN[e] != base.KN[e]) std::abort();
  static LineNetwork again;
  again = net;
  try {
    files::readM3WLines(again, "written", files::m3wLines(net));
  } catch (const common::Error&) {
    std::abort();
  }
  return 0;
}
