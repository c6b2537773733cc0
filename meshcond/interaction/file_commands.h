// The File menu of the condition editor: the dialogs each command shows and
// the model's file operations behind them. Dialogs and message boxes come
// through an interface, so that the commands run without a window too.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "desktop/user_dialogs.h"
#include "meshcond/interaction/editor.h"
#include "meshcond/model/analysis_model.h"
#include "meshcond/model/messages.h"

namespace meshcond::ui {

using desktop::FileDialogSettings;
using desktop::UnsavedAnswer;
using desktop::UserDialogs;

inline const char* const kUnsavedQuestion = msg::window::unsavedQuestion();

/// Names of the undo steps the file commands make.
inline const char* const kCarryOverStep = msg::window::stepCarryOver();
inline const char* const kSaveStep = msg::window::stepSave();
inline const char* const kMeshSaveStep = msg::window::stepMeshSave();

class FileCommands {
 public:
  /// redraw repaints the drawing area (DatShow) and shows its errors.
  FileCommands(ConditionEditor& editor, UserDialogs& dialogs, std::function<void()> redraw);

  void Mesh1Click();    // 開く > メッシュ
  void ZEPDAT2Click();  // 開く > ZEP.DAT
  bool Save1Click();    // 保存(&S); true when written
  void MESH2Click();    // メッシュ保存
  void D2DAT1Click();   // D2.DAT
  void Kasen1Click();   // エキスポート > 河川水位
  void Kouu1Click();    // エキスポート > 降雨
  void ZEPDAT1Click();  // (旧)ZEP.DAT
  /// A file named on the command line: ZEP.DAT when its name begins with
  /// "ZEP" (either case), else MESH.DAT, read as the two opens read them.
  void openPath(const std::string& path);

  /// Before the window closes: true when it may close (asks first when the
  /// model has changes that were not saved).
  bool mayClose();
  /// With unsaved changes, asks whether to save them (保存, 破棄, キャンセル):
  /// true when the model may be replaced (saved, discarded or unchanged).
  /// Closing and every open ask it first.
  bool settleUnsavedChanges();

  FileDialogSettings openDialog;
  FileDialogSettings saveDialog;
  /// What the last save or export wrote and where, for the status line;
  /// empty after a command that wrote nothing.
  std::string written;

 private:
  /// Runs an operation; an error goes into a message box. True when it ran through.
  template <class Operation>
  bool guarded(Operation&& operation);
  /// The unsaved-changes question, the open dialog, then load(path), which
  /// returns true when it carried unsaved conditions over (an undoable step)
  /// and false when the file replaced the model (a new history). After a
  /// load the view shows the whole model. True when a file was loaded.
  template <class Load>
  bool openAndLoad(Load&& load, std::optional<std::string> path = std::nullopt);
  void openMesh(std::optional<std::string> path);
  void openZep(std::optional<std::string> path);

  ConditionEditor& editor_;
  AnalysisModel& model_;
  UserDialogs& dialogs_;
  std::function<void()> redraw_;
};

/// The status line after a save: "ZEP.DAT を書き出しました: path", the
/// package files written beside it in brackets.
std::string writtenMessage(const std::string& what, const std::string& path,
                           const std::vector<std::string>& alsoWritten = {});

/// The message shown after a load that carried conditions over.
std::string carryOverMessage(const ConvertReport& report);

}  // namespace meshcond::ui
