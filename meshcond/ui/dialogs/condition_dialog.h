// The frame shared by the condition editor's modal dialogs: a caption, the
// model and the main window's shared choices, and a "閉じる" button that
// ends the dialog with Accepted (the dialog then stores what it shows).
#pragma once

#include <QDialog>
#include <QVBoxLayout>

#include "meshcond/model/analysis_model.h"
#include "meshcond/ui/editor.h"

namespace meshcond::ui {

class ConditionDialog : public QDialog {
 public:
  ConditionDialog(const QString& caption, AnalysisModel& model, SharedChoices& shared,
                  QWidget* parent);

 protected:
  /// Where a dialog puts its controls, above the close button.
  QVBoxLayout* body() const { return body_; }

  AnalysisModel& model_;
  SharedChoices& shared_;

 private:
  QVBoxLayout* body_;
};

}  // namespace meshcond::ui
