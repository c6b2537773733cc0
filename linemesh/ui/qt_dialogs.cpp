#include "linemesh/ui/qt_dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <exception>

#include "linemesh/model/messages.h"
#include "linemesh/ui/line_editor.h"

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
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(text::programName()),
                  QString::fromStdString(text), QMessageBox::Ok, parent_);
  box.exec();
}

Dialogs::Answer QtDialogs::askSaveChanges(const std::string& question) {
  QMessageBox box(QMessageBox::Question, QString::fromUtf8(text::programName()),
                  QString::fromStdString(question), QMessageBox::NoButton, parent_);
  QPushButton* save = box.addButton(QString::fromUtf8(text::saveButton()), QMessageBox::AcceptRole);
  QPushButton* discard =
      box.addButton(QString::fromUtf8(text::discardButton()), QMessageBox::DestructiveRole);
  QPushButton* cancel =
      box.addButton(QString::fromUtf8(text::cancelButton()), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return Answer::Save;
  if (box.clickedButton() == discard) return Answer::Discard;
  return Answer::Cancel;
}

std::optional<AutoMeshChoice> QtDialogs::askAutoMesh(const AutoMeshChoice& proposal) {
  QDialog dialog(parent_);
  dialog.setObjectName("AutoMeshDialog");
  dialog.setWindowTitle(QString::fromUtf8(text::autoMeshTitle()));
  auto* form = new QFormLayout;
  auto* size = new QLineEdit(QString::fromStdString(proposal.size), &dialog);
  size->setObjectName("editMeshSize");
  size->selectAll();
  form->addRow(QString::fromUtf8(text::meshSizeLabel()), size);
  auto* all = new QRadioButton(QString::fromUtf8(text::allFacesChoice()), &dialog);
  all->setObjectName("rbAllFaces");
  auto* clicked = new QRadioButton(QString::fromUtf8(text::clickedFacesChoice()), &dialog);
  clicked->setObjectName("rbClickedFaces");
  (proposal.clickedFaces ? clicked : all)->setChecked(true);
  auto* faces = new QVBoxLayout;
  faces->addWidget(all);
  faces->addWidget(clicked);
  form->addRow(QString::fromUtf8(text::facesLabel()), faces);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8(text::cancelButton()));
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(form);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    try {
      meshSizeOf(size->text().toStdString());
      dialog.accept();
    } catch (const std::exception& e) {
      message(e.what());
      size->setFocus();
      size->selectAll();
    }
  });
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return AutoMeshChoice{size->text().toStdString(), clicked->isChecked()};
}

}  // namespace linemesh::ui
