// The permeability dialog: activation, unit switch, cells and storing.
#include "meshcond/interaction/material_form.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "common/errors.h"
#include "common/numbers.h"
#include "meshcond/model/messages.h"

namespace meshcond::ui {

namespace {

constexpr double kSecondsPerHour = 3600;

std::string permeabilityText(double value) { return common::formatE(value, 12, 4); }

/// The soil type of a letter, or nothing for any other text.
std::optional<SoilType> soilOfLetter(std::string_view letter) {
  for (SoilType type : {SoilType::Gravel, SoilType::Sand, SoilType::Clay})
    if (letter == soilLetter(type)) return type;
  return std::nullopt;
}

void setZeroCurves(AnalysisModel& model, int m) {
  model.NKR.at(m) = 21;
  model.NPSI.at(m) = 16;
  for (int k = 1; k <= 21; ++k) {
    storeAt(model.THKR.at(m), k, 0.0);
    storeAt(model.KR.at(m), k, 0.0);
  }
  for (int k = 1; k <= 16; ++k) {
    storeAt(model.THPSI.at(m), k, 0.0);
    storeAt(model.PSI.at(m), k, 0.0);
  }
}

void headers(CellGrid& grid) {
  for (int column = 0; column < kMaterialColumns; ++column)
    grid.setCell(column, 0, materialHeader(column));
}

}  // namespace

MaterialForm::MaterialForm() : grid(kMaterialColumns, 1) { headers(grid); }

const char* materialHeader(int column) {
  static const std::array<const char*, kMaterialColumns> kHeaders = {"No",
                                                                     msg::window::permeabilityKh(),
                                                                     msg::window::permeabilityKv(),
                                                                     msg::window::poisson(),
                                                                     msg::window::specificStorage(),
                                                                     msg::window::unsaturated()};
  return kHeaders.at(column);
}

int materialColumnWidth(int column) {
  static constexpr std::array<int, kMaterialColumns> kWidths = {35, 100, 100, 80, 100, 80};
  return kWidths.at(column);
}

void activateMaterialForm(AnalysisModel& model, MaterialForm& form) {
  int largest = 0;
  for (int e = 1; e <= model.NUMEL; ++e) {
    int m = model.MAT.at(e);
    if (m > kMaterialCapacity)
      throw common::RangeError(msg::materialAboveCapacity(m, e, kMaterialCapacity));
    largest = std::max(largest, m);
  }
  model.NUMMAT = largest;
  form.cmPerSec = false;
  form.grid.setRowCount(model.NUMMAT + 1);
  headers(form.grid);
  for (int m = 1; m <= model.NUMMAT; ++m) {
    form.grid.setCell(kMatNo, m, std::to_string(m));
    form.grid.setCell(kMatKH, m, permeabilityText((model.KH.at(m) + 1e-20) / kSecondsPerHour));
    form.grid.setCell(kMatKV, m, permeabilityText((model.KV.at(m) + 1e-20) / kSecondsPerHour));
    form.grid.setCell(kMatPOIS, m, common::formatFixed(model.POIS.at(m), 10, 3));
    form.grid.setCell(kMatSS, m, common::formatE(model.SS.at(m), 10, 4));
    form.grid.setCell(kMatSoil, m, soilLetter(soilTypeOf(loadAt(model.THPSI.at(m), 1))));
  }
}

void switchPermeabilityUnit(MaterialForm& form, bool cmPerSec) {
  if (form.cmPerSec == cmPerSec) return;
  form.cmPerSec = cmPerSec;
  double factor = cmPerSec ? 100.0 : 0.01;
  for (int row = 1; row < form.grid.rowCount(); ++row)
    for (int column : {kMatKH, kMatKV}) {
      auto value = realOf(form.grid.cell(column, row));
      form.grid.setCell(column, row, value ? permeabilityText(*value * factor) : "");
    }
}

std::string leaveMaterialCell(int column, std::string_view text) {
  if (column == kMatSoil) {
    std::string upper(trimmed(text));
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return soilOfLetter(upper) ? upper : "";
  }
  if (column < kMatKH || column > kMatSS) return std::string(text);
  auto value = realOf(text);
  if (!value) return "";
  return column == kMatPOIS ? common::formatFixed(*value, 10, 3) : common::formatE(*value, 12, 4);
}

void storeMaterialForm(const MaterialForm& form, AnalysisModel& model) {
  double toMetresPerHour = form.cmPerSec ? 36.0 : kSecondsPerHour;
  int materials = std::min(model.NUMMAT, form.grid.rowCount() - 1);
  auto number = [&form](int column, int row) {
    return realOf(form.grid.cell(column, row)).value_or(0.0);
  };
  for (int m = 1; m <= materials; ++m) {
    model.KH.at(m) = number(kMatKH, m) * toMetresPerHour;
    model.KV.at(m) = number(kMatKV, m) * toMetresPerHour;
    model.POIS.at(m) = number(kMatPOIS, m);
    model.SS.at(m) = number(kMatSS, m);
    if (auto type = soilOfLetter(form.grid.cell(kMatSoil, m)))
      model.setSoilCurves(m, *type);
    else
      setZeroCurves(model, m);
  }
}

}  // namespace meshcond::ui
