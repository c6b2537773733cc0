#include "meshcond/ui/dialogs/fixed_level_dialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "meshcond/interaction/series_forms.h"
#include "meshcond/model/messages.h"

namespace meshcond::ui {

FixedLevelDialog::FixedLevelDialog(AnalysisModel& model, SharedChoices& shared,
                                   UserDialogs& dialogs, QWidget* parent)
    : ConditionDialog(msg::window::caption("TFormFix"), 235, 102, TitleBar::CloseBox, model, shared,
                      dialogs, parent) {
  setObjectName("TFormFix");
  enterMovesFocus_ = false;
  ListFix = new QListWidget(this);
  ListFix->setGeometry(8, 8, 113, 86);
  EditWL = edit("", 130, 8, 97);
  Button1 = button(msg::window::enterButton(), 130, 38, 97);
  btnClose = button(msg::window::closeButton(), 130, 69, 97);
  btnClose->setObjectName("btnClose");
  connect(ListFix, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (auto choice = chooseFixedLevel(lines(), ListFix->row(item))) {
      shared_.CurFixGroup = choice->group;
      shared_.CurFixLevel = choice->level;
    }
  });
  connect(Button1, &QPushButton::clicked, this, [this] {
    guarded([&] { ListFix->addItem(toQString(fixedLevelLine(toUtf8(EditWL->text())))); });
  });
  connect(btnClose, &QPushButton::clicked, this, [this] {
    if (guarded([&] { storeFixedLevels(lines(), model_); })) accept();
  });
}

std::vector<std::string> FixedLevelDialog::lines() const {
  std::vector<std::string> texts;
  for (int i = 0; i < ListFix->count(); ++i) texts.push_back(toUtf8(ListFix->item(i)->text()));
  return texts;
}

void FixedLevelDialog::activate() {
  ListFix->clear();
  for (const std::string& line : fixedLevelLines(model_)) ListFix->addItem(toQString(line));
}

}  // namespace meshcond::ui
