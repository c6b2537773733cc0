#include "linemesh/ui/qt_dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <exception>

#include "linemesh/interaction/line_editor.h"
#include "linemesh/model/messages.h"

namespace linemesh::ui {

QtDialogs::QtDialogs(QWidget* parent)
    : desktop::QtUserDialogs(parent, {.title = QString::fromUtf8(text::programName()),
                                      .messageIcon = QMessageBox::Warning,
                                      .saveButton = QString::fromUtf8(text::saveButton()),
                                      .discardButton = QString::fromUtf8(text::discardButton()),
                                      .cancelButton = QString::fromUtf8(text::cancelButton())}) {}

std::optional<AutoMeshChoice> QtDialogs::askAutoMesh(const AutoMeshChoice& proposal) {
  QDialog dialog(parent());
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
