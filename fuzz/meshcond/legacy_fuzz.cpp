// The old-style import on any bytes: never crashes, and a refused file
// leaves the model as it was.
#include "fuzz/meshcond/fuzz_support.h"
#include "meshcond/model/legacy_file.h"

using namespace meshcond;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> lines = fuzzing::decodedLines(data, size);
  fuzzing::loadOverBase([&](AnalysisModel& m) { importLegacyLines(m, lines, "fuzz"); });
  return 0;
}
