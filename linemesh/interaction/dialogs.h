// The file dialogs and message boxes of the mesh maker, behind one interface
// so that the window's logic runs in tests with prepared answers.
#pragma once

#include <optional>
#include <string>

#include "desktop/user_dialogs.h"

namespace linemesh::ui {

using desktop::FileDialogSettings;
using desktop::UnsavedAnswer;

/// The answers of the automatic meshing dialog (自動メッシュ).
struct AutoMeshChoice {
  std::string size = "1.0";   // element size in metres, as typed
  bool clickedFaces = false;  // false: every face; true: the faces clicked next
};

/// The windows' dialogs and the mesh maker's own.
class Dialogs : public virtual desktop::UserDialogs {
 public:
  /// The automatic meshing dialog, filled in with the proposal; nothing when
  /// cancelled. The size is accepted only as meshSizeOf (line_editor.h) takes it.
  virtual std::optional<AutoMeshChoice> askAutoMesh(const AutoMeshChoice& proposal) = 0;
};

}  // namespace linemesh::ui
