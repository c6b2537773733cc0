// The initial water level dialog.
#pragma once

#include "meshcond/ui/dialogs/condition_dialog.h"

namespace meshcond::ui {

/// `TForm8` "初期水位の設定".
class InitialLevelDialog : public ConditionDialog {
 public:
  InitialLevelDialog(AnalysisModel& model, SharedChoices& shared, QWidget* parent)
      : ConditionDialog(QStringLiteral("初期水位の設定"), model, shared, parent) {
    setObjectName(QStringLiteral("TForm8"));
  }
};

}  // namespace meshcond::ui
