// The fixed water level list: chooses CurFixGroup and CurFixLevel.
#pragma once

#include "meshcond/ui/dialogs/condition_dialog.h"

namespace meshcond::ui {

/// `TFormFix` "固定水位".
class FixedLevelDialog : public ConditionDialog {
 public:
  FixedLevelDialog(AnalysisModel& model, SharedChoices& shared, QWidget* parent)
      : ConditionDialog(QStringLiteral("固定水位"), model, shared, parent) {
    setObjectName(QStringLiteral("TFormFix"));
  }
};

}  // namespace meshcond::ui
