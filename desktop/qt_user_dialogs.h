// The file dialogs and message boxes shown with Qt. The programs differ in
// a few ways their users know; the style says which.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <memory>

#include "desktop/user_dialogs.h"

class QFileDialog;
class QWidget;

namespace desktop {

struct DialogStyle {
  QString title{};  // of every message box
  QMessageBox::Icon messageIcon = QMessageBox::NoIcon;
  QString saveButton{}, discardButton{}, cancelButton{};  // of the unsaved-changes question
  /// Unless a folder is given, the dialog opens in the folder of the proposed
  /// name (the working folder for a bare name); otherwise a bare name leaves
  /// the dialog where it was last.
  bool folderOfProposedName = false;
  /// One open dialog kept for the window's whole life, so that its folder
  /// stays where the user left it: Qt's own dialog, which matches the
  /// patterns in either case itself, so they are shown as given.
  bool keptOpenDialog = false;
};

/// "caption|pattern|..." as Qt name filters. With bothCases each pattern
/// matches in upper and lower case. A caption that ends with its pattern in
/// brackets gets the list there; any other keeps its text and gets the list
/// after a space.
QStringList nameFilters(const std::string& filter, bool bothCases = true);

class QtUserDialogs : public virtual UserDialogs {
 public:
  QtUserDialogs(QWidget* parent, DialogStyle style);
  ~QtUserDialogs() override;
  void setParent(QWidget* parent) { parent_ = parent; }

  std::optional<std::string> openFile(const FileDialogSettings& settings) override;
  std::optional<std::string> saveFile(const FileDialogSettings& settings) override;
  void message(const std::string& text) override;
  UnsavedAnswer askUnsaved(const std::string& question) override;

 protected:
  QWidget* parent() const { return parent_; }

 private:
  std::optional<std::string> run(QFileDialog& dialog, const FileDialogSettings& settings,
                                 bool save);

  QWidget* parent_;
  DialogStyle style_;
  std::unique_ptr<QFileDialog> openDialog_;  // with keptOpenDialog
};

}  // namespace desktop
