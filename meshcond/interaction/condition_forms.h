// What the title, analysis-condition and time dialogs show and store, as plain
// functions over the model and the texts of their controls.
//
// Each dialog fills its form from the model when it is activated and stores
// it with "閉じる"; a text that does not convert throws
// common::ConversionError after the steps before it have been stored.
#pragma once

#include <string>
#include <string_view>

#include "meshcond/interaction/cell_grid.h"
#include "meshcond/model/analysis_model.h"

namespace meshcond::ui {

// --- Title (TForm2) ---

std::string titleOnActivate(const AnalysisModel& model);
void storeTitle(AnalysisModel& model, std::string_view text);

// --- Analysis conditions (TForm3) ---

/// The checked radio buttons and the texts of the three edits. A group with
/// no button checked keeps its value in the model when stored.
struct AnalysisForm {
  int analysis =
      0;  // IANAL of the checked button: 2 "２次元断面", 1 "軸対象", 3 "軸対象（揚水）"; 0 none
  bool steady = false;  // "定常" checked, else "非定常"
  int property = -1;  // IFORM of the checked button: 0 "実験値", 1 "式(1)", 2 "式(2)"; -1 none
  bool pcg = false;   // "PCG法" checked, else "ガウスの消去法"
  std::string maxito = "10";
  std::string maxit = "10";
  std::string ncul = "3";
};

/// Checks the buttons of the model's values; a value with no button leaves
/// the group as it was.
void activateAnalysisForm(const AnalysisModel& model, AnalysisForm& form);
/// "閉じる": IANAL, IPAR1, ISTEADY, IFORM, ISOLV, then MAXITO, MAXIT, NCUL
/// (stopping at the first that does not convert), then the fixed assignments.
void storeAnalysisForm(const AnalysisForm& form, AnalysisModel& model);

// --- Time stepping, tolerances and output times (TForm5) ---

enum class TimeEdit { TOL, DT, DTMAX, DMUL, TMAX, TSOLV, ITMAX };

struct TimeForm {
  TimeForm();

  std::string tol, dt, dtmax, dmul, tmax, tsolv, itmax;
  bool solverEditsEnabled = true;  // EditTSOLV and EditITMAX (PCG only)
  // The output-time generator keeps whatever was last typed.
  std::string start = "1";
  std::string end = "99999";
  std::string pitch = "1";
  CellGrid times;  // one column, header "時間"

  std::string& edit(TimeEdit which);
  const std::string& edit(TimeEdit which) const;
};

/// The label of an edit box, for messages.
const char* timeEditLabel(TimeEdit which);

void activateTimeForm(const AnalysisModel& model, TimeForm& form);
/// Leaving an edit box: converts and stores its value at once and gives the
/// text to show again in the box's format.
std::string leaveTimeEdit(TimeEdit which, std::string_view text, AnalysisModel& model);
/// Leaving a non-empty grid cell: the number again in "%10.3f", or "" when
/// the text is no number.
std::string leaveTimeCell(std::string_view text);
/// "計算": fills the grid with the output times start, start + pitch, ...
/// below end, then end itself. A pitch that is not positive or more than the
/// model's output-time capacity refuses with a RangeError; the grid is
/// changed only when all went well.
void fillOutputTimes(TimeForm& form);
/// "閉じる": DMUL, DT, DTMAX, TMAX, TOL, with PCG ITMAX and TSOLV, then the
/// output times up to the first empty cell. More output times than the model
/// holds refuse with a RangeError before anything is stored.
void storeTimeForm(const TimeForm& form, AnalysisModel& model);

}  // namespace meshcond::ui
