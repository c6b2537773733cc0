// "降雨強度関係": the rainfall intensity series.
#pragma once

#include "meshcond/model/analysis_model.h"
#include "meshcond/model/messages.h"
#include "meshcond/ui/dialogs/condition_dialog.h"
#include "meshcond/ui/dialogs/grid_table.h"

namespace meshcond::ui {

class RainfallDialog : public ConditionDialog {
 public:
  RainfallDialog(AnalysisModel& model, SharedChoices& shared, UserDialogs& dialogs,
                 QWidget* parent);

  GridTable* StringGrid1;
  QPushButton *btnOpen, *btnClose;

 protected:
  void activate() override;

 private:
  void importFile();

  FileDialogSettings openDialog_{msg::window::filterRain(), "", "", ""};
};

}  // namespace meshcond::ui
