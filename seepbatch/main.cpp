// seepbatch: the file operations of the three programs, without a window.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "seepbatch/commands.h"

namespace {

void printHelp(std::ostream& out) {
  out << "seepbatch: prepare seepage analysis input without a window\n\n"
      << "usage:\n"
      << seepbatch::kCadtraceUsage << seepbatch::kLinemeshUsage << seepbatch::kMeshcondUsage
      << "\nActions run in the order given; the first error is printed on stderr and ends\n"
         "the run with exit code 1 (files written by earlier actions stay).\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    printHelp(std::cerr);
    return 1;
  }
  const std::string command = args.front();
  args.erase(args.begin());
  if (command == "--help" || command == "-h" || command == "help") {
    printHelp(std::cout);
    return 0;
  }
  try {
    if (command == "cadtrace") return seepbatch::runCadtrace(args);
    if (command == "linemesh") return seepbatch::runLinemesh(args);
    if (command == "meshcond") return seepbatch::runMeshcond(args);
  } catch (const std::exception& e) {
    std::cerr << command << ": " << e.what() << "\n";
    return 1;
  }
  std::cerr << "seepbatch: unknown subcommand \"" << command << "\" (see seepbatch --help)\n";
  return 1;
}
