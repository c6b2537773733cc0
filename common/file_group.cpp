#include "common/file_group.h"

#include <sys/stat.h>

#include "common/errors.h"
#include "common/messages.h"
#include "common/text_file.h"

namespace common {
namespace {

/// Throws when a target cannot be replaced without harm; writes nothing.
void checkTargets(const std::vector<GroupFile>& files, const std::vector<std::string>& inputs) {
  for (size_t k = 0; k < files.size(); ++k) {
    const std::string& path = files[k].path;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
      throw FileError(messages::writeTargetIsFolder(path));
    for (const std::string& input : inputs)
      if (sameFile(path, input)) throw FileError(messages::writeTargetIsInput(path, input));
    for (size_t j = 0; j < k; ++j)
      if (sameFile(path, files[j].path))
        throw FileError(messages::writeTargetsSame(path, files[j].path));
  }
}

}  // namespace

void writeFileGroup(const std::vector<GroupFile>& files, const std::vector<std::string>& inputs) {
  checkTargets(files, inputs);
  std::vector<StagedFile> staged;
  staged.reserve(files.size());
  for (const GroupFile& file : files) {
    staged.emplace_back(file.path);
    staged.back().write(file.bytes);
  }
  // Every file is flushed and closed before the first rename, so that a
  // full disk cannot fail the group half way through its renames.
  for (StagedFile& file : staged) file.finish();
  for (StagedFile& file : staged) file.commit();
}

}  // namespace common
