// The real file dialog and message boxes of the converter's window.
#include "cadtrace/ui/user_dialogs.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
#include <QMessageBox>

namespace cadtrace::ui {

QtUserDialogs::QtUserDialogs(QWidget* parent) : parent_(parent) {}

QtUserDialogs::~QtUserDialogs() = default;

std::optional<QString> QtUserDialogs::chooseFileToOpen(const QString& filter) {
  if (!openDialog_) {
    openDialog_ = std::make_unique<QFileDialog>(parent_);
    openDialog_->setFileMode(QFileDialog::ExistingFile);
    openDialog_->setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's own dialog matches "*.DXF" in either case (a desktop's dialog may
    // not) and shows its texts in the translation the program installs.
    openDialog_->setOption(QFileDialog::DontUseNativeDialog);
  }
  openDialog_->setNameFilter(filter);
  const int result = openDialog_->exec();
  // The dialog is kept for its next use, and with it the completion list of
  // its name box: left open after Enter, the list would take the window's
  // next click.
  for (QCompleter* completer : openDialog_->findChildren<QCompleter*>()) completer->popup()->hide();
  if (result != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = openDialog_->selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(chosen.front());
}

void QtUserDialogs::showMessage(const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace cadtrace::ui
