// "初期水位の設定": the initial water level, one for all nodes or per node
// from a file; closing also raises the node codes.
#pragma once

#include "meshcond/model/analysis_model.h"
#include "meshcond/model/messages.h"
#include "meshcond/ui/dialogs/condition_dialog.h"

namespace meshcond::ui {

class InitialLevelDialog : public ConditionDialog {
 public:
  InitialLevelDialog(AnalysisModel& model, SharedChoices& shared, UserDialogs& dialogs,
                     QWidget* parent);

  QLineEdit *EditWL, *EditFirstPw;
  QPushButton *btnOpen, *btnClose;

  /// The file chosen with "..." since the dialog was shown; empty when none.
  std::string FileName;

 protected:
  void activate() override;

 private:
  FileDialogSettings openDialog_{msg::window::filterInitialLevels(), "", "", ""};
};

}  // namespace meshcond::ui
