// A group of files: checked and staged before the first rename.
#include "common/file_group.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "common/errors.h"
#include "common/text_file.h"
#include "tests/support/test_scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

TEST(FileGroup, ARefusedTargetReplacesNoFileOfTheGroup) {
  common::testing::TestScratchFolder scratch("file_group");
  auto path = [&](const std::string& name) { return scratch.path(name); };
  common::writeFileBytes(path("in.dxf"), "input");
  common::writeFileBytes(path("a"), "old a");
  fs::create_directories(path("folder/inner"));
  ASSERT_EQ(::symlink("a", path("link").c_str()), 0);
  struct Case {
    std::string second, message;
  } cases[] = {
      {"folder", "folder に書き込めません: フォルダです"},
      {"in.dxf", "in.dxf に書き込めません: 読み込んだファイル（"},
      {"link", "link に書き込めません: " + path("a") + " と同じファイルです"},
      {"missing/b", "missing/b に書き込めません（"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.second);
    try {
      common::writeFileGroup({{path("a"), "new a"}, {path(c.second), "new"}}, {path("in.dxf")});
      ADD_FAILURE() << "accepted";
    } catch (const common::FileError& e) {
      EXPECT_THAT(e.what(), HasSubstr(c.message));
    }
    EXPECT_EQ(common::readFileBytes(path("a")), "old a");
    EXPECT_EQ(common::readFileBytes(path("in.dxf")), "input");
  }
  EXPECT_EQ(scratch.names(), (std::vector<std::string>{"a", "folder", "in.dxf", "link"}));
  common::writeFileGroup({{path("a"), "new a"}, {path("b"), "new b"}}, {path("in.dxf")});
  EXPECT_EQ(common::readFileBytes(path("b")), "new b");
}

}  // namespace
