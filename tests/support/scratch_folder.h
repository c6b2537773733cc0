// A scratch folder of a test's (or benchmark's) own in the temporary folder.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace common::testing {

/// An empty folder "<name>_<process id>" in the temporary folder, removed
/// with everything in it when the object goes. The process id keeps runs of
/// the same test in parallel apart.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name)
      : dir_(std::filesystem::temp_directory_path() / (name + "_" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& dir() const { return dir_; }

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

}  // namespace common::testing
