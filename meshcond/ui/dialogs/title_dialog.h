// "タイトル": the analysis title.
#pragma once

#include "meshcond/model/analysis_model.h"
#include "meshcond/ui/dialogs/condition_dialog.h"

namespace meshcond::ui {

class TitleDialog : public ConditionDialog {
 public:
  TitleDialog(AnalysisModel& model, SharedChoices& shared, UserDialogs& dialogs, QWidget* parent);

  QLineEdit* EditTitle;
  QPushButton* btnClose;

 protected:
  void activate() override;

 private:
};

}  // namespace meshcond::ui
