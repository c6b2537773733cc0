// The ZEP.DAT reader on any bytes: never crashes; a refused file leaves the
// model as it was; whatever the writer accepts reads back to the same text.
#include "common/errors.h"
#include "fuzz/meshcond/fuzz_support.h"
#include "meshcond/model/zep_file.h"

using namespace meshcond;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> lines = fuzzing::decodedLines(data, size);
  AnalysisModel* model =
      fuzzing::loadOverBase([&](AnalysisModel& m) { readZepDatLines(m, lines, "fuzz"); });
  if (!model) return 0;
  std::vector<std::string> written;
  try {
    model->Initial();
    prepareZepDat(*model);
    written = zepDatLines(*model);
    common::encodeLines(written);
  } catch (const common::Error&) {
    return 0;  // refused before anything would be written
  }
  static AnalysisModel again;
  readZepDatLines(again, written, "written");  // must not throw
  if (zepDatLines(again) != written) std::abort();
  return 0;
}
