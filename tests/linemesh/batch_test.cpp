#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "common/text_file.h"
#include "tests/support/test_scratch_folder.h"

namespace {

struct Outcome {
  int code;
  std::string out;  // stdout and stderr
};

class Batch : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(std::string(SEEP_FIXTURE_DIR) + "/linemesh/grid2x1.M3W",
                               dir_ / "grid.M3W");
  }

  Outcome run(const std::string& args) const {
    std::string command =
        "cd '" + dir_.string() + "' && '" + SEEPBATCH + "' linemesh " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
  }
  std::string bytesOf(const std::string& name) const {
    return common::readFileBytes((dir_ / name).string());
  }
  bool exists(const std::string& name) const { return std::filesystem::exists(dir_ / name); }

  common::testing::TestScratchFolder scratch_{"linemesh_batch"};
  const std::filesystem::path& dir_ = scratch_.dir();
};

TEST_F(Batch, TheDemoCommandWritesEveryFile) {
  Outcome r = run(
      "--load grid.M3W --form --save-mesh m.DAT --save-m2w m.M2W --save-voka v.DAT --plot-lines "
      "l.DXF --plot-elements e.DXF --save b.M3W");
  ASSERT_EQ(r.code, 0) << r.out;
  EXPECT_EQ(r.out,
            "読み込み grid.M3W: 節点 6、線 7\n"
            "要素の成形: 節点 6、線 7、要素 2（三角形 0、四角形 2、五角形のセル 0）\n"
            "メッシュデータ保存 m.DAT: 節点 6、要素 2\n"
            "M2W保存 m.M2W: 節点 6、線 7\n"
            "VOKA保存 v.DAT: 節点 6、要素 2\n"
            "M3Wのプロット l.DXF: 節点 6、線 7\n"
            "要素図プロット e.DXF: 節点 6、要素 2\n"
            "保存 b.M3W: 節点 6、線 7\n");
  EXPECT_EQ(bytesOf("m.DAT"),
            "           6           2\r\n"
            "       1     0.000     0.000\r\n"
            "       2     0.000     1.000\r\n"
            "       3     1.000     0.000\r\n"
            "       4     1.000     1.000\r\n"
            "       5     2.000     0.000\r\n"
            "       6     2.000     1.000\r\n"
            "       1       1       3       4       2    4\r\n"
            "       2       3       5       6       4    4\r\n");
  for (const char* name : {"m.M2W", "v.DAT", "l.DXF", "e.DXF", "b.M3W"}) EXPECT_TRUE(exists(name));
}

TEST_F(Batch, TypedLinesSnapAndSplit) {
  Outcome r = run(
      "--snap-eps 0.01 --line 0 0 1 0 --line 1 0.005 1 1 --line 1 1 0 1 --line 0 1 0 0 --line 0 0 "
      "1 1 --line 1 0 0 1 --form --save-mesh m.DAT");
  ASSERT_EQ(r.code, 0) << r.out;
  EXPECT_NE(r.out.find("要素の成形: 節点 5、線 8、要素 4（三角形 4"), std::string::npos) << r.out;
}

TEST_F(Batch, FormationNamesItsFaultsAndWritesItsReport) {
  // A square whose bottom side has a node in its middle, beside a pentagon.
  Outcome r =
      run("--line 0 0 1 0 --line 1 0 2 0 --line 2 0 2 2 --line 2 2 0 2 --line 0 2 0 0 "
          "--line 10 0 12 0 --line 12 0 12.6 1.9 --line 12.6 1.9 11 3 --line 11 3 9.4 1.9 "
          "--line 9.4 1.9 10 0 --form --report r.json");
  ASSERT_EQ(r.code, 0) << r.out;
  EXPECT_NE(r.out.find("\n  五角形のセル（線で分割してください） 1 個: 節点 "), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\n  要素のないセル 1 個: 節点 1-"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\n  要素のない節点 10 個: 節点 1 (0.000, 0.000); ...\n"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("成形の報告 r.json: 要素 0\n"), std::string::npos) << r.out;
  const std::string json = bytesOf("r.json");
  EXPECT_NE(json.find("\"nodes_without_element\": [\n    1,"), std::string::npos) << json;

  // A faultless formation adds no line; a report before any formation is refused.
  r = run("--load grid.M3W --form");
  EXPECT_EQ(r.out.find("\n  "), std::string::npos) << r.out;
  r = run("--load grid.M3W --report r2.json");
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.out.find("--report: 要素の成形"), std::string::npos) << r.out;
  EXPECT_FALSE(exists("r2.json"));
  // Nor after the lines changed: the formation no longer fits them.
  r = run("--load grid.M3W --form --line 0 0 1 1 --report r3.json");
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.out.find("--report: 要素の成形"), std::string::npos) << r.out;
  EXPECT_FALSE(exists("r3.json"));
}

TEST_F(Batch, AutomaticMeshingOfEveryFaceOrOfThePickedOne) {
  const std::string square = "--line 0 0 10 0 --line 10 0 10 10 --line 10 10 0 10 --line 0 10 0 0 ";
  Outcome r = run(square + "--auto-mesh 1 --form --save-mesh m.DAT");
  ASSERT_EQ(r.code, 0) << r.out;
  EXPECT_NE(r.out.find("\n自動メッシュ: メッシュにした面 1、そのままの面 0、"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("、五角形のセル 0）\nメッシュデータ保存"), std::string::npos) << r.out;
  EXPECT_TRUE(exists("m.DAT"));
  r = run(square + "--auto-mesh 1 --form --save-mesh m2.DAT");  // the same bytes every run
  ASSERT_EQ(r.code, 0) << r.out;
  EXPECT_EQ(bytesOf("m.DAT"), bytesOf("m2.DAT"));

  r = run(square + "--auto-mesh-at 5 5 2");
  ASSERT_EQ(r.code, 0) << r.out;
  EXPECT_NE(r.out.find("\n自動メッシュ（点指定）: メッシュにした面 1、"), std::string::npos)
      << r.out;
  for (const char* args : {"--auto-mesh-at 20 20 1", "--auto-mesh 0", "--auto-mesh x"}) {
    SCOPED_TRACE(args);
    r = run(square + args);
    EXPECT_EQ(r.code, 1) << r.out;
    EXPECT_NE(r.out.find("linemesh --auto-mesh"), std::string::npos) << r.out;
  }
}

TEST_F(Batch, UsageErrorsRunNothing) {
  for (const char* args :
       {"--save x.M3W --bogus", "--save x.M3W --line 1 2 3", "--save x.M3W --snap-eps 1",
        "--snap-eps 1 --snap-eps 1 --save x.M3W", "--snap-eps abc --save x.M3W", "--save"}) {
    SCOPED_TRACE(args);
    Outcome r = run(args);
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find("usage:"), std::string::npos) << r.out;
    EXPECT_FALSE(exists("x.M3W"));
  }
  EXPECT_EQ(run("").code, 0);
}

TEST_F(Batch, AFailingActionStopsTheRunAndKeepsEarlierFiles) {
  Outcome r = run("--load grid.M3W --save a.M3W --line 0 0 x 1 --save b.M3W");
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.out.find("--line: 3 番目の値「x」は実数ではありません"), std::string::npos) << r.out;
  EXPECT_TRUE(exists("a.M3W"));
  EXPECT_FALSE(exists("b.M3W"));
  r = run("--load nosuch.M3W");
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.out.find("nosuch.M3W"), std::string::npos) << r.out;
}

}  // namespace
