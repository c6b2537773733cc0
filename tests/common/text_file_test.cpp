#include "common/text_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <filesystem>

#include "common/errors.h"
#include "common/messages.h"
#include "tests/support/test_scratch_folder.h"

namespace {

namespace fs = std::filesystem;

using Lines = std::vector<std::string_view>;

TEST(SplitLines, TerminatorsBomAndLoneCr) {
  EXPECT_EQ(common::splitLines(""), Lines{});
  EXPECT_EQ(common::splitLines("\r\n"), Lines{""});
  EXPECT_EQ(common::splitLines("a\r\nb\nc"), (Lines{"a", "b", "c"}));
  EXPECT_EQ(common::splitLines("a\n\n"), (Lines{"a", ""}));
  EXPECT_EQ(common::splitLines("a\rb\r\r\n"), (Lines{"a\rb\r"}));
  EXPECT_EQ(common::splitLines("\xEF\xBB\xBFx\n"), (Lines{"x"}));
}

TEST(Cp932, JapaneseTextsRoundTrip) {
  for (const char* text : {"節点", "要素の成形", "変更が保存されていません。保存しますか？",
                           "河川水位.CSV", "降雨", "ゼルカ", "～－∥①Ⅰ㈱髙", "ｱｲｳ"}) {
    std::string encoded = common::encodeCp932(text);
    EXPECT_EQ(common::decodeCp932(encoded), text);
  }
  EXPECT_EQ(common::encodeCp932("節点"), "\x90\xDF\x93\x5F");
  EXPECT_EQ(common::decodeCp932("\\~"), "\\~");
}

TEST(Cp932, InvalidBytesBecomePlaceholders) {
  std::string decoded = common::decodeCp932("1\x80 2\x81");
  EXPECT_TRUE(common::hasInvalidBytes(decoded));
  EXPECT_EQ(decoded, std::string("1") + std::string(common::kInvalidByte) + " 2" +
                         std::string(common::kInvalidByte));
  EXPECT_FALSE(common::hasInvalidBytes(common::decodeCp932("\x90\xDF")));
}

TEST(Cp932, FileImageDecodesLineByLine) {
  const std::string bad(common::kInvalidByte);
  EXPECT_EQ(common::decodeLines(""), std::vector<std::string>{});
  EXPECT_EQ(common::decodeLines("\xEF\xBB\xBF\x90\xDF\x93\x5F\r\n1\x80\n\n\x81"),
            (std::vector<std::string>{"節点", "1" + bad, "", bad}));
}

TEST(Cp932, UnencodableTextIsAnErrorNamingIt) {
  try {
    common::encodeCp932("a€b");
    FAIL();
  } catch (const common::ConversionError& e) {
    EXPECT_NE(std::string(e.what()).find("€"), std::string::npos);
  }
}

class TempFolder : public ::testing::Test {
 protected:
  // A test may leave the folder read-only.
  void TearDown() override { fs::permissions(dir_, fs::perms::owner_all); }
  std::string path(const std::string& name) const { return scratch_.path(name); }

  common::testing::TestScratchFolder scratch_{"seep_text"};
  const fs::path& dir_ = scratch_.dir();
};

TEST_F(TempFolder, WritesCp932WithCrLfAndReadsBack) {
  std::string file = path("a.txt");
  common::writeTextLines(file, {"節点 1", "", "end"});
  EXPECT_EQ(common::readFileBytes(file), "\x90\xDF\x93\x5F 1\r\n\r\nend\r\n");
  EXPECT_EQ(common::readTextLines(file), (std::vector<std::string>{"節点 1", "", "end"}));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(TempFolder, FailedWriteLeavesTheOldFile) {
  std::string file = path("keep.txt");
  common::writeTextLines(file, {"old"});
  if (geteuid() != 0) {  // root writes into read-only folders anyway
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(common::writeTextLines(file, {"new"}), common::FileError);
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_EQ(common::readFileBytes(file), "old\r\n");
  }
  // An unencodable line fails before anything is written.
  EXPECT_THROW(common::writeTextLines(file, {"new", "€"}), common::ConversionError);
  EXPECT_EQ(common::readFileBytes(file), "old\r\n");
  // A target that is a folder fails at the rename and leaves no temporary file.
  fs::create_directory(path("folder"));
  fs::create_directory(path("folder/inner"));
  EXPECT_THROW(common::writeTextLines(path("folder"), {"x"}), common::FileError);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

TEST_F(TempFolder, MissingFolderIsAFileError) {
  EXPECT_THROW(common::writeTextLines(path("no/such/x.txt"), {"x"}), common::FileError);
  try {
    common::readFileBytes(path("absent.txt"));
    ADD_FAILURE() << "read";
  } catch (const common::FileError& e) {
    // The system's reason follows in brackets, in the table's words.
    EXPECT_EQ(std::string(e.what()), "ファイル " + path("absent.txt") +
                                         " を開けません（ファイルまたはフォルダがありません）");
  }
}

TEST(SystemReason, CommonCasesInWordsOthersWithTheirNumber) {
  EXPECT_EQ(common::messages::systemReason(EACCES), "アクセスが許可されていません");
  EXPECT_EQ(common::messages::systemReason(ENOSPC), "ディスクに空きがありません");
  const std::string other = common::messages::systemReason(EPROTO);
  EXPECT_EQ(other.substr(other.size() - std::string("エラー番号 ").size() -
                         std::to_string(EPROTO).size()),
            "エラー番号 " + std::to_string(EPROTO));
}

TEST_F(TempFolder, StagedFilesCommitInTurn) {
  std::string a = path("a"), b = path("b");
  {
    common::StagedFile first(a), second(b);
    first.writeLine("1");
    second.writeLine("2");
    first.commit();
  }  // second dropped: b never appears
  EXPECT_TRUE(common::pathExists(a));
  EXPECT_FALSE(common::pathExists(b));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(TempFolder, FinishedStagedFilesRenameOnCommitOnly) {
  std::string a = path("a");
  {
    common::StagedFile first(a);
    first.writeLine("1");
    first.finish();
    EXPECT_THROW(first.write("more"), common::FileError);
    EXPECT_FALSE(common::pathExists(a));
  }  // dropped after finish: the temporary file goes too
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 0);
  common::StagedFile second(a);
  second.writeLine("2");
  second.finish();
  second.commit();
  EXPECT_EQ(common::readFileBytes(a), "2\r\n");
  EXPECT_THROW(second.commit(), common::FileError);
}

TEST_F(TempFolder, ALinkIsFollowedAndTheModeKept) {
  fs::create_directory(path("sub"));
  common::writeTextLines(path("real"), {"old"});
  ::chmod(path("real").c_str(), 0640);
  ASSERT_EQ(::symlink("real", path("link").c_str()), 0);
  ASSERT_EQ(::symlink("../link", path("sub/chain").c_str()), 0);  // relative, two links deep
  for (const char* name : {"link", "sub/chain"}) {
    SCOPED_TRACE(name);
    common::writeTextLines(path(name), {name});
    EXPECT_TRUE(fs::is_symlink(path(name)));
    EXPECT_EQ(common::readFileBytes(path("real")), std::string(name) + "\r\n");
    EXPECT_EQ(fs::status(path("real")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 3);
  // A new file takes 0666 less the umask.
  mode_t mask = ::umask(022);
  common::writeTextLines(path("new"), {"x"});
  ::umask(mask);
  EXPECT_EQ(fs::status(path("new")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::others_read);
}

TEST_F(TempFolder, AWriteRemovesTheLeftoversOfKilledWritesOnly) {
  pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ASSERT_GT(gone, 0);
  ::waitpid(gone, nullptr, 0);
  const std::string target = path("ZEP.DAT");
  const std::string dead = common::stagingName(target, gone, 1);
  const std::string live = common::stagingName(target, ::getppid(), 2);
  const std::string other = common::stagingName(path("MESH.DAT"), gone, 3);
  const std::string oldAbandoned = path(".ZEP.DAT.tmp307699");
  const std::string oldRecent = path(".ZEP.DAT.tmp123");
  for (const std::string& file : {dead, live, other, oldAbandoned, oldRecent})
    common::writeFileBytes(file, "partial");
  const timespec twoHoursAgo[2] = {{::time(nullptr) - 7200, 0}, {::time(nullptr) - 7200, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, oldAbandoned.c_str(), twoHoursAgo, 0), 0);
  common::writeTextLines(target, {"new"});
  EXPECT_FALSE(common::pathExists(dead));
  EXPECT_FALSE(common::pathExists(oldAbandoned));
  EXPECT_TRUE(common::pathExists(live));
  EXPECT_TRUE(common::pathExists(other));
  EXPECT_TRUE(common::pathExists(oldRecent));
  EXPECT_EQ(common::readFileBytes(target), "new\r\n");
}

TEST_F(TempFolder, SameFileFollowsLinksAndPlaces) {
  common::writeTextLines(path("a"), {"a"});
  ASSERT_EQ(::symlink("a", path("l").c_str()), 0);
  EXPECT_TRUE(common::sameFile(path("a"), path("l")));
  EXPECT_TRUE(common::sameFile(path("a"), dir_.string() + "/./a"));
  EXPECT_TRUE(
      common::sameFile(path("n"), dir_.string() + "/../" + dir_.filename().string() + "/n"));
  EXPECT_FALSE(common::sameFile(path("a"), path("n")));
  EXPECT_FALSE(common::sameFile(path("n"), path("m")));
}

TEST(Paths, FolderAndJoin) {
  EXPECT_EQ(common::folderOf("ZEP.DAT"), "");
  EXPECT_EQ(common::folderOf("a/b/ZEP.DAT"), "a/b");
  EXPECT_EQ(common::folderOf("/ZEP.DAT"), "/");
  EXPECT_EQ(common::joinPath("", "input.txt"), "input.txt");
  EXPECT_EQ(common::joinPath("a/b", "input.txt"), "a/b/input.txt");
  EXPECT_EQ(common::joinPath("/", "input.txt"), "/input.txt");
}

}  // namespace
