#include "meshcond/ui/qt_dialogs.h"

namespace meshcond::ui {

QtUserDialogs::QtUserDialogs(QWidget* parent)
    : desktop::QtUserDialogs(parent,
                             {.title = QString::fromUtf8(kApplicationTitle),
                              .saveButton = QString::fromUtf8(msg::window::saveButton()),
                              .discardButton = QString::fromUtf8(msg::window::discardButton()),
                              .cancelButton = QString::fromUtf8(msg::window::cancelButton()),
                              .folderOfProposedName = true}) {}

}  // namespace meshcond::ui
