// File dialogs and message boxes of the condition editor, shown with Qt.
#pragma once

#include <QWidget>

#include "desktop/qt_user_dialogs.h"
#include "meshcond/model/messages.h"

namespace meshcond::ui {

/// The application title, also the title of every message box.
inline const char* const kApplicationTitle = msg::window::applicationTitle();

/// The windows' dialogs as the condition editor shows them: messages without
/// an icon, file dialogs in the folder of the proposed name.
class QtUserDialogs : public desktop::QtUserDialogs {
 public:
  explicit QtUserDialogs(QWidget* parent = nullptr);
};

}  // namespace meshcond::ui
