// The old-style import on any bytes: never crashes, and a refused file
// leaves the model as it was.
#include "common/errors.h"
#include "fuzz/meshcond/fuzz_support.h"
#include "meshcond/model/legacy_file.h"

using namespace meshcond;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> lines = fuzzing::decodedLines(data, size);
  static AnalysisModel model;
  model = fuzzing::baseModel();  // copy assignment reuses the storage
  try {
    importLegacyLines(model, lines, "fuzz");
  } catch (const common::Error&) {
    fuzzing::requireUnchanged(model);
  }
  return 0;
}
