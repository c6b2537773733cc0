// The file dialogs and message boxes of the windows, behind one interface
// without Qt, so that the window-free logic runs in tests with prepared
// answers. desktop/qt_user_dialogs.h shows them with Qt.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace desktop {

/// What a file dialog shows. A command sets what it needs; the rest keeps
/// its value from the dialog's previous use.
struct FileDialogSettings {
  std::string filter{};      // "caption|pattern|caption|pattern..."; patterns split by ';'
  std::string defaultExt{};  // appended to a name given without extension
  std::string fileName{};    // proposed name; after a choice, the chosen path
  std::string initialDir{};  // the folder shown; empty: see the Qt dialogs' style
};

/// The answer to the question before unsaved changes are lost.
enum class UnsavedAnswer { Save, Discard, Cancel };

/// File dialogs and message boxes, shown modally.
class UserDialogs {
 public:
  virtual ~UserDialogs() = default;
  /// The chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> openFile(const FileDialogSettings& settings) = 0;
  virtual std::optional<std::string> saveFile(const FileDialogSettings& settings) = 0;
  /// A message box with an OK button; returns when it is closed.
  virtual void message(const std::string& text) = 0;
  /// The question before closing with unsaved changes: 保存, 破棄, キャンセル.
  virtual UnsavedAnswer askUnsaved(const std::string& question) = 0;

  /// Asks the question before unsaved changes are lost: true when they may
  /// go, saved (save returns true when it wrote them) or discarded.
  bool settleUnsaved(const std::string& question, const std::function<bool()>& save) {
    switch (askUnsaved(question)) {
      case UnsavedAnswer::Save:
        return save();
      case UnsavedAnswer::Discard:
        return true;
      case UnsavedAnswer::Cancel:
        break;
    }
    return false;
  }
};

}  // namespace desktop
