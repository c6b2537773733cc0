// The head time-series dialog of a fluctuating boundary (CurFluctNo).
#pragma once

#include "meshcond/ui/dialogs/condition_dialog.h"

namespace meshcond::ui {

/// `TForm7` "水頭掲示変化入力".
class HeadSeriesDialog : public ConditionDialog {
 public:
  HeadSeriesDialog(AnalysisModel& model, SharedChoices& shared, QWidget* parent)
      : ConditionDialog(QStringLiteral("水頭掲示変化入力"), model, shared, parent) {
    setObjectName(QStringLiteral("TForm7"));
  }
};

}  // namespace meshcond::ui
