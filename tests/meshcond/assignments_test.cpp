// The pen and area assignments of the model library, each as a step of the
// undo history: done, undone and redone, the whole model compared.
#include "meshcond/model/assignments.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "common/errors.h"
#include "meshcond/model/model_parts.h"

namespace meshcond {
namespace {

/// Four 10 x 10 m squares in a row; nodes column by column from the bottom
/// (node 2 i + j + 1 at (10 i, 10 j)).
void makeRow(AnalysisModel& m) {
  m.NUMNP = 10;
  m.NUMEL = 4;
  for (int i = 0; i <= 4; ++i)
    for (int j = 0; j <= 1; ++j) {
      m.X[2 * i + j + 1] = 10.0 * i;
      m.Y[2 * i + j + 1] = 10.0 * j;
    }
  for (int e = 1; e <= 4; ++e) {
    int n = 2 * e - 1;
    m.KI[e] = {0, n, n + 2, n + 3, n + 1};
    m.KN[e] = 4;
    m.MAT[e] = 1;
  }
  m.computeCentroids();
}

struct Step {
  const char* name;
  std::function<std::string(AnalysisModel&)> change;
  const char* stepName;
};

std::string named(const char* what, Toggle t) { return toggleStepName(what, t); }

TEST(Assignments, EachStepIsUndoneAndRedoneExactly) {
  const Step steps[] = {
      {"material", [](AnalysisModel& m) { return setMaterial(m, 2, 5) ? "材質" : ""; }, "材質"},
      {"area", [](AnalysisModel& m) { return ELSelect(m, 5, -1, 25, 11, 3) == 3 ? "エリア" : ""; },
       "エリア"},
      {"fixed level set",
       [](AnalysisModel& m) { return named("固定水位", toggleFixedLevel(m, 3, 1, 4.5)); },
       "固定水位の設定"},
      {"fixed level released",
       [](AnalysisModel& m) { return named("固定水位", toggleFixedLevel(m, 3, 1, 9.0)); },
       "固定水位の解除"},
      {"seepage set", [](AnalysisModel& m) { return named("浸出面", toggleSeepage(m, 9, 2)); },
       "浸出面の設定"},
      {"seepage second node",
       [](AnalysisModel& m) { return named("浸出面", toggleSeepage(m, 5, 2)); }, "浸出面の設定"},
      {"seepage released", [](AnalysisModel& m) { return named("浸出面", toggleSeepage(m, 9, 2)); },
       "浸出面の解除"},
      {"rainfall set", [](AnalysisModel& m) { return named("降雨節点", toggleRainfall(m, 4)); },
       "降雨節点の設定"},
      {"rainfall released",
       [](AnalysisModel& m) { return named("降雨節点", toggleRainfall(m, 4)); }, "降雨節点の解除"},
      {"fluctuating set",
       [](AnalysisModel& m) { return named("水位変動面", toggleFluctuating(m, 1, 3)); },
       "水位変動面の設定"},
      {"fluctuating released",
       [](AnalysisModel& m) { return named("水位変動面", toggleFluctuating(m, 1, 3)); },
       "水位変動面の解除"},
  };
  auto m = std::make_unique<AnalysisModel>();
  makeRow(*m);
  // Stale entries beyond the counts, which a later step may take into use.
  m->NSEEPN[3] = 2;
  m->SEEPN[3][1] = 7;
  common::ModelParts parts;
  addModelParts(*m, parts);
  common::History history(parts);
  std::vector<AnalysisModel> states{*m};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    history.begin();
    std::string name = s.change(*m);
    EXPECT_EQ(name, s.stepName);
    ASSERT_TRUE(history.commit(name));
    EXPECT_FALSE(*m == states.back());
    states.push_back(*m);
    history.undo();
    EXPECT_TRUE(*m == states[states.size() - 2]);
    history.redo();
    EXPECT_TRUE(*m == states.back());
  }
  // All the way back and forth again.
  for (size_t i = states.size() - 1; i-- > 0;) {
    history.undo();
    EXPECT_TRUE(*m == states[i]) << i;
  }
  EXPECT_FALSE(history.canUndo());
  for (size_t i = 1; i < states.size(); ++i) {
    history.redo();
    EXPECT_TRUE(*m == states[i]) << i;
  }
}

TEST(Assignments, WhatEachStepChanges) {
  auto m = std::make_unique<AnalysisModel>();
  makeRow(*m);
  EXPECT_FALSE(setMaterial(*m, 1, 1));
  EXPECT_EQ(ELSelect(*m, 25, 11, 5, -1, 3), 3);  // corners at x = 10 and 20: elements 1 to 3
  EXPECT_EQ(m->MAT[4], 1);
  EXPECT_EQ(toggleFixedLevel(*m, -1, 1, 2.0), Toggle::None);
  EXPECT_EQ(toggleFixedLevel(*m, 5, 0, 2.0), Toggle::Set);  // no group: the head only
  EXPECT_EQ(m->IFIXG[5], 0);
  EXPECT_EQ(m->H[5], 2.0);
  EXPECT_EQ(toggleSeepage(*m, 7, 2), Toggle::Set);
  EXPECT_EQ(m->NSEEP, 2);
  EXPECT_EQ(m->NSEEPN[1], 0);
  EXPECT_EQ(toggleSeepage(*m, -1, 2), Toggle::None);
  EXPECT_EQ(m->NSEEPN[2], 1);
  // A click on no node changes nothing, even for a face above those in use
  // whose count a previous file left behind.
  m->NSEEPN[3] = 3;
  m->NFN[3] = 2;
  const auto before = std::make_unique<AnalysisModel>(*m);
  EXPECT_EQ(toggleSeepage(*m, -1, 4), Toggle::None);
  EXPECT_EQ(toggleFluctuating(*m, -1, 4), Toggle::None);
  EXPECT_TRUE(*m == *before);
  EXPECT_THROW(toggleSeepage(*m, 7, 201), common::RangeError);
  EXPECT_THROW(toggleFluctuating(*m, 7, 0), common::RangeError);
  EXPECT_EQ(toggleStepName("降雨節点", Toggle::None), "降雨節点の設定");
}

}  // namespace
}  // namespace meshcond
