// The analysis-condition dialog.
#pragma once

#include "meshcond/ui/dialogs/condition_dialog.h"

namespace meshcond::ui {

/// `TForm3` "解析条件の入力".
class AnalysisDialog : public ConditionDialog {
 public:
  AnalysisDialog(AnalysisModel& model, SharedChoices& shared, QWidget* parent)
      : ConditionDialog(QStringLiteral("解析条件の入力"), model, shared, parent) {
    setObjectName(QStringLiteral("TForm3"));
  }
};

}  // namespace meshcond::ui
