// "水頭掲示変化入力": the water-level series of one fluctuating boundary.
#pragma once

#include "meshcond/model/analysis_model.h"
#include "meshcond/model/messages.h"
#include "meshcond/ui/dialogs/condition_dialog.h"
#include "meshcond/ui/dialogs/grid_table.h"

namespace meshcond::ui {

class HeadSeriesDialog : public ConditionDialog {
 public:
  /// Edits the series of the window's CurFluctNo, read at each showing.
  HeadSeriesDialog(AnalysisModel& model, SharedChoices& shared, UserDialogs& dialogs,
                   QWidget* parent);

  QLineEdit *EditNo, *EditDiff;
  GridTable* StringGrid1;
  QPushButton *btnOpen, *tnClose;

 protected:
  void activate() override;

 private:
  void importFile();

  FileDialogSettings openDialog_{msg::window::filterLevels(), "", "", ""};
};

}  // namespace meshcond::ui
