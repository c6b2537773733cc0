// The title, analysis-condition and time dialogs without a window.
#include "meshcond/interaction/condition_forms.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace meshcond::ui {
namespace {

TEST(TitleForm, ShowsAndStoresTheTitle) {
  AnalysisModel model;
  model.TITLE = "断面A";
  EXPECT_EQ(titleOnActivate(model), "断面A");
  storeTitle(model, "断面B 2026");
  EXPECT_EQ(model.TITLE, "断面B 2026");
}

TEST(AnalysisForm, RoundTripKeepsTheModelAndForcesTheFixedAssignments) {
  AnalysisModel model;
  model.IANAL = 3;
  model.ISTEADY = 1;
  model.IFORM = 2;
  model.ISOLV = 0;
  model.MAXITO = 25;
  model.MAXIT = 150;
  model.NCUL = 4;
  model.IPAR1 = 7;
  model.IPAR2 = model.IPAR3 = model.IPAR9 = model.IPAR14 = 5;
  model.IPAR13 = model.IPAR18 = 5;

  AnalysisForm form;
  activateAnalysisForm(model, form);
  EXPECT_EQ(form.analysis, 3);
  EXPECT_TRUE(form.steady);
  EXPECT_EQ(form.property, 2);
  EXPECT_FALSE(form.pcg);
  EXPECT_EQ(form.maxito, "25");
  EXPECT_EQ(form.maxit, "150");
  EXPECT_EQ(form.ncul, "4");

  storeAnalysisForm(form, model);
  EXPECT_EQ(model.IANAL, 3);
  EXPECT_EQ(model.ISTEADY, 1);
  EXPECT_EQ(model.IFORM, 2);
  EXPECT_EQ(model.ISOLV, 0);
  EXPECT_EQ(model.MAXITO, 25);
  EXPECT_EQ(model.MAXIT, 150);
  EXPECT_EQ(model.NCUL, 4);
  EXPECT_EQ(model.IPAR1, 0);
  EXPECT_EQ(model.IPAR2, 1);
  EXPECT_EQ(model.IPAR3, 1);
  EXPECT_EQ(model.IPAR9, 1);
  EXPECT_EQ(model.IPAR13, 0);
  EXPECT_EQ(model.IPAR14, 1);
  EXPECT_EQ(model.IPAR18, 0);
}

TEST(AnalysisForm, ChoicesMapToTheirValues) {
  struct Case {
    int analysis, property;
    bool steady, pcg;
  };
  for (Case c : {Case{2, 0, false, true}, Case{1, 1, true, false}, Case{3, 2, false, false}}) {
    AnalysisModel model;
    AnalysisForm form;
    form.analysis = c.analysis;
    form.property = c.property;
    form.steady = c.steady;
    form.pcg = c.pcg;
    storeAnalysisForm(form, model);
    EXPECT_EQ(model.IANAL, c.analysis);
    EXPECT_EQ(model.IFORM, c.property);
    EXPECT_EQ(model.ISTEADY, c.steady ? 1 : -1);
    EXPECT_EQ(model.ISOLV, c.pcg ? 1 : 0);
    // Reopening shows the same choices.
    AnalysisForm again;
    activateAnalysisForm(model, again);
    EXPECT_EQ(again.analysis, c.analysis);
    EXPECT_EQ(again.property, c.property);
    EXPECT_EQ(again.steady, c.steady);
    EXPECT_EQ(again.pcg, c.pcg);
  }
}

TEST(AnalysisForm, ValuesWithoutAButtonLeaveTheGroupAndTheModel) {
  AnalysisModel model;  // IANAL 0, IFORM 0
  model.IANAL = 7;
  model.IFORM = 9;
  AnalysisForm form;
  form.analysis = 2;  // checked at an earlier showing
  form.property = 1;
  activateAnalysisForm(model, form);
  EXPECT_EQ(form.analysis, 2);
  EXPECT_EQ(form.property, 1);

  AnalysisForm none;
  none.analysis = 0;
  none.property = -1;
  storeAnalysisForm(none, model);
  EXPECT_EQ(model.IANAL, 7);
  EXPECT_EQ(model.IFORM, 9);
}

TEST(AnalysisForm, ConversionErrorKeepsTheStepsBefore) {
  AnalysisModel model;
  model.IPAR1 = 3;
  model.MAXITO = 1;
  model.MAXIT = 2;
  model.NCUL = 3;
  AnalysisForm form;
  form.analysis = 1;
  form.steady = false;
  form.maxito = " 40 ";
  form.maxit = "4x";
  try {
    storeAnalysisForm(form, model);
    FAIL() << "no conversion error";
  } catch (const common::ConversionError& e) {
    EXPECT_NE(std::string(e.what()).find("最大繰り返し回数"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("4x"), std::string::npos) << e.what();
  }
  EXPECT_EQ(model.IANAL, 1);
  EXPECT_EQ(model.IPAR1, 0);
  EXPECT_EQ(model.ISTEADY, -1);
  EXPECT_EQ(model.MAXITO, 40);
  EXPECT_EQ(model.MAXIT, 2);
  EXPECT_EQ(model.NCUL, 3);
  EXPECT_EQ(model.IPAR3, 0);  // the fixed assignments come after
}

AnalysisModel timeModel() {
  AnalysisModel model;
  model.TOL = 0.001;
  model.DT = 0.1;
  model.DTMAX = 10;
  model.DMUL = 1.5;
  model.TMAX = 240;
  model.ISOLV = 1;
  model.TSOLV = 1e-8;
  model.ITMAX = 500;
  model.NOUT = 2;
  model.TOUT[1] = 1;
  model.TOUT[2] = 24.5;
  return model;
}

TEST(TimeForm, ActivationShowsTheModelInTheBoxFormats) {
  AnalysisModel model = timeModel();
  TimeForm form;
  activateTimeForm(model, form);
  EXPECT_EQ(form.tol, "     0.100");
  EXPECT_EQ(form.dt, "     0.100");
  EXPECT_EQ(form.dtmax, "    10.000");
  EXPECT_EQ(form.dmul, "     1.500");
  EXPECT_EQ(form.tmax, "     240.0");
  EXPECT_EQ(form.tsolv, " 1.00E-006");
  EXPECT_EQ(form.itmax, "       500");
  EXPECT_TRUE(form.solverEditsEnabled);
  EXPECT_EQ(form.times.rowCount(), 12);
  EXPECT_EQ(form.times.cell(0, 0), "時間");
  EXPECT_EQ(form.times.cell(0, 1), "     1.000");
  EXPECT_EQ(form.times.cell(0, 2), "    24.500");
  EXPECT_EQ(form.times.cell(0, 3), "");
}

TEST(TimeForm, GaussDisablesTheSolverBoxesAndKeepsTheirValues) {
  AnalysisModel model = timeModel();
  TimeForm form;
  activateTimeForm(model, form);
  model.ISOLV = 0;
  activateTimeForm(model, form);
  EXPECT_FALSE(form.solverEditsEnabled);
  EXPECT_EQ(form.tsolv, " 1.00E-006");  // keeps its text
  form.tsolv = "not used";
  form.itmax = "nor this";
  storeTimeForm(form, model);
  EXPECT_EQ(model.TSOLV, 1e-8);
  EXPECT_EQ(model.ITMAX, 500);

  model.ISOLV = 1;  // PCG chosen again in the analysis dialog
  activateTimeForm(model, form);
  EXPECT_TRUE(form.solverEditsEnabled);
  EXPECT_EQ(form.itmax, "       500");
}

TEST(TimeForm, LeavingABoxStoresAndReformats) {
  struct Case {
    TimeEdit edit;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {TimeEdit::TOL, "0.5", "     0.500"},     {TimeEdit::DT, " 0.25", "     0.250"},
      {TimeEdit::DTMAX, "12", "    12.000"},    {TimeEdit::DMUL, "1.2", "     1.200"},
      {TimeEdit::TMAX, "720.04", "     720.0"}, {TimeEdit::TSOLV, "1e-6", " 1.00E-006"},
      {TimeEdit::ITMAX, "  300", "       300"},
  };
  for (const Case& c : cases) {
    AnalysisModel model = timeModel();
    EXPECT_EQ(leaveTimeEdit(c.edit, c.typed, model), c.shown) << c.typed;
  }
  AnalysisModel model = timeModel();
  leaveTimeEdit(TimeEdit::TOL, "0.5", model);
  EXPECT_DOUBLE_EQ(model.TOL, 0.005);
  leaveTimeEdit(TimeEdit::TSOLV, "1e-6", model);
  EXPECT_DOUBLE_EQ(model.TSOLV, 1e-8);
  leaveTimeEdit(TimeEdit::TMAX, "720.04", model);
  EXPECT_EQ(model.TMAX, 720.04);
  TimeForm form;
  activateTimeForm(model, form);
  EXPECT_EQ(form.tol, "     0.500");

  EXPECT_THROW(leaveTimeEdit(TimeEdit::DT, "abc", model), common::ConversionError);
  EXPECT_THROW(leaveTimeEdit(TimeEdit::ITMAX, "2.0", model), common::ConversionError);
  EXPECT_EQ(model.DT, 0.1);
}

TEST(TimeForm, LeavingACellReformatsOrClears) {
  EXPECT_EQ(leaveTimeCell("3"), "     3.000");
  EXPECT_EQ(leaveTimeCell(" 1.5e1 "), "    15.000");
  EXPECT_EQ(leaveTimeCell("1h"), "");
}

std::vector<std::string> column(const CellGrid& grid) {
  std::vector<std::string> texts;
  for (int row = 1; row < grid.rowCount(); ++row) texts.push_back(grid.cell(0, row));
  while (!texts.empty() && texts.back().empty()) texts.pop_back();
  return texts;
}

TEST(TimeForm, CalculateFillsTheOutputTimes) {
  struct Case {
    const char *start, *end, *pitch;
    std::vector<std::string> times;
    int rows;
  };
  const Case cases[] = {
      {"0", "1", "0.3", {"    0.000", "    0.300", "    0.600", "    0.900", "    1.000"}, 13},
      {"5", "2", "1", {"    2.000"}, 12},
      {"0", "2", "1", {"    0.000", "    1.000", "    2.000"}, 12},
      {"-3", "1", "1", {"   -3.000", "   -2.000", "   -1.000", "    0.000", "    1.000"}, 11},
  };
  for (const Case& c : cases) {
    TimeForm form;
    form.times.setCell(0, 40, "stale");
    form.start = c.start;
    form.end = c.end;
    form.pitch = c.pitch;
    fillOutputTimes(form);
    EXPECT_EQ(column(form.times), c.times) << c.start << " " << c.end << " " << c.pitch;
    EXPECT_EQ(form.times.rowCount(), c.rows) << c.start << " " << c.end << " " << c.pitch;
    EXPECT_EQ(form.times.cell(0, 0), "時間");
  }
}

TEST(TimeForm, CalculateRefusesBadPitchesAndTooManyTimesLeavingTheGrid) {
  struct Case {
    const char *start, *end, *pitch;
  };
  const Case cases[] = {{"1", "99999", "1"},  // the design values: 99999 times
                        {"0", "10", "0"},
                        {"0", "10", "-1"},
                        {"0", "20000", "1"},  // 20001 times
                        {"0", "1e300", "1e-300"}};
  for (const Case& c : cases) {
    TimeForm form;
    form.times.setCell(0, 1, "    7.000");
    form.start = c.start;
    form.end = c.end;
    form.pitch = c.pitch;
    EXPECT_THROW(fillOutputTimes(form), common::RangeError) << c.end << " " << c.pitch;
    EXPECT_EQ(form.times.rowCount(), 50);
    EXPECT_EQ(form.times.cell(0, 1), "    7.000");
  }
  TimeForm form;
  form.start = "0";
  form.end = "19999";
  form.pitch = "1";
  fillOutputTimes(form);  // exactly 20000
  EXPECT_EQ(form.times.cell(0, 20000), "19999.000");
  form.pitch = "x";
  EXPECT_THROW(fillOutputTimes(form), common::ConversionError);
  EXPECT_EQ(form.times.cell(0, 20000), "19999.000");
}

TEST(TimeForm, CloseStoresTheBoxesAndTheTimesUpToTheFirstEmptyCell) {
  AnalysisModel model = timeModel();
  TimeForm form;
  activateTimeForm(model, form);
  form.tol = "0.5";
  form.dt = "0.2";
  form.dtmax = "5";
  form.dmul = "2";
  form.tmax = "100";
  form.tsolv = "1e-4";
  form.itmax = "900";
  form.times.setCell(0, 1, "0.5");
  form.times.setCell(0, 2, "1");
  form.times.setCell(0, 3, "2");
  form.times.setCell(0, 4, "");
  form.times.setCell(0, 5, "9");
  storeTimeForm(form, model);
  EXPECT_DOUBLE_EQ(model.TOL, 0.005);
  EXPECT_EQ(model.DT, 0.2);
  EXPECT_EQ(model.DTMAX, 5);
  EXPECT_EQ(model.DMUL, 2);
  EXPECT_EQ(model.TMAX, 100);
  EXPECT_DOUBLE_EQ(model.TSOLV, 1e-6);
  EXPECT_EQ(model.ITMAX, 900);
  ASSERT_EQ(model.NOUT, 3);
  EXPECT_EQ(model.TOUT[1], 0.5);
  EXPECT_EQ(model.TOUT[3], 2);
}

TEST(TimeForm, CloseStopsAtABadTextKeepingWhatCameBefore) {
  AnalysisModel model = timeModel();
  TimeForm form;
  activateTimeForm(model, form);
  form.dmul = "3";
  form.dt = "0.5";
  form.dtmax = "oops";
  EXPECT_THROW(storeTimeForm(form, model), common::ConversionError);
  EXPECT_EQ(model.DMUL, 3);
  EXPECT_EQ(model.DT, 0.5);
  EXPECT_EQ(model.DTMAX, 10);
  EXPECT_EQ(model.NOUT, 2);

  form.dtmax = "10";
  form.times.setCell(0, 2, "later");
  EXPECT_THROW(storeTimeForm(form, model), common::ConversionError);
  EXPECT_EQ(model.NOUT, 1);  // the rows before the bad cell
}

TEST(TimeForm, CloseRefusesMoreOutputTimesThanTheModelHolds) {
  AnalysisModel model = timeModel();
  TimeForm form;
  activateTimeForm(model, form);
  form.dmul = "9";
  form.times.setRowCount(kOutputTimeCapacity + 5);
  for (int row = 1; row <= kOutputTimeCapacity + 1; ++row) form.times.setCell(0, row, "1");
  EXPECT_THROW(storeTimeForm(form, model), common::RangeError);
  EXPECT_EQ(model.DMUL, 1.5);
  EXPECT_EQ(model.NOUT, 2);
  form.times.setCell(0, kOutputTimeCapacity + 1, "");
  storeTimeForm(form, model);
  EXPECT_EQ(model.NOUT, kOutputTimeCapacity);
}

TEST(GridEnter, MovesAlongTheRowThenToTheNextRow) {
  struct Case {
    CellPosition at;
    int firstColumn, columns, rows;
    bool wrap;
    CellPosition to;
  };
  const Case cases[] = {
      {{1, 1}, 1, 3, 5, false, {2, 1}}, {{2, 1}, 1, 3, 5, false, {1, 2}},
      {{2, 4}, 1, 3, 5, false, {2, 4}}, {{2, 4}, 1, 3, 5, true, {1, 1}},
      {{0, 3}, 0, 1, 5, false, {0, 4}}, {{5, 2}, 1, 6, 3, true, {1, 1}},
  };
  for (const Case& c : cases) {
    CellPosition to = nextCellOnEnter(c.at, c.firstColumn, c.columns, c.rows, c.wrap);
    EXPECT_EQ(to.column, c.to.column);
    EXPECT_EQ(to.row, c.to.row);
  }
}

}  // namespace
}  // namespace meshcond::ui
