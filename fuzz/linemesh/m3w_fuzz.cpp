// The M3W reader on any bytes: never crashes; a refused read leaves the
// network as it was; an accepted network is written and reads back.
#include "common/errors.h"
#include "fuzz/linemesh/fuzz_support.h"
#include "linemesh/files/m3w_file.h"

using namespace linemesh;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static LineNetwork net;
  net = fuzzing::baseNetwork();
  try {
    files::readM3WLines(net, "fuzz", fuzzing::decodedLines(data, size));
  } catch (const common::Error&) {
    fuzzing::requireUnchanged(net);
    return 0;
  }
  static LineNetwork again;
  again = net;
  try {
    files::readM3WLines(again, "written", files::m3wLines(net));
  } catch (const common::Error&) {
    std::abort();  // what the writer writes must read back
  }
  return 0;
}
