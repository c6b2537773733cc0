#include "common/history.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace common {
namespace {

/// A small model of every kind of part.
struct Model {
  int count = 0;
  std::vector<int> table = std::vector<int>(1000, 0);
  std::vector<std::vector<double>> series{{1.0}, {}};
  std::string title = "a";

  bool operator==(const Model&) const = default;
};

class HistoryTest : public ::testing::Test {
 protected:
  HistoryTest() {
    parts.add(model.count);
    parts.add(model.table);
    parts.add(model.series);
    parts.add(model.title);
  }
  void step(const std::string& name, const std::function<void()>& change) {
    history.record(name, change);
  }

  Model model;
  ModelParts parts;
  History history{parts, 3};
};

TEST_F(HistoryTest, UndoAndRedoGiveBackEachStateExactly) {
  std::vector<Model> states{model};
  step("append", [&] { model.table[++model.count] = 7; });
  states.push_back(model);
  step("stale slot", [&] { model.table[999] = 5; });  // beyond the count, but kept
  states.push_back(model);
  step("series and title", [&] {
    model.series[1].push_back(2.5);
    model.series.push_back({3.0});
    model.title = "longer title";
  });
  states.push_back(model);
  EXPECT_EQ(history.undoName(), "series and title");
  for (int i = 2; i >= 0; --i) {
    history.undo();
    EXPECT_EQ(model, states[i]) << i;
  }
  EXPECT_FALSE(history.canUndo());
  EXPECT_EQ(history.redoName(), "append");
  for (int i = 1; i <= 3; ++i) {
    history.redo();
    EXPECT_EQ(model, states[i]) << i;
  }
  EXPECT_FALSE(history.canRedo());
}

TEST_F(HistoryTest, AStepThatChangesNothingIsNotKeptAndANewStepDropsTheRedoneOnes) {
  step("nothing", [] {});
  EXPECT_FALSE(history.canUndo());
  step("one", [&] { model.count = 1; });
  step("two", [&] { model.count = 2; });
  history.undo();
  step("three", [&] { model.count = 3; });
  EXPECT_FALSE(history.canRedo());
  history.undo();
  EXPECT_EQ(model.count, 1);
}

TEST_F(HistoryTest, TheOldestStepsGoBeyondTheLimit) {
  for (int i = 1; i <= 5; ++i) step("step " + std::to_string(i), [&, i] { model.count = i; });
  EXPECT_EQ(history.steps(), 3u);
  while (history.canUndo()) history.undo();
  EXPECT_EQ(model.count, 2);
}

TEST_F(HistoryTest, TheSavedStateFollowsTheHistory) {
  EXPECT_TRUE(history.atSaved());
  step("one", [&] { model.count = 1; });
  EXPECT_FALSE(history.atSaved());
  history.undo();
  EXPECT_TRUE(history.atSaved());
  history.redo();
  history.markSaved();
  step("two", [&] { model.count = 2; });
  history.undo();
  EXPECT_TRUE(history.atSaved());
  history.undo();
  step("other", [&] { model.count = 9; });  // the saved state can no longer be reached
  history.undo();
  EXPECT_FALSE(history.atSaved());
  history.clear();
  EXPECT_TRUE(history.atSaved());
  EXPECT_FALSE(history.canUndo());
}

TEST_F(HistoryTest, AFailedStepKeepsWhatItChangedAsAStep) {
  EXPECT_THROW(step("half",
                    [&] {
                      model.count = 4;
                      throw std::runtime_error("stop");
                    }),
               std::runtime_error);
  ASSERT_TRUE(history.canUndo());
  history.undo();
  EXPECT_EQ(model.count, 0);
}

TEST(HistoryMemory, ASmallChangeToABigTableKeepsAFewBlocks) {
  std::vector<double> big(1'000'000, 1.0);
  int count = 0;
  ModelParts parts;
  parts.add(big);
  parts.add(count);
  History history(parts);
  for (int i = 0; i < 100; ++i) history.record("set", [&] { big[i * 9973] = i, ++count; });
  EXPECT_EQ(history.steps(), 100u);
  EXPECT_LT(history.bytes(), 100u * 400u);
}

}  // namespace
}  // namespace common
