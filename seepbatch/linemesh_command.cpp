// seepbatch linemesh: not built yet; the frame only.
#include <iostream>

#include "seepbatch/commands.h"

namespace seepbatch {

const char* const kLinemeshUsage =
    "  seepbatch linemesh [--snap-eps E] ACTION...\n      --load F  --load-mesh F  --line X1 Y1 X2 "
    "Y2  --form  --save F  --save-mesh F\n      --save-m2w F  --save-voka F  --plot-lines F  "
    "--plot-elements F\n";

int runLinemesh(const std::vector<std::string>&) {
  std::cerr << "linemesh: these actions are not available yet\n";
  return 1;
}

}  // namespace seepbatch
