// The file dialog and the message boxes of the converter's window, behind one
// interface so that tests can answer them without a screen.
#pragma once

#include <QString>
#include <memory>
#include <optional>

class QFileDialog;
class QWidget;

namespace cadtrace::ui {

class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  /// Shows the open dialog with a name filter such as "CADファイル(*.DXF)".
  /// Returns the chosen path, or nullopt when the user cancels.
  virtual std::optional<QString> chooseFileToOpen(const QString& filter) = 0;

  /// A message box with an OK button; returns when it is closed.
  virtual void showMessage(const QString& caption, const QString& text) = 0;
};

/// The real dialogs. The open dialog is one object for the window's whole
/// life, so the folder it shows stays where the user left it.
class QtUserDialogs : public UserDialogs {
 public:
  explicit QtUserDialogs(QWidget* parent);
  ~QtUserDialogs() override;

  std::optional<QString> chooseFileToOpen(const QString& filter) override;
  void showMessage(const QString& caption, const QString& text) override;

 private:
  QWidget* parent_;
  std::unique_ptr<QFileDialog> openDialog_;
};

}  // namespace cadtrace::ui
