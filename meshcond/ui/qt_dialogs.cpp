#include "meshcond/ui/qt_dialogs.h"

namespace meshcond::ui {

QtUserDialogs::QtUserDialogs(QWidget* parent)
    : desktop::QtUserDialogs(parent, {.title = QString::fromUtf8(kApplicationTitle),
                                      .saveButton = QStringLiteral("保存"),
                                      .discardButton = QStringLiteral("破棄"),
                                      .cancelButton = QStringLiteral("キャンセル"),
                                      .folderOfProposedName = true}) {}

}  // namespace meshcond::ui
