#include "meshcond/ui/dialogs/analysis_dialog.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <initializer_list>

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
    : ConditionDialog("解析条件の入力", 320, 309, TitleBar::CloseBox, model, shared, dialogs,
                      parent) {
  setObjectName("TForm3");
  auto group = [this](const char* caption, int y) {
    auto* box = new QGroupBox(QString::fromUtf8(caption), this);
    box->setGeometry(8, y, 304, 46);
    return box;
  };
  QGroupBox* GroupBox1 = group("解析の種類", 4);
  rdbDanmen = radio(GroupBox1, "２次元断面", 10);
  rdbTaisyo = radio(GroupBox1, "軸対象", 106);
  rdbYosui = radio(GroupBox1, "軸対象（揚水）", 180);
  QGroupBox* GroupBox2 = group("定常・非定常", 52);
  rdbTeijyo = radio(GroupBox2, "定常", 10);
  rdbHiteijyo = radio(GroupBox2, "非定常", 106);
  QGroupBox* GroupBox3 = group("不飽和特性", 100);
  rdbJikken = radio(GroupBox3, "実験値", 10);
  rdbFig1 = radio(GroupBox3, "式(1)", 106);
  rdbFig2 = radio(GroupBox3, "式(2)", 180);
  QGroupBox* GroupBox4 = group("解析法", 148);
  rdbGauss = radio(GroupBox4, "ガウスの消去法", 10);
  rdbPCG = radio(GroupBox4, "PCG法", 180);

  label("収束計算回数制限", 16, 204);
  EditMAXITO = edit("10", 200, 200, 80);
  label("最大繰り返し回数", 16, 230);
  EditMAXIT = edit("10", 200, 226, 80);
  label("ステップ戻り数", 16, 256);
  EditNCUL = edit("3", 200, 252, 80);
  btnClose = button("閉じる", 122, 280);
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
