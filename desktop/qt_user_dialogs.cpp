#include "desktop/qt_user_dialogs.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>

namespace desktop {

QStringList nameFilters(const std::string& filter, bool bothCases) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString caption = parts[i];
    const QString& pattern = parts[i + 1];
    QStringList patterns;
    for (const QString& p : pattern.split(';', Qt::SkipEmptyParts)) {
      patterns << p;
      if (!bothCases) continue;
      if (p.toLower() != p) patterns << p.toLower();
      if (p.toUpper() != p) patterns << p.toUpper();
    }
    // Qt reads the patterns from the caption's last brackets.
    const QString shown = "(" + pattern + ")";
    if (caption.endsWith(shown)) {
      caption.chop(shown.size());
    } else {
      caption += ' ';
    }
    out << caption + "(" + patterns.join(' ') + ")";
  }
  return out;
}

QtUserDialogs::QtUserDialogs(QWidget* parent, DialogStyle style)
    : parent_(parent), style_(std::move(style)) {}

QtUserDialogs::~QtUserDialogs() = default;

std::optional<std::string> QtUserDialogs::run(QFileDialog& dialog,
                                              const FileDialogSettings& settings, bool save) {
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = nameFilters(settings.filter, !style_.keptOpenDialog);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(QString::fromStdString(settings.defaultExt));
  QString folder = QString::fromStdString(settings.initialDir);
  QString name = QString::fromStdString(settings.fileName);
  if (style_.folderOfProposedName && !name.isEmpty()) {
    const QFileInfo proposed(name);
    if (folder.isEmpty()) folder = proposed.absolutePath();
    name = proposed.fileName();
  }
  if (!folder.isEmpty()) dialog.setDirectory(folder);
  if (!name.isEmpty()) dialog.selectFile(name);
  const int result = dialog.exec();
  // A kept dialog keeps the completion list of its name box too: left open
  // after Enter, the list would take the window's next click.
  if (style_.keptOpenDialog) {
    for (QCompleter* completer : dialog.findChildren<QCompleter*>()) completer->popup()->hide();
  }
  if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> QtUserDialogs::openFile(const FileDialogSettings& settings) {
  if (!style_.keptOpenDialog) {
    QFileDialog dialog(parent_);
    return run(dialog, settings, false);
  }
  if (!openDialog_) {
    openDialog_ = std::make_unique<QFileDialog>(parent_);
    openDialog_->setOption(QFileDialog::DontUseNativeDialog);
  }
  return run(*openDialog_, settings, false);
}

std::optional<std::string> QtUserDialogs::saveFile(const FileDialogSettings& settings) {
  QFileDialog dialog(parent_);
  return run(dialog, settings, true);
}

void QtUserDialogs::message(const std::string& text) {
  QMessageBox box(style_.messageIcon, style_.title, QString::fromStdString(text), QMessageBox::Ok,
                  parent_);
  box.exec();
}

UnsavedAnswer QtUserDialogs::askUnsaved(const std::string& question) {
  QMessageBox box(QMessageBox::Question, style_.title, QString::fromStdString(question),
                  QMessageBox::NoButton, parent_);
  QPushButton* save = box.addButton(style_.saveButton, QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton(style_.discardButton, QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton(style_.cancelButton, QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return UnsavedAnswer::Save;
  if (box.clickedButton() == discard) return UnsavedAnswer::Discard;
  return UnsavedAnswer::Cancel;
}

}  // namespace desktop
