// "解析条件の入力": the kind of analysis and the solver settings.
#pragma once

#include "meshcond/interaction/condition_forms.h"
#include "meshcond/model/analysis_model.h"
#include "meshcond/ui/dialogs/condition_dialog.h"

class QRadioButton;

namespace meshcond::ui {

class AnalysisDialog : public ConditionDialog {
 public:
  AnalysisDialog(AnalysisModel& model, SharedChoices& shared, UserDialogs& dialogs,
                 QWidget* parent);

  QRadioButton *rdbDanmen, *rdbTaisyo, *rdbYosui;
  QRadioButton *rdbTeijyo, *rdbHiteijyo;
  QRadioButton *rdbJikken, *rdbFig1, *rdbFig2;
  QRadioButton *rdbGauss, *rdbPCG;
  QLineEdit *EditMAXITO, *EditMAXIT, *EditNCUL;
  QPushButton* btnClose;

 protected:
  void activate() override;

 private:
  AnalysisForm form() const;
  void display(const AnalysisForm& form);
};

}  // namespace meshcond::ui
