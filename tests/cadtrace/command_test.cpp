// seepbatch cadtrace: arguments, output names, messages and exit codes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "common/text_file.h"
#include "seepbatch/commands.h"
#include "tests/cadtrace/dxf_text.h"
#include "tests/cadtrace/test_support.h"

namespace {

using ::testing::HasSubstr;

class CadtraceCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    common::writeFileBytes(path("sec.dxf"), cadtrace::testing::entitiesFile(
                                                cadtrace::testing::line("7", "12", "9", "12")));
  }
  std::string path(const std::string& name) const { return scratch_.path(name); }

  int run(const std::vector<std::string>& args) {
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    int code = seepbatch::runCadtrace(args);
    out_ = ::testing::internal::GetCapturedStdout();
    err_ = ::testing::internal::GetCapturedStderr();
    return code;
  }

  cadtrace::testing::ScratchFolder scratch_{"cadtrace_command"};
  std::string out_, err_;
};

TEST_F(CadtraceCommand, DefaultOutputNames) {
  EXPECT_EQ(run({path("sec.dxf")}), 0) << err_;
  EXPECT_EQ(out_, "節点 2、線 1: " + path("sec.M3W") + ", " + path("sec.TXT") + "\n");
  EXPECT_EQ(err_, "");
  EXPECT_EQ(common::readFileBytes(path("sec.M3W")),
            "       2       1\r\n       1     7.000    12.000\r\n       2     9.000    12.000\r\n"
            "       1       1       2\r\n");
}

TEST_F(CadtraceCommand, OptionsAnywhereLastWinsValuesVerbatim) {
  EXPECT_EQ(run({"--scale-v", "3", "--ref-h", "-1", path("sec.dxf"), "--scale-v", "100",
                 "--scale-h", "200", path("o.M3W"), "--ref-v", "10", "--ref-h", "5"}),
            0)
      << err_;
  EXPECT_EQ(out_, "節点 2、線 1: " + path("o.M3W") + ", " + path("o.TXT") + "\n");
  EXPECT_THAT(common::readFileBytes(path("o.M3W")), HasSubstr("       1   400.000   200.000\r\n"));
}

TEST_F(CadtraceCommand, UsageErrors) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{}, "cadtrace: 入力の DXF ファイルが指定されていません\n"},
      {{"a.dxf", "b", "c"}, "cadtrace: ファイル名が多すぎます（入力と出力の 2 つまでです）\n"},
      {{"a.dxf", "--scale"}, "cadtrace: 未知のオプション \"--scale\" です\n"},
      {{"a.dxf", "-x"}, "cadtrace: 未知のオプション \"-x\" です\n"},
      {{"a.dxf", "--ref-v"}, "cadtrace: オプション --ref-v には値が必要です\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    EXPECT_EQ(run(c.args), 1);
    EXPECT_EQ(out_, "");
    EXPECT_THAT(err_, ::testing::StartsWith(c.message + "usage:\n  seepbatch cadtrace INPUT.DXF"));
  }
}

TEST_F(CadtraceCommand, ErrorsWriteNothing) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{path("none.dxf")}, "cadtrace: ファイル " + path("none.dxf") + " を開けません（"},
      {{path("sec.dxf"), "--scale-h", "x"}, "cadtrace: 縮尺 H「x」は数ではありません\n"},
      {{path("sec.dxf"), path("o.TXT")}, "cadtrace: " + path("o.TXT") + ": 座標リストが"},
      {{path("sec.dxf"), path("sec.dxf")},
       "cadtrace: ファイル " + path("sec.dxf") + " に書き込めません: 読み込んだファイル（"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    EXPECT_EQ(run(c.args), 1);
    EXPECT_EQ(out_, "");
    EXPECT_THAT(err_, ::testing::StartsWith(c.message));
  }
  EXPECT_EQ(scratch_.names(), std::vector<std::string>{"sec.dxf"});
}

TEST_F(CadtraceCommand, NoOutputReplacesTheDrawing) {
  // A drawing named like the coordinate list, and one reached through a link.
  const std::string drawing = common::readFileBytes(path("sec.dxf"));
  common::writeFileBytes(path("a.TXT"), drawing);
  ASSERT_EQ(::symlink("sec.dxf", path("link.M3W").c_str()), 0);
  for (const auto& [input, output] : {std::pair{"a.TXT", "a.M3W"}, {"sec.dxf", "link.M3W"}}) {
    SCOPED_TRACE(input);
    EXPECT_EQ(run({path(input), path(output)}), 1);
    EXPECT_THAT(err_, HasSubstr("に書き込めません: 読み込んだファイル（"));
    EXPECT_EQ(common::readFileBytes(path(input)), drawing);
  }
  EXPECT_EQ(scratch_.names(), (std::vector<std::string>{"a.TXT", "link.M3W", "sec.dxf"}));
}

}  // namespace
