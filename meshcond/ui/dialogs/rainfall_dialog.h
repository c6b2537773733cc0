// The rainfall table dialog: the rainfall series.
#pragma once

#include "meshcond/ui/dialogs/condition_dialog.h"

namespace meshcond::ui {

/// `TForm4` "降雨強度関係".
class RainfallDialog : public ConditionDialog {
 public:
  RainfallDialog(AnalysisModel& model, SharedChoices& shared, QWidget* parent)
      : ConditionDialog(QStringLiteral("降雨強度関係"), model, shared, parent) {
    setObjectName(QStringLiteral("TForm4"));
  }
};

}  // namespace meshcond::ui
