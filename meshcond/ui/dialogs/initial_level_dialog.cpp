#include "meshcond/ui/dialogs/initial_level_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "common/text_file.h"
#include "meshcond/interaction/series_forms.h"
#include "meshcond/model/messages.h"

namespace meshcond::ui {

InitialLevelDialog::InitialLevelDialog(AnalysisModel& model, SharedChoices& shared,
                                       UserDialogs& dialogs, QWidget* parent)
    : ConditionDialog(msg::window::caption("TForm8"), 425, 89, TitleBar::NoButtons, model, shared,
                      dialogs, parent) {
  setObjectName("TForm8");
  enterMovesFocus_ = false;
  label(msg::window::initialLevel(), 12, 14);
  EditWL = edit("", 96, 10, 90);
  label(msg::window::initialFile(), 12, 46);
  EditFirstPw = edit("", 96, 42, 250);
  EditFirstPw->setReadOnly(true);
  btnOpen = button("...", 350, 42, 25, 21);
  btnClose = button(msg::window::closeButton(), 340, 8);
  btnClose->setObjectName("btnClose");
  connect(btnOpen, &QPushButton::clicked, this, [this] {
    FileName.clear();
    if (auto chosen = chooseFile(openDialog_)) {
      FileName = *chosen;
      EditFirstPw->setText(toQString(FileName));
    }
  });
  connect(btnClose, &QPushButton::clicked, this, [this] {
    std::vector<std::string> lines;
    if (!FileName.empty() && !guarded([&] { lines = common::readTextLines(FileName); })) return;
    bool stored = guarded([&] {
      storeInitialLevels(model_, toUtf8(EditWL->text()), FileName.empty() ? nullptr : &lines,
                         FileName);
    });
    if (stored) accept();
  });
}

void InitialLevelDialog::activate() {
  FileName.clear();
  EditWL->setText(toQString(initialLevelText(model_)));
}

}  // namespace meshcond::ui
