// seepbatch: the file operations of the three programs, without a window.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "seepbatch/commands.h"
#include "seepbatch/messages.h"

namespace {

void printHelp(std::ostream& out) {
  namespace text = seepbatch::text;
  out << text::helpTitle() << "\n"
      << text::usageHeading() << seepbatch::kCadtraceUsage << seepbatch::kLinemeshUsage
      << seepbatch::kMeshcondUsage << text::helpFooter();
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
  std::cerr << seepbatch::text::unknownSubcommand(command) << "\n";
  return 1;
}
