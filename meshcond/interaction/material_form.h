// What the permeability dialog shows and stores: one grid row per material,
// permeabilities in m/sec or cm/sec (the model keeps m/h), the soil type as
// a letter that stands for a built-in set of curves.
#pragma once

#include <string>
#include <string_view>

#include "meshcond/interaction/cell_grid.h"
#include "meshcond/model/analysis_model.h"

namespace meshcond::ui {

enum MaterialColumn { kMatNo = 0, kMatKH, kMatKV, kMatPOIS, kMatSS, kMatSoil, kMaterialColumns };

struct MaterialForm {
  MaterialForm();

  bool cmPerSec = false;  // "cm/sec" selected, else "m/sec"
  CellGrid grid;
};

/// Header texts and pixel widths of the grid's columns.
const char* materialHeader(int column);
int materialColumnWidth(int column);

/// Derives NUMMAT and fills one row per material, in m/sec. A material
/// number above the model's capacity throws a RangeError naming it and an
/// element that has it; nothing changes then.
void activateMaterialForm(AnalysisModel& model, MaterialForm& form);
/// The unit buttons: converts the permeability columns of every row; a cell
/// that does not convert becomes empty. Choosing the selected unit again
/// changes nothing.
void switchPermeabilityUnit(MaterialForm& form, bool cmPerSec);
/// Leaving a non-empty cell: the text to show in it.
std::string leaveMaterialCell(int column, std::string_view text);
/// "閉じる": permeabilities (to m/h), Poisson's ratio, specific storage and
/// the soil curves of every material; a cell that does not convert stores 0
/// (all-zero curves for a soil cell that is no type letter).
void storeMaterialForm(const MaterialForm& form, AnalysisModel& model);

}  // namespace meshcond::ui
