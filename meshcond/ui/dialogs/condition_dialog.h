// The common frame of the condition editor's modal dialogs: fixed size,
// caption, an optional close box, Enter moving the focus, the model and the
// main window's shared choices, and message boxes and file choices through
// the window's dialog interface (a fake in tests).
//
// A dialog fills its controls from the model each time it is shown and
// stores them with its "閉じる" button, which ends it with Accepted; closing
// it through the close box stores nothing and ends it with Rejected.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "meshcond/interaction/editor.h"
#include "meshcond/interaction/file_commands.h"
#include "meshcond/model/analysis_model.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace meshcond::ui {

class ConditionDialog : public QDialog {
 public:
  enum class TitleBar { CloseBox, NoButtons };

  ConditionDialog(const char* caption, int width, int height, TitleBar titleBar,
                  AnalysisModel& model, SharedChoices& shared, UserDialogs& dialogs,
                  QWidget* parent);

  /// Runs an action of a button or a box; an error shows its message and
  /// gives false.
  bool guarded(const std::function<void()>& action);

 protected:
  /// Fills the controls from the model; runs each time the dialog is shown.
  virtual void activate() = 0;

  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  /// Escape does not close the dialogs.
  void reject() override {}

  /// An open-file dialog of this dialog's own, which keeps its settings.
  std::optional<std::string> chooseFile(FileDialogSettings& settings);

  QLabel* label(const char* text, int x, int y);
  QLineEdit* edit(const char* text, int x, int y, int width, int height = 22);
  QPushButton* button(const char* text, int x, int y, int width = 75, int height = 25);

  /// Enter in the dialog moves the focus to the next control.
  bool enterMovesFocus_ = true;
  AnalysisModel& model_;
  SharedChoices& shared_;
  UserDialogs& dialogs_;
};

/// UTF-8 <-> QString.
QString toQString(const std::string& text);
std::string toUtf8(const QString& text);

}  // namespace meshcond::ui
