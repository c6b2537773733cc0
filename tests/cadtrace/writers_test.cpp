#include "cadtrace/model/writers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "common/errors.h"
#include "common/text_file.h"
#include "tests/cadtrace/test_support.h"

namespace cadtrace {
namespace {

using ::testing::HasSubstr;

using testing::model;

TEST(MakeM2W, ThreeNodesTwoLines) {
  LineModel m = model({{0, 0}, {10, 0}, {10, -5.5}}, {{1, 2}, {2, 3}});
  EXPECT_EQ(MakeM2W(m), (std::vector<std::string>{
                            "       3       2",
                            "       1     0.000     0.000",
                            "       2    10.000     0.000",
                            "       3    10.000    -5.500",
                            "       1       1       2",
                            "       2       2       3",
                        }));
}

TEST(MakeM2W, WideCoordinatesKeepABlankBeforeThem) {
  LineModel m = model({{100000, 0}, {-10000, 99999.999}, {-0.0, -0.0004}, {0.0625, 2.0625}}, {});
  EXPECT_EQ(MakeM2W(m), (std::vector<std::string>{
                            "       4       0",
                            "       1 100000.000     0.000",
                            "       2 -10000.000 99999.999",
                            "       3    -0.000    -0.000",
                            "       4     0.062     2.062",
                        }));
}

TEST(MakeXY, LinesThenNodes) {
  LineModel m = model({{0, 0}, {10, 0}, {10, -5.555}}, {{1, 2}, {2, 3}});
  EXPECT_EQ(MakeXY(m), (std::vector<std::string>{
                           "      2", "     1     2", "     2     3", "     3",
                           "      0.00,      0.00", "     10.00,      0.00",
                           "     10.00,     -5.55",  // -5.555 lies below the tie in binary
                       }));
}

TEST(MakeXY, WideNumbers) {
  LineModel m = model({{123456789.0, 0}, {1, 123456789.0}}, {{123456, 99999}, {99999, 123456}});
  EXPECT_EQ(MakeXY(m), (std::vector<std::string>{
                           "      2",
                           "123456 99999",
                           " 99999 123456",
                           "     2",
                           "123456789.00,      0.00",
                           "      1.00,123456789.00",
                       }));
}

TEST(Writers, EmptyDrawing) {
  LineModel m;
  EXPECT_EQ(MakeM2W(m), std::vector<std::string>{"       0       0"});
  EXPECT_EQ(MakeXY(m), (std::vector<std::string>{"      0", "     0"}));
}

TEST(Names, WithoutTheLastFourCharacters) {
  struct Case {
    std::string name, m3w, txt;
  } cases[] = {
      {"D:\\data\\sec1.dxf", "D:\\data\\sec1.M3W", "D:\\data\\sec1.TXT"},
      {"D:\\x\\plan.DXF", "D:\\x\\plan.M3W", "D:\\x\\plan.TXT"},
      {"abcdefg", "abc.M3W", "abc.TXT"},
      {"dir.v2/file", "dir.v2/.M3W", "dir.v2/.TXT"},
      {"abcd", ".M3W", ".TXT"},
      {"ab", ".M3W", ".TXT"},
      {"", ".M3W", ".TXT"},
      {"断面図１.dxf", "断面図１.M3W", "断面図１.TXT"},
      {"断面.図面", "断.M3W", "断.TXT"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(m3wNameFor(c.name), c.m3w);
    EXPECT_EQ(txtNameFor(c.name), c.txt);
  }
}

class WriteOutputs : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return scratch_.path(name); }
  std::vector<std::string> listing() const { return scratch_.names(); }
  testing::ScratchFolder scratch_{"cadtrace_writers"};
};

TEST_F(WriteOutputs, BothFilesCrLf) {
  LineModel m = model({{0, 0}, {1, 2}}, {{1, 2}});
  EXPECT_EQ(writeOutputs(m, path("out.M3W")), path("out.TXT"));
  EXPECT_EQ(common::readFileBytes(path("out.M3W")),
            "       2       1\r\n       1     0.000     0.000\r\n       2     1.000     2.000\r\n"
            "       1       1       2\r\n");
  EXPECT_EQ(
      common::readFileBytes(path("out.TXT")),
      "      1\r\n     1     2\r\n     2\r\n      0.00,      0.00\r\n      1.00,      2.00\r\n");
  EXPECT_EQ(listing(), (std::vector<std::string>{"out.M3W", "out.TXT"}));
}

TEST_F(WriteOutputs, SameNameIsRefusedBeforeWriting) {
  common::writeFileBytes(path("x.TXT"), "old");
  try {
    writeOutputs(LineModel(), path("x.TXT"));
    FAIL() << "no error";
  } catch (const common::FileError& e) {
    EXPECT_THAT(e.what(), HasSubstr("x.TXT: 座標リストが M3W ファイルと同じ名前になります"));
  }
  EXPECT_EQ(common::readFileBytes(path("x.TXT")), "old");
  EXPECT_EQ(listing(), std::vector<std::string>{"x.TXT"});
}

TEST_F(WriteOutputs, AFolderThatIsMissingWritesNothing) {
  EXPECT_THROW(writeOutputs(model({{0, 0}}, {}), path("missing/b.M3W")), common::FileError);
  EXPECT_TRUE(listing().empty());
}

TEST_F(WriteOutputs, AFolderNamedLikeEitherFileReplacesNeither) {
  for (const char* folder : {"a.TXT", "a.M3W"}) {
    SCOPED_TRACE(folder);
    std::filesystem::remove_all(scratch_.dir());
    std::filesystem::create_directories(scratch_.dir());
    common::writeFileBytes(path("a.M3W"), "old m3w");
    common::writeFileBytes(path("a.TXT"), "old txt");
    std::filesystem::remove(path(folder));
    std::filesystem::create_directories(path(std::string(folder) + "/inner"));
    try {
      writeOutputs(model({{0, 0}}, {}), path("a.M3W"));
      FAIL() << "no error";
    } catch (const common::FileError& e) {
      EXPECT_THAT(e.what(), HasSubstr(std::string(folder) + " に書き込めません: フォルダです"));
    }
    EXPECT_EQ(listing(), (std::vector<std::string>{"a.M3W", "a.TXT"}));
    const std::string kept = folder == std::string("a.TXT") ? "a.M3W" : "a.TXT";
    EXPECT_EQ(common::readFileBytes(path(kept)), kept == "a.M3W" ? "old m3w" : "old txt");
  }
}

TEST_F(WriteOutputs, RefusesToReplaceTheDrawingOrOneFileTwice) {
  common::writeFileBytes(path("d.dxf"), "drawing");
  common::writeFileBytes(path("d.TXT"), "drawing");
  common::writeFileBytes(path("b.M3W"), "old m3w");
  ASSERT_EQ(::symlink("b.M3W", path("b.TXT").c_str()), 0);
  struct Case {
    std::string m3w, dxf, message;
  } cases[] = {
      {"d.dxf", "d.dxf", "d.dxf に書き込めません: 読み込んだファイル（"},
      {"d.M3W", "d.TXT", "d.TXT に書き込めません: 読み込んだファイル（"},
      {"b.M3W", "d.dxf", "b.TXT に書き込めません: " + path("b.M3W") + " と同じファイルです"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m3w);
    try {
      writeOutputs(model({{0, 0}}, {}), path(c.m3w), path(c.dxf));
      FAIL() << "no error";
    } catch (const common::FileError& e) {
      EXPECT_THAT(e.what(), HasSubstr(c.message));
    }
  }
  EXPECT_EQ(common::readFileBytes(path("d.dxf")), "drawing");
  EXPECT_EQ(common::readFileBytes(path("d.TXT")), "drawing");
  EXPECT_EQ(common::readFileBytes(path("b.M3W")), "old m3w");
  EXPECT_EQ(listing(), (std::vector<std::string>{"b.M3W", "b.TXT", "d.TXT", "d.dxf"}));
}

}  // namespace
}  // namespace cadtrace
