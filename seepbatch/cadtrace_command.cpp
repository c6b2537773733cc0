// seepbatch cadtrace: not built yet; the frame only.
#include <iostream>

#include "seepbatch/commands.h"

namespace seepbatch {

const char* const kCadtraceUsage =
    "  seepbatch cadtrace INPUT.DXF [OUTPUT.M3W] [--scale-v N] [--scale-h N] [--ref-v N] [--ref-h "
    "N]\n      convert a DXF drawing into an M3W line file and a .TXT coordinate list\n";

int runCadtrace(const std::vector<std::string>&) {
  std::cerr << "cadtrace: these actions are not available yet\n";
  return 1;
}

}  // namespace seepbatch
