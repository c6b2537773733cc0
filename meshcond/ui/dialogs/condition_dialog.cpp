// The common frame of the condition editor's dialogs.
#include "meshcond/ui/dialogs/condition_dialog.h"

#include <QPushButton>

namespace meshcond::ui {

ConditionDialog::ConditionDialog(const QString& caption, AnalysisModel& model,
                                 SharedChoices& shared, QWidget* parent)
    : QDialog(parent), model_(model), shared_(shared) {
  setWindowTitle(caption);
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  body_ = new QVBoxLayout;
  layout->addLayout(body_);
  auto* close = new QPushButton(QStringLiteral("閉じる"), this);
  close->setObjectName(QStringLiteral("btnClose"));
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(close, 0, Qt::AlignRight);
}

}  // namespace meshcond::ui
