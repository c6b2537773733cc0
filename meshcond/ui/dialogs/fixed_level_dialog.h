// "固定水位": the list of fixed water levels; the line clicked becomes the
// group the pen assigns.
#pragma once

#include "meshcond/model/analysis_model.h"
#include "meshcond/ui/dialogs/condition_dialog.h"

class QListWidget;

namespace meshcond::ui {

class FixedLevelDialog : public ConditionDialog {
 public:
  /// A click on a line sets the window's CurFixGroup and CurFixLevel.
  FixedLevelDialog(AnalysisModel& model, SharedChoices& shared, UserDialogs& dialogs,
                   QWidget* parent);

  QListWidget* ListFix;
  QLineEdit* EditWL;
  QPushButton *Button1, *btnClose;

  /// The lines of the list.
  std::vector<std::string> lines() const;

 protected:
  void activate() override;
};

}  // namespace meshcond::ui
