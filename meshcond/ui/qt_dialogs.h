// File dialogs and message boxes of the condition editor, shown with Qt.
#pragma once

#include <QString>
#include <QWidget>

#include "meshcond/model/messages.h"
#include "meshcond/ui/file_commands.h"

namespace meshcond::ui {

/// The application title, also the title of every message box.
inline const char* const kApplicationTitle = msg::window::applicationTitle();

class QtUserDialogs : public UserDialogs {
 public:
  explicit QtUserDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  std::optional<std::string> openFile(const FileDialogSettings& settings) override;
  std::optional<std::string> saveFile(const FileDialogSettings& settings) override;
  void message(const std::string& text) override;
  UnsavedAnswer askUnsaved(const std::string& question) override;

 private:
  std::optional<std::string> run(const FileDialogSettings& settings, bool save);

  QWidget* parent_;
};

/// "caption|pattern|caption|pattern" as Qt name filters; each pattern is
/// matched in upper and lower case.
QStringList nameFilters(const std::string& filter);

}  // namespace meshcond::ui
