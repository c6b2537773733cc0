// The material and permeability dialog.
#pragma once

#include "meshcond/ui/dialogs/condition_dialog.h"

namespace meshcond::ui {

/// `TForm6` "透水係数の設定".
class PermeabilityDialog : public ConditionDialog {
 public:
  PermeabilityDialog(AnalysisModel& model, SharedChoices& shared, QWidget* parent)
      : ConditionDialog(QStringLiteral("透水係数の設定"), model, shared, parent) {
    setObjectName(QStringLiteral("TForm6"));
  }
};

}  // namespace meshcond::ui
