#include "meshcond/ui/dialogs/time_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "meshcond/model/messages.h"

namespace meshcond::ui {

namespace {

constexpr TimeEdit kEdits[] = {TimeEdit::TOL,  TimeEdit::DT,    TimeEdit::DTMAX, TimeEdit::DMUL,
                               TimeEdit::TMAX, TimeEdit::TSOLV, TimeEdit::ITMAX};

}  // namespace

TimeDialog::TimeDialog(AnalysisModel& model, SharedChoices& shared, UserDialogs& dialogs,
                       QWidget* parent)
    : ConditionDialog(msg::window::caption("TForm5"), 531, 259, TitleBar::CloseBox, model, shared,
                      dialogs, parent) {
  setObjectName("TForm5");
  QLineEdit** boxes[] = {&EditTOL,  &EditDT,    &EditDTMAX, &EditDMUL,
                         &EditTMAX, &EditTSOLV, &EditITMAX};
  for (int i = 0; i < 7; ++i) {
    label(timeEditLabel(kEdits[i]), 12, 16 + 30 * i);
    *boxes[i] = edit("", 170, 12 + 30 * i, 90);
    TimeEdit which = kEdits[i];
    QLineEdit* box = *boxes[i];
    connect(box, &QLineEdit::editingFinished, this, [this, which, box] {
      guarded([&] { box->setText(toQString(leaveTimeEdit(which, toUtf8(box->text()), model_))); });
    });
  }

  label(msg::window::outputTimes(), 280, 8);
  StringGrid1 = new GridTable(this, 0);
  StringGrid1->setGeometry(280, 28, 112, 222);
  StringGrid1->load(TimeForm().times);
  StringGrid1->setColumnWidth(0, 90);
  StringGrid1->onLeave = [this](int column, int row) {
    std::string text = StringGrid1->text(column, row);
    if (!trimmed(text).empty()) StringGrid1->setText(column, row, leaveTimeCell(text));
  };

  label(msg::window::start(), 404, 32);
  EditStart = edit("1", 446, 28, 75);
  label(msg::window::end(), 404, 62);
  EditEnd = edit("99999", 446, 58, 75);
  label(msg::window::pitch(), 404, 92);
  EditPitch = edit("1", 446, 88, 75);
  btnCalc = button(msg::window::compute(), 446, 122);
  btnClose = button(msg::window::closeButton(), 446, 222);
  btnClose->setObjectName("btnClose");

  connect(btnCalc, &QPushButton::clicked, this, [this] {
    TimeForm shown = form();
    if (guarded([&] { fillOutputTimes(shown); })) StringGrid1->load(shown.times);
  });
  connect(btnClose, &QPushButton::clicked, this, [this] {
    TimeForm shown = form();
    if (guarded([&] { storeTimeForm(shown, model_); })) accept();
  });
}

QLineEdit* TimeDialog::box(TimeEdit which) const {
  switch (which) {
    case TimeEdit::TOL:
      return EditTOL;
    case TimeEdit::DT:
      return EditDT;
    case TimeEdit::DTMAX:
      return EditDTMAX;
    case TimeEdit::DMUL:
      return EditDMUL;
    case TimeEdit::TMAX:
      return EditTMAX;
    case TimeEdit::TSOLV:
      return EditTSOLV;
    case TimeEdit::ITMAX:
      return EditITMAX;
  }
  return EditTOL;
}

TimeForm TimeDialog::form() const {
  TimeForm form;
  for (TimeEdit which : kEdits) form.edit(which) = toUtf8(box(which)->text());
  form.solverEditsEnabled = EditTSOLV->isEnabled();
  form.start = toUtf8(EditStart->text());
  form.end = toUtf8(EditEnd->text());
  form.pitch = toUtf8(EditPitch->text());
  form.times = StringGrid1->texts();
  return form;
}

void TimeDialog::display(const TimeForm& form) {
  for (TimeEdit which : kEdits) box(which)->setText(toQString(form.edit(which)));
  EditTSOLV->setEnabled(form.solverEditsEnabled);
  EditITMAX->setEnabled(form.solverEditsEnabled);
  StringGrid1->load(form.times);
}

void TimeDialog::activate() {
  TimeForm shown = form();
  activateTimeForm(model_, shown);
  display(shown);
  EditTOL->setFocus();
  EditTOL->selectAll();
}

}  // namespace meshcond::ui
