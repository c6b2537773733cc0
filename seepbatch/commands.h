// The subcommands of the batch tool. Each takes the arguments after its name,
// prints a summary line per action on stdout and errors on stderr, and
// returns the exit code.
#pragma once

#include <string>
#include <vector>

namespace seepbatch {

int runCadtrace(const std::vector<std::string>& args);
int runLinemesh(const std::vector<std::string>& args);
int runMeshcond(const std::vector<std::string>& args);

/// The usage text of each subcommand (also printed by --help).
extern const char* const kCadtraceUsage;
extern const char* const kLinemeshUsage;
extern const char* const kMeshcondUsage;

}  // namespace seepbatch
