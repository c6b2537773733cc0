// Writing several files as one group: every file is staged under a
// temporary name first, then all are renamed into place in the given order.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace meshcond {

/// One file of a group: its path and its complete bytes.
struct GroupFile {
  std::string path;
  std::string bytes;
};

/// Stages every file, then renames them in order. A failure before the
/// renames (a missing or read-only folder, a target that is a folder) leaves
/// every target untouched; a failing rename keeps those done before it.
void writeFileGroup(const std::vector<GroupFile>& files);

}  // namespace meshcond
