// The mesh loader on any bytes: never crashes; a refused load leaves the
// model as it was; an accepted mesh writes and reads back to the same text.
#include <cstdlib>

#include "common/errors.h"
#include "fuzz/meshcond/fuzz_support.h"

using namespace meshcond;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> lines = fuzzing::decodedLines(data, size);
  AnalysisModel* model =
      fuzzing::loadOverBase([&](AnalysisModel& m) { loadMeshLines(m, lines, "fuzz"); });
  if (!model) return 0;
  std::vector<std::string> written = meshLines(*model);
  static AnalysisModel again;
  again = *model;
  try {
    loadMeshLines(again, written, "written");
  } catch (const common::Error&) {
    std::abort();  // a written mesh always reads back
  }
  if (meshLines(again) != written) std::abort();
  return 0;
}
