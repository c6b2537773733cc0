// seepbatch meshcond: not built yet; the frame only.
#include <iostream>

#include "seepbatch/commands.h"

namespace seepbatch {

const char* const kMeshcondUsage =
    "  seepbatch meshcond ACTION...\n      --load-mesh F  --open F  --import-legacy F  --save F  "
    "--save-mesh F  --save-d2 F\n      --export-levels  --export-rain\n";

int runMeshcond(const std::vector<std::string>&) {
  std::cerr << "meshcond: these actions are not available yet\n";
  return 1;
}

}  // namespace seepbatch
