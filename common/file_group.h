// Writing several files as one group: every file is checked and staged under
// a temporary name first, then all are renamed into place in the given order.
#pragma once

#include <string>
#include <vector>

namespace common {

/// One file of a group: its path and its complete bytes.
struct GroupFile {
  std::string path;
  std::string bytes;
};

/// Stages every file, then renames them in order. Refused before anything is
/// written (FileError): a target that is a folder, a target that is the same
/// file as one of `inputs` (the files the action read; links followed), and
/// two targets that are the same file. A failure while staging (a missing or
/// read-only folder, a full disk) leaves every target untouched; a failing
/// rename keeps those done before it.
void writeFileGroup(const std::vector<GroupFile>& files,
                    const std::vector<std::string>& inputs = {});

}  // namespace common
