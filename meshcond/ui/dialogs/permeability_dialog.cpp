#include "meshcond/ui/dialogs/permeability_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "meshcond/model/messages.h"

namespace meshcond::ui {

PermeabilityDialog::PermeabilityDialog(AnalysisModel& model, SharedChoices& shared,
                                       UserDialogs& dialogs, QWidget* parent)
    : ConditionDialog(msg::window::caption("TForm6"), 541, 289, TitleBar::CloseBox, model, shared,
                      dialogs, parent) {
  setObjectName("TForm6");
  rdbCmSec = new QRadioButton("cm/sec", this);
  rdbCmSec->move(360, 10);
  rdbMSec = new QRadioButton("m/sec", this);
  rdbMSec->move(450, 10);
  rdbMSec->setChecked(true);
  connect(rdbCmSec, &QRadioButton::clicked, this, [this] { switchUnit(true); });
  connect(rdbMSec, &QRadioButton::clicked, this, [this] { switchUnit(false); });

  StringGrid1 = new GridTable(this, 1);
  StringGrid1->setGeometry(10, 40, 521, 169);
  StringGrid1->onLeave = [this](int column, int row) {
    std::string text = StringGrid1->text(column, row);
    if (!trimmed(text).empty()) StringGrid1->setText(column, row, leaveMaterialCell(column, text));
  };
  StringGrid1->onEnter = [this](CellPosition at) {
    return nextCellOnEnter(at, 1, kMaterialColumns, StringGrid1->rowCount(), true);
  };

  label(msg::window::unsaturated(), 16, 222);
  label(msg::window::clay(), 110, 222);
  label(msg::window::sand(), 110, 240);
  label(msg::window::gravel(), 110, 258);
  btnClose = button(msg::window::closeButton(), 446, 252);
  btnClose->setObjectName("btnClose");
  connect(btnClose, &QPushButton::clicked, this, [this] {
    MaterialForm shown = form();
    if (guarded([&] { storeMaterialForm(shown, model_); })) accept();
  });
}

MaterialForm PermeabilityDialog::form() const {
  MaterialForm form;
  form.cmPerSec = cmPerSec_;
  form.grid = StringGrid1->texts();
  return form;
}

void PermeabilityDialog::switchUnit(bool cmPerSec) {
  MaterialForm shown = form();
  switchPermeabilityUnit(shown, cmPerSec);
  cmPerSec_ = cmPerSec;
  StringGrid1->load(shown.grid);
}

int PermeabilityDialog::exec() {
  if (!prepare()) return QDialog::Rejected;
  prepared_ = true;
  return ConditionDialog::exec();
}

void PermeabilityDialog::activate() {
  if (!prepared_) prepare();
  prepared_ = false;
}

bool PermeabilityDialog::prepare() {
  MaterialForm shown;
  if (!guarded([&] { activateMaterialForm(model_, shown); })) return false;
  rdbMSec->setChecked(true);
  cmPerSec_ = false;
  StringGrid1->clearContents();
  StringGrid1->load(shown.grid);
  for (int column = 0; column < kMaterialColumns; ++column)
    StringGrid1->setColumnWidth(column, materialColumnWidth(column));
  for (int row = 1; row < StringGrid1->rowCount(); ++row) StringGrid1->setRowHeight(row, 30);
  return true;
}

}  // namespace meshcond::ui
