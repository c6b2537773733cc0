#include "meshcond/ui/dialogs/title_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "meshcond/interaction/condition_forms.h"
#include "meshcond/model/messages.h"

namespace meshcond::ui {

TitleDialog::TitleDialog(AnalysisModel& model, SharedChoices& shared, UserDialogs& dialogs,
                         QWidget* parent)
    : ConditionDialog(msg::window::caption("TForm2"), 487, 97, TitleBar::NoButtons, model, shared,
                      dialogs, parent) {
  setObjectName("TForm2");
  enterMovesFocus_ = false;
  label(msg::window::titleLabel(), 16, 16);
  EditTitle = edit("", 72, 12, 400);
  btnClose = button(msg::window::closeButton(), 206, 56);
  btnClose->setObjectName("btnClose");
  connect(btnClose, &QPushButton::clicked, this, [this] {
    storeTitle(model_, toUtf8(EditTitle->text()));
    accept();
  });
}

void TitleDialog::activate() { EditTitle->setText(toQString(titleOnActivate(model_))); }

}  // namespace meshcond::ui
