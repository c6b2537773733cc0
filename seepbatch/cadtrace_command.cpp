// seepbatch cadtrace: a DXF drawing to an M3W line file and a .TXT list.
#include <iostream>
#include <string>

#include "cadtrace/model/conversion.h"
#include "cadtrace/model/writers.h"
#include "seepbatch/commands.h"
#include "seepbatch/messages.h"

namespace seepbatch {

namespace {

int usageError(const std::string& what) {
  std::cerr << "cadtrace: " << what << "\n" << text::usageHeading() << kCadtraceUsage;
  return 1;
}

}  // namespace

int runCadtrace(const std::vector<std::string>& args) {
  cadtrace::ConversionSettings settings;
  std::vector<std::string> positionals;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    std::string* target = nullptr;
    if (arg == "--scale-v")
      target = &settings.scaleV;
    else if (arg == "--scale-h")
      target = &settings.scaleH;
    else if (arg == "--ref-v")
      target = &settings.kijunV;
    else if (arg == "--ref-h")
      target = &settings.kijunH;
    else if (arg.size() > 1 && arg[0] == '-')
      return usageError(text::unknownOption(arg));
    if (target == nullptr) {
      positionals.push_back(arg);
      continue;
    }
    if (k + 1 == args.size()) return usageError(text::optionNeedsValue(arg));
    *target = args[++k];
  }
  if (positionals.empty()) return usageError(text::noInputDxf());
  if (positionals.size() > 2) return usageError(text::tooManyFileNames());
  const std::string& input = positionals[0];
  std::string output = positionals.size() == 2 ? positionals[1] : cadtrace::m3wNameFor(input);
  try {
    cadtrace::LineModel model = cadtrace::convertDxfFile(input, settings);
    std::string txt = cadtrace::writeOutputs(model, output, input);
    std::cout << text::converted(model.NNODE, model.NLINE, output, txt) << "\n";
  } catch (const std::exception& e) {
    std::cerr << "cadtrace: " << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace seepbatch
