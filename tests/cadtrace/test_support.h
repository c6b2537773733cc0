// Helpers shared by the converter's tests and benchmarks: models from plain
// tables and a scratch folder of their own.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cadtrace/model/line_model.h"

namespace cadtrace::testing {

/// A model holding these nodes and lines (numbered from 1), without indexes.
inline LineModel model(const std::vector<Point>& nodes, const std::vector<LinePair>& lines) {
  LineModel m;
  m.NNODE = static_cast<int>(nodes.size());
  m.NODES.insert(m.NODES.end(), nodes.begin(), nodes.end());
  m.NLINE = static_cast<int>(lines.size());
  m.LINES.insert(m.LINES.end(), lines.begin(), lines.end());
  return m;
}

/// An empty folder "<prefix>_<process id>" in the temporary folder, removed
/// with everything in it when the object goes.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& prefix)
      : dir_(std::filesystem::temp_directory_path() / (prefix + "_" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  ~ScratchFolder() { std::filesystem::remove_all(dir_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  /// The path of `name` in the folder.
  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  /// The names in the folder, sorted.
  std::vector<std::string> names() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir_))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path dir_;
};

}  // namespace cadtrace::testing
