// The File menu of the mesh maker: every file dialog with its filter, default
// extension and proposed name, and the readers and writers behind them.
#pragma once

#include <string>

#include "linemesh/interaction/dialogs.h"
#include "linemesh/interaction/line_editor.h"
#include "linemesh/model/messages.h"
#include "linemesh/model/network.h"

namespace linemesh::ui {

inline const char* const kUnsavedQuestion = text::unsavedQuestion();

class FileCommands {
 public:
  FileCommands(LineNetwork& net, LineEditor& editor, Dialogs& dialogs);

  /// "読み込み(&L)": an M3W file replaces the network.
  void Load1Click();
  /// "MESH.DAT": the line network rebuilt from a mesh data file.
  void MESHDAT1Click();
  /// "保存(&S)": tidies the network and writes it as M3W; true when written.
  bool Save1Click();
  /// "M2Wの保存".
  void M2W1Click();
  /// "M3Wのプロット": the line network as a DXF drawing.
  void M3WPlot1Click();
  /// "要素図プロット": the elements as a DXF drawing.
  void Plot1Click();
  /// "DAT保存" - "メッシュデータ": the formed mesh as MESH.DAT.
  void Mesh1Click();
  /// "DAT保存" - "VOKA".
  void VOKA1Click();

  /// A file named on the command line: MESH.DAT when its name ends in .DAT
  /// (either case), else an M3W file, read as the two open commands read them.
  void openPath(const std::string& path);

  /// With unsaved changes, asks whether to save them (保存, 破棄, キャンセル):
  /// true when the network may be replaced (saved, discarded or unchanged).
  /// Closing and both opens ask it first.
  bool settleUnsavedChanges();

  /// The file last chosen in "読み込み(&L)", proposed when saving.
  std::string MeshName;
  /// The file the network was last read from (M3W or mesh data) or saved to
  /// as M3W. The other saves propose its name with their own extension, so
  /// that no save proposes the file another one wrote.
  std::string networkFile;
  FileDialogSettings openDialog;
  FileDialogSettings saveDialog;

 private:
  std::optional<std::string> askOpen();
  std::optional<std::string> askSave();
  /// networkFile (MESH when there is none) without its extension, then `ending`.
  std::string proposedName(const std::string& ending) const;
  /// The status line after a save, what was written and where:
  /// "MESH.DAT を書き出しました: /data/dam.DAT".
  void written(const std::string& what, const std::string& path);

  LineNetwork& net_;
  LineEditor& editor_;
  Dialogs& dialogs_;
};

}  // namespace linemesh::ui
