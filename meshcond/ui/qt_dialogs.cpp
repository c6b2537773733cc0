// QFileDialog and QMessageBox behind the UserDialogs interface.
#include "meshcond/ui/qt_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "meshcond/model/messages.h"

namespace meshcond::ui {

QStringList nameFilters(const std::string& filter) {
  QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString caption = parts[i];
    const QString& pattern = parts[i + 1];
    QStringList both;
    for (const QString& p : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      both << p;
      if (p.toLower() != p) both << p.toLower();
      if (p.toUpper() != p) both << p.toUpper();
    }
    // A caption that already shows its pattern in brackets shows both cases there.
    QString shown = QLatin1Char('(') + pattern + QLatin1Char(')');
    if (caption.endsWith(shown)) caption.chop(shown.size());
    out << caption + QLatin1Char('(') + both.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return out;
}

std::optional<std::string> QtUserDialogs::run(const FileDialogSettings& settings, bool save) {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  QStringList filters = nameFilters(settings.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(QString::fromStdString(settings.defaultExt));
  QFileInfo proposed(QString::fromStdString(settings.fileName));
  QString folder = QString::fromStdString(settings.initialDir);
  if (folder.isEmpty() && !settings.fileName.empty()) folder = proposed.absolutePath();
  if (!folder.isEmpty()) dialog.setDirectory(folder);
  if (!settings.fileName.empty()) dialog.selectFile(proposed.fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtUserDialogs::openFile(const FileDialogSettings& settings) {
  return run(settings, false);
}

std::optional<std::string> QtUserDialogs::saveFile(const FileDialogSettings& settings) {
  return run(settings, true);
}

void QtUserDialogs::message(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kApplicationTitle),
                  QString::fromStdString(text), QMessageBox::Ok, parent_);
  box.exec();
}

UnsavedAnswer QtUserDialogs::askUnsaved(const std::string& question) {
  QMessageBox box(QMessageBox::Question, QString::fromUtf8(kApplicationTitle),
                  QString::fromStdString(question), QMessageBox::NoButton, parent_);
  QPushButton* save =
      box.addButton(QString::fromUtf8(msg::window::saveButton()), QMessageBox::AcceptRole);
  QPushButton* discard =
      box.addButton(QString::fromUtf8(msg::window::discardButton()), QMessageBox::DestructiveRole);
  QPushButton* cancel =
      box.addButton(QString::fromUtf8(msg::window::cancelButton()), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return UnsavedAnswer::Save;
  if (box.clickedButton() == discard) return UnsavedAnswer::Discard;
  return UnsavedAnswer::Cancel;
}

}  // namespace meshcond::ui
