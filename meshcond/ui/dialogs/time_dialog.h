// "時間・誤差の入力": time stepping, tolerances and output times.
#pragma once

#include <array>

#include "meshcond/interaction/condition_forms.h"
#include "meshcond/model/analysis_model.h"
#include "meshcond/ui/dialogs/condition_dialog.h"
#include "meshcond/ui/dialogs/grid_table.h"

namespace meshcond::ui {

class TimeDialog : public ConditionDialog {
 public:
  TimeDialog(AnalysisModel& model, SharedChoices& shared, UserDialogs& dialogs, QWidget* parent);

  QLineEdit *EditTOL, *EditDT, *EditDTMAX, *EditDMUL, *EditTMAX, *EditTSOLV, *EditITMAX;
  QLineEdit *EditStart, *EditEnd, *EditPitch;
  GridTable* StringGrid1;
  QPushButton *btnCalc, *btnClose;

 protected:
  void activate() override;

 private:
  /// The texts of the boxes and the grid.
  TimeForm form() const;
  void display(const TimeForm& form);
  QLineEdit* box(TimeEdit which) const;
};

}  // namespace meshcond::ui
