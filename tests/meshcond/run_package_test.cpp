// Saving with the run package, and the CSV exports.
#include "meshcond/model/run_package.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "common/errors.h"
#include "common/text_file.h"
#include "tests/meshcond/test_support.h"

namespace meshcond {
namespace {

namespace fs = std::filesystem;
using testing::everyBlockModel;
using testing::oneElementModel;

fs::path freshDir(const std::string& name) {
  fs::path dir = fs::path(::testing::TempDir()) / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

std::string read(const fs::path& path) { return common::readFileBytes(path.string()); }

TEST(RunPackage, PackageFilesAreWrittenOnlyOnce) {
  fs::path dir = freshDir("package_once");
  AnalysisModel m = oneElementModel();
  std::vector<std::string> written = saveAnalysis(m, (dir / "CASE1.DAT").string());
  EXPECT_EQ(written, (std::vector<std::string>{"input.txt", "zepan.bat", "WORK.LST"}));
  EXPECT_EQ(read(dir / "input.txt"), "ZEP64.DAT\r\nZEP64.PRN\r\n");
  EXPECT_EQ(read(dir / "zepan.bat"),
            "time /t\r\nc:\\zepandir\\zepan2d.exe < input.txt\r\ntime /t\r\n");
  std::string work = read(dir / "WORK.LST");
  EXPECT_EQ(work.substr(0, 10), "out1.out\r\n");
  EXPECT_EQ(work.substr(work.size() - 11), "2000000\r\n\r\n");
  EXPECT_EQ(m.ISOLV, 1);

  common::writeFileBytes((dir / "input.txt").string(), "edited");
  fs::remove(dir / "WORK.LST");
  written = saveAnalysis(m, (dir / "CASE2.DAT").string());
  EXPECT_EQ(written, (std::vector<std::string>{"WORK.LST"}));
  EXPECT_EQ(read(dir / "input.txt"), "edited");
  EXPECT_EQ(read(dir / "CASE1.DAT"), read(dir / "CASE2.DAT"));
}

TEST(RunPackage, AFolderNamedLikeAPackageFileCountsAsPresent) {
  fs::path dir = freshDir("package_folder");
  fs::create_directory(dir / "input.txt");
  AnalysisModel m = oneElementModel();
  EXPECT_EQ(saveAnalysis(m, (dir / "ZEP64.DAT").string()),
            (std::vector<std::string>{"zepan.bat", "WORK.LST"}));
}

TEST(RunPackage, AFailedSaveWritesNothingAndKeepsTheModel) {
  fs::path dir = freshDir("package_failed");
  fs::create_directory(dir / "ZEP64.DAT");
  AnalysisModel m = oneElementModel();
  AnalysisModel before = m;
  EXPECT_THROW(saveAnalysis(m, (dir / "ZEP64.DAT").string()), common::FileError);
  EXPECT_THROW(saveAnalysis(m, (dir / "missing" / "ZEP64.DAT").string()), common::FileError);
  // ZEP.DAT named like a package file that is not there yet: both would be
  // the same file, and the package file would silently take its place.
  EXPECT_THROW(saveAnalysis(m, (dir / "input.txt").string()), common::FileError);
  EXPECT_TRUE(m == before);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST(Exports, SeriesInTheGeneralNumberText) {
  AnalysisModel m = everyBlockModel();
  EXPECT_EQ(rainCsvLines(m),
            (std::vector<std::string>{"時間,降雨", "6,2.5", "12,5", "18,7.5", "24,10"}));
  EXPECT_EQ(levelCsvLines(m),
            (std::vector<std::string>{"時間,水位", "10,2.5", "20,3", "30,3.5", "40,4"}));
  m.NRTIME = 1;
  m.RTIME[1] = 1e-9;
  m.RAIN[1] = 1e-9;
  EXPECT_EQ(rainCsvLines(m)[1], "1E-9,1E-6");
  m.RAIN[1] = std::numeric_limits<double>::max();
  EXPECT_THROW(rainCsvLines(m), common::RangeError);
  m.NFLUCT = 0;  // boundary 1 is exported whatever NFLUCT is
  EXPECT_EQ(levelCsvLines(m).size(), 5u);
}

TEST(Exports, WrittenIntoTheFolderOfTheLastOpen) {
  fs::path dir = freshDir("exports");
  AnalysisModel m = everyBlockModel();
  m.DirName = dir.string();
  EXPECT_EQ(exportRain(m), (dir / "降雨.CSV").string());
  EXPECT_EQ(read(dir / "降雨.CSV").substr(0, 12), "\x8E\x9E\x8A\xD4,\x8D\x7E\x89\x4A\r\n6");
  EXPECT_EQ(exportLevels(m), (dir / "河川水位.CSV").string());
}

}  // namespace
}  // namespace meshcond
