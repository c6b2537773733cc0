// The file dialogs and message boxes of the mesh maker, behind one interface
// so that the window's logic runs in tests with prepared answers.
#pragma once

#include <optional>
#include <string>

namespace linemesh::ui {

/// What a file dialog holds between uses: each operation sets what it needs
/// and the rest keeps its value from the previous use.
struct FileDialogState {
  std::string filter;      // "caption|pattern|caption|pattern..."
  std::string defaultExt;  // appended to a name given without extension
  std::string fileName;    // proposed name; the chosen path after a use
};

/// The answers of the automatic meshing dialog (自動メッシュ).
struct AutoMeshChoice {
  std::string size = "1.0";   // element size in metres, as typed
  bool clickedFaces = false;  // false: every face; true: the faces clicked next
};

class Dialogs {
 public:
  enum class Answer { Save, Discard, Cancel };

  virtual ~Dialogs() = default;
  /// The chosen path, or nothing when cancelled.
  virtual std::optional<std::string> openFile(const FileDialogState& dialog) = 0;
  virtual std::optional<std::string> saveFile(const FileDialogState& dialog) = 0;
  /// A message box with OK.
  virtual void message(const std::string& text) = 0;
  /// The question asked before closing with unsaved changes.
  virtual Answer askSaveChanges(const std::string& question) = 0;
  /// The automatic meshing dialog, filled in with the proposal; nothing when
  /// cancelled. The size is accepted only as meshSizeOf (line_editor.h) takes it.
  virtual std::optional<AutoMeshChoice> askAutoMesh(const AutoMeshChoice& proposal) = 0;
};

}  // namespace linemesh::ui
