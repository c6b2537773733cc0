// The condition editor's refusals as the user reads them: Japanese, naming
// the file, the item and the value.
#include "meshcond/model/messages.h"

#include <gtest/gtest.h>

#include <string>

#include "common/errors.h"
#include "meshcond/model/d2_file.h"
#include "meshcond/model/zep_file.h"
#include "tests/meshcond/test_support.h"

namespace meshcond {
namespace {

std::string refusal(void (*act)(AnalysisModel&), AnalysisModel& model) {
  try {
    act(model);
  } catch (const common::Error& e) {
    return e.what();
  }
  return "";
}

TEST(Messages, MaterialAboveTheLimitNamesFileNumberAndLimit) {
  AnalysisModel model = testing::oneElementModel();
  model.MAT[1] = 201;
  EXPECT_EQ(refusal([](AnalysisModel& m) { prepareZepDat(m); }, model),
            "ZEP.DAT: 材料番号 201 は上限 200 を超えています");
}

TEST(Messages, TitleOfTwoLinesIsRefusedForBothFiles) {
  AnalysisModel model = testing::oneElementModel();
  model.TITLE = "一行目\n二行目";
  EXPECT_EQ(refusal([](AnalysisModel& m) { zepDatLines(m); }, model),
            "ZEP.DAT: タイトルは 1 行でなければなりません");
  EXPECT_EQ(msg::titleOneLine("D2.DAT"), "D2.DAT: タイトルは 1 行でなければなりません");
}

TEST(Messages, TextsKeepTheirValues) {
  EXPECT_EQ(msg::outsideRange("節点数", 20001, 0, 20000), "節点数 20001 は範囲 0..20000 の外です");
  EXPECT_EQ(msg::pitchNotPositive("0"), "ピッチ: ピッチ 0 は 0 より大きくなければなりません");
  EXPECT_EQ(msg::listNodeOutside(msg::seepageFace(1), 2, 9, 4),
            "浸出面 1 の 2 番目: 節点 9 は範囲 1..4 の外です");
  EXPECT_EQ(msg::written("D2.DAT", "/w/D2.DAT"), "D2.DAT を書き出しました: /w/D2.DAT");
}

}  // namespace
}  // namespace meshcond
