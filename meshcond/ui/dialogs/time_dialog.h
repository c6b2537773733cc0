// The time-stepping and tolerance dialog.
#pragma once

#include "meshcond/ui/dialogs/condition_dialog.h"

namespace meshcond::ui {

/// `TForm5` "時間・誤差の入力".
class TimeDialog : public ConditionDialog {
 public:
  TimeDialog(AnalysisModel& model, SharedChoices& shared, QWidget* parent)
      : ConditionDialog(QStringLiteral("時間・誤差の入力"), model, shared, parent) {
    setObjectName(QStringLiteral("TForm5"));
  }
};

}  // namespace meshcond::ui
