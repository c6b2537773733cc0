#include "linemesh/ui/qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace linemesh::ui {

QStringList nameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString caption = parts[i];
    const QString pattern = parts[i + 1];
    QStringList patterns;
    for (const QString& p : pattern.split(';', Qt::SkipEmptyParts)) {
      patterns << p;
      if (p.toLower() != p) patterns << p.toLower();
    }
    // Qt reads the patterns from the caption's last parentheses: a caption
    // that already ends with its pattern gets the list in its place, any
    // other caption keeps its text and gets the list after it.
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

std::optional<std::string> QtDialogs::run(const FileDialogState& state, bool save) {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilters(nameFilters(state.filter));
  dialog.setDefaultSuffix(QString::fromStdString(state.defaultExt));
  if (!state.fileName.empty()) dialog.selectFile(QString::fromStdString(state.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> QtDialogs::openFile(const FileDialogState& dialog) {
  return run(dialog, false);
}

std::optional<std::string> QtDialogs::saveFile(const FileDialogState& dialog) {
  return run(dialog, true);
}

void QtDialogs::message(const std::string& text) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("ゼルカ"), QString::fromStdString(text),
                  QMessageBox::Ok, parent_);
  box.exec();
}

Dialogs::Answer QtDialogs::askSaveChanges(const std::string& question) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("ゼルカ"), QString::fromStdString(question),
                  QMessageBox::NoButton, parent_);
  QPushButton* save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton(QStringLiteral("破棄"), QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return Answer::Save;
  if (box.clickedButton() == discard) return Answer::Discard;
  return Answer::Cancel;
}

}  // namespace linemesh::ui
