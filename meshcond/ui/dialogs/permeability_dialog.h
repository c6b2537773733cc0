// "透水係数の設定": permeabilities, Poisson's ratio, specific storage and
// soil type of every material in use.
#pragma once

#include "meshcond/interaction/material_form.h"
#include "meshcond/model/analysis_model.h"
#include "meshcond/ui/dialogs/condition_dialog.h"
#include "meshcond/ui/dialogs/grid_table.h"

class QRadioButton;

namespace meshcond::ui {

class PermeabilityDialog : public ConditionDialog {
 public:
  PermeabilityDialog(AnalysisModel& model, SharedChoices& shared, UserDialogs& dialogs,
                     QWidget* parent);

  /// Fills the grid from the model and shows the dialog; a material the
  /// model cannot hold is reported and the dialog does not open (Rejected).
  int exec() override;

  GridTable* StringGrid1;
  QRadioButton *rdbCmSec, *rdbMSec;
  QPushButton* btnClose;

 protected:
  /// Fills the grid when the dialog is shown without exec().
  void activate() override;

 private:
  bool prepare();
  MaterialForm form() const;
  void switchUnit(bool cmPerSec);

  bool cmPerSec_ = false;
  bool prepared_ = false;  // exec() has filled the grid for this showing  // the unit the
                           // permeability cells are shown in
};

}  // namespace meshcond::ui
