// The analysis title dialog.
#pragma once

#include "meshcond/ui/dialogs/condition_dialog.h"

namespace meshcond::ui {

/// `TForm2` "タイトル".
class TitleDialog : public ConditionDialog {
 public:
  TitleDialog(AnalysisModel& model, SharedChoices& shared, QWidget* parent)
      : ConditionDialog(QStringLiteral("タイトル"), model, shared, parent) {
    setObjectName(QStringLiteral("TForm2"));
  }
};

}  // namespace meshcond::ui
