#include "meshcond/ui/dialogs/analysis_dialog.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <initializer_list>

#include "meshcond/model/messages.h"

namespace meshcond::ui {

namespace {

QRadioButton* radio(QGroupBox* group, const char* text, int x) {
  auto* button = new QRadioButton(QString::fromUtf8(text), group);
  button->move(x, 18);
  button->adjustSize();
  return button;
}

/// Checks button `index` of a group, or none when index is outside it.
void checkOnly(std::initializer_list<QRadioButton*> buttons, int index) {
  int i = 0;
  for (QRadioButton* button : buttons) {
    button->setAutoExclusive(false);
    button->setChecked(i++ == index);
    button->setAutoExclusive(true);
  }
}

}  // namespace

AnalysisDialog::AnalysisDialog(AnalysisModel& model, SharedChoices& shared, UserDialogs& dialogs,
                               QWidget* parent)
    : ConditionDialog(msg::window::caption("TForm3"), 320, 309, TitleBar::CloseBox, model, shared,
                      dialogs, parent) {
  setObjectName("TForm3");
  auto group = [this](const char* caption, int y) {
    auto* box = new QGroupBox(QString::fromUtf8(caption), this);
    box->setGeometry(8, y, 304, 46);
    return box;
  };
  QGroupBox* GroupBox1 = group(msg::window::analysisKind(), 4);
  rdbDanmen = radio(GroupBox1, msg::window::section2d(), 10);
  rdbTaisyo = radio(GroupBox1, msg::window::axisymmetric(), 106);
  rdbYosui = radio(GroupBox1, msg::window::axisymmetricPumping(), 180);
  QGroupBox* GroupBox2 = group(msg::window::steadiness(), 52);
  rdbTeijyo = radio(GroupBox2, msg::window::steady(), 10);
  rdbHiteijyo = radio(GroupBox2, msg::window::unsteady(), 106);
  QGroupBox* GroupBox3 = group(msg::window::unsaturated(), 100);
  rdbJikken = radio(GroupBox3, msg::window::measured(), 10);
  rdbFig1 = radio(GroupBox3, msg::window::formula1(), 106);
  rdbFig2 = radio(GroupBox3, msg::window::formula2(), 180);
  QGroupBox* GroupBox4 = group(msg::window::solver(), 148);
  rdbGauss = radio(GroupBox4, msg::window::gauss(), 10);
  rdbPCG = radio(GroupBox4, msg::window::pcg(), 180);

  label(msg::window::maxito(), 16, 204);
  EditMAXITO = edit("10", 200, 200, 80);
  label(msg::window::maxit(), 16, 230);
  EditMAXIT = edit("10", 200, 226, 80);
  label(msg::window::ncul(), 16, 256);
  EditNCUL = edit("3", 200, 252, 80);
  btnClose = button(msg::window::closeButton(), 122, 280);
  btnClose->setObjectName("btnClose");
  connect(btnClose, &QPushButton::clicked, this, [this] {
    AnalysisForm shown = form();
    if (guarded([&] { storeAnalysisForm(shown, model_); })) accept();
  });
}

AnalysisForm AnalysisDialog::form() const {
  AnalysisForm form;
  form.analysis = rdbDanmen->isChecked()   ? 2
                  : rdbTaisyo->isChecked() ? 1
                  : rdbYosui->isChecked()  ? 3
                                           : 0;
  form.steady = rdbTeijyo->isChecked();
  form.property = rdbJikken->isChecked() ? 0
                  : rdbFig1->isChecked() ? 1
                  : rdbFig2->isChecked() ? 2
                                         : -1;
  form.pcg = rdbPCG->isChecked();
  form.maxito = toUtf8(EditMAXITO->text());
  form.maxit = toUtf8(EditMAXIT->text());
  form.ncul = toUtf8(EditNCUL->text());
  return form;
}

void AnalysisDialog::display(const AnalysisForm& form) {
  checkOnly({rdbDanmen, rdbTaisyo, rdbYosui}, form.analysis == 2   ? 0
                                              : form.analysis == 1 ? 1
                                              : form.analysis == 3 ? 2
                                                                   : -1);
  checkOnly({rdbTeijyo, rdbHiteijyo}, form.steady ? 0 : 1);
  checkOnly({rdbJikken, rdbFig1, rdbFig2}, form.property);
  checkOnly({rdbGauss, rdbPCG}, form.pcg ? 1 : 0);
  EditMAXITO->setText(toQString(form.maxito));
  EditMAXIT->setText(toQString(form.maxit));
  EditNCUL->setText(toQString(form.ncul));
}

void AnalysisDialog::activate() {
  AnalysisForm shown = form();
  activateAnalysisForm(model_, shown);
  display(shown);
}

}  // namespace meshcond::ui
