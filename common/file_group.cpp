#include "meshcond/model/file_group.h"

#include <sys/stat.h>

#include "common/errors.h"
#include "common/text_file.h"

namespace meshcond {

void writeFileGroup(const std::vector<GroupFile>& files) {
  for (const GroupFile& file : files) {
    struct stat st {};
    if (::stat(file.path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
      throw common::FileError(file.path + ": cannot write the file: it is a folder");
  }
  std::vector<common::StagedFile> staged;
  staged.reserve(files.size());
  for (const GroupFile& file : files) {
    staged.emplace_back(file.path);
    staged.back().write(file.bytes);
  }
  // Every file is flushed and closed before the first rename, so that a
  // full disk cannot fail the group half way through its renames.
  for (common::StagedFile& file : staged) file.finish();
  for (common::StagedFile& file : staged) file.commit();
}

}  // namespace meshcond
