// The permeability dialog without a window.
#include "meshcond/interaction/material_form.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace meshcond::ui {
namespace {

/// A model whose elements carry the given materials.
AnalysisModel withMaterials(std::initializer_list<int> materials) {
  AnalysisModel model;
  for (int m : materials) model.MAT[++model.NUMEL] = m;
  return model;
}

TEST(MaterialForm, ActivationFillsOneRowPerMaterialInMetresPerSecond) {
  AnalysisModel model = withMaterials({1, 3, 1});
  model.KH[1] = 3.6;
  model.KV[1] = 0.036;
  model.POIS[1] = 0.3;
  model.SS[1] = 1e-4;
  model.setSoilCurves(1, SoilType::Clay);
  model.setSoilCurves(3, SoilType::Sand);
  MaterialForm form;
  form.cmPerSec = true;
  activateMaterialForm(model, form);
  EXPECT_FALSE(form.cmPerSec);
  EXPECT_EQ(model.NUMMAT, 3);
  ASSERT_EQ(form.grid.rowCount(), 4);  // material 2 has no element but a row
  EXPECT_EQ(form.grid.cell(kMatKH, 0), "透水係数(kh)");
  EXPECT_EQ(form.grid.cell(kMatNo, 2), "2");
  EXPECT_EQ(form.grid.cell(kMatKH, 1), "  1.000E-003");
  EXPECT_EQ(form.grid.cell(kMatKV, 1), "  1.000E-005");
  EXPECT_EQ(form.grid.cell(kMatPOIS, 1), "     0.300");
  EXPECT_EQ(form.grid.cell(kMatSS, 1), "1.000E-004");
  EXPECT_EQ(form.grid.cell(kMatSoil, 1), "M");
  EXPECT_EQ(form.grid.cell(kMatSoil, 2), "G");  // all-zero curves
  EXPECT_EQ(form.grid.cell(kMatSoil, 3), "S");
  EXPECT_EQ(form.grid.cell(kMatKH, 2), "  2.778E-024");
}

TEST(MaterialForm, ZeroPermeabilityComesBackAsTheSmallOffset) {
  AnalysisModel model = withMaterials({1});
  MaterialForm form;
  activateMaterialForm(model, form);
  EXPECT_EQ(form.grid.cell(kMatKH, 1), "  2.778E-024");
  storeMaterialForm(form, model);
  EXPECT_NEAR(model.KH[1], 1e-20, 1e-24);
  // A curve set with no soil type opened as "G" and got the gravel curves.
  EXPECT_EQ(model.NPSI[1], 16);
  EXPECT_EQ(model.THPSI[1][1], 0.049);
  EXPECT_EQ(model.NKR[1], 21);
  EXPECT_EQ(model.KR[1][21], 1.0);
}

TEST(MaterialForm, UnitSwitchConvertsAndClosingStoresMetresPerHour) {
  AnalysisModel model = withMaterials({1});
  model.KH[1] = 3.6;
  model.KV[1] = 0.36;
  MaterialForm form;
  activateMaterialForm(model, form);
  EXPECT_EQ(form.grid.cell(kMatKH, 1), "  1.000E-003");
  switchPermeabilityUnit(form, true);
  EXPECT_EQ(form.grid.cell(kMatKH, 1), "  1.000E-001");
  EXPECT_EQ(form.grid.cell(kMatKV, 1), "  1.000E-002");
  switchPermeabilityUnit(form, true);  // already selected: nothing
  EXPECT_EQ(form.grid.cell(kMatKH, 1), "  1.000E-001");
  storeMaterialForm(form, model);
  EXPECT_DOUBLE_EQ(model.KH[1], 3.6);
  EXPECT_DOUBLE_EQ(model.KV[1], 0.36);

  switchPermeabilityUnit(form, false);
  EXPECT_EQ(form.grid.cell(kMatKH, 1), "  1.000E-003");
  form.grid.setCell(kMatKV, 1, "bad");
  switchPermeabilityUnit(form, true);
  EXPECT_EQ(form.grid.cell(kMatKV, 1), "");
}

TEST(MaterialForm, LeavingACellReformatsUpperCasesOrClears) {
  struct Case {
    int column;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {kMatKH, "1e-5", "  1.000E-005"},
      {kMatKV, "0.002", "  2.000E-003"},
      {kMatKV, "1,5", ""},
      {kMatPOIS, "0.25", "     0.250"},
      {kMatPOIS, "x", ""},
      {kMatSS, "1e-4", "  1.000E-004"},
      {kMatSoil, "s", "S"},
      {kMatSoil, "m", "M"},
      {kMatSoil, "G", "G"},
      {kMatSoil, "x", ""},
      {kMatSoil, "sm", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(leaveMaterialCell(c.column, c.typed), c.shown) << c.column << " " << c.typed;
}

TEST(MaterialForm, CloseSetsCurvesByLetterAndZerosOtherwise) {
  AnalysisModel model = withMaterials({1, 2, 3, 4});
  MaterialForm form;
  activateMaterialForm(model, form);
  form.grid.setCell(kMatSoil, 1, "G");
  form.grid.setCell(kMatSoil, 2, "S");
  form.grid.setCell(kMatSoil, 3, "M");
  form.grid.setCell(kMatSoil, 4, "");
  form.grid.setCell(kMatPOIS, 4, "x");
  form.grid.setCell(kMatKH, 4, "");
  storeMaterialForm(form, model);
  EXPECT_EQ(model.THPSI[1][1], 0.049);
  EXPECT_EQ(model.THPSI[2][1], 0.119);
  EXPECT_EQ(model.THPSI[3][1], 0.059);
  EXPECT_EQ(model.THKR[3][2], 0.005);
  EXPECT_EQ(model.PSI[2][1], 12.0);
  EXPECT_EQ(model.NKR[4], 21);
  EXPECT_EQ(model.NPSI[4], 16);
  for (int k = 1; k <= 21; ++k) EXPECT_EQ(model.KR[4][k], 0.0);
  for (int k = 1; k <= 16; ++k) EXPECT_EQ(model.PSI[4][k], 0.0);
  EXPECT_EQ(model.POIS[4], 0.0);
  EXPECT_EQ(model.KH[4], 0.0);
}

TEST(MaterialForm, NoMaterialsGivesNoRowsAndCloseChangesNothing) {
  AnalysisModel model = withMaterials({0, -2});
  model.KH[1] = 5;
  MaterialForm form;
  activateMaterialForm(model, form);
  EXPECT_EQ(model.NUMMAT, 0);
  EXPECT_EQ(form.grid.rowCount(), 1);
  storeMaterialForm(form, model);
  EXPECT_EQ(model.KH[1], 5);
}

TEST(MaterialForm, AMaterialAboveTheCapacityRefusesToOpen) {
  AnalysisModel model = withMaterials({1, 2, 201, 5});
  model.NUMMAT = 2;
  MaterialForm form;
  try {
    activateMaterialForm(model, form);
    FAIL() << "opened";
  } catch (const common::RangeError& e) {
    std::string what = e.what();
    EXPECT_NE(what.find("材料 201"), std::string::npos) << what;
    EXPECT_NE(what.find("要素 3"), std::string::npos) << what;
  }
  EXPECT_EQ(model.NUMMAT, 2);
}

}  // namespace
}  // namespace meshcond::ui
