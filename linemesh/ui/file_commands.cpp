#include "linemesh/ui/file_commands.h"

#include <cctype>

#include "linemesh/files/m2w_file.h"
#include "linemesh/files/m3w_file.h"
#include "linemesh/files/mesh_file.h"
#include "linemesh/files/plots.h"
#include "linemesh/files/voka_file.h"

namespace linemesh::ui {

FileCommands::FileCommands(LineNetwork& net, LineEditor& editor, Dialogs& dialogs)
    : net_(net), editor_(editor), dialogs_(dialogs) {}

std::optional<std::string> FileCommands::askOpen() {
  auto path = dialogs_.openFile(openDialog);
  if (path) openDialog.fileName = *path;
  return path;
}

std::optional<std::string> FileCommands::askSave() {
  auto path = dialogs_.saveFile(saveDialog);
  if (path) saveDialog.fileName = *path;
  return path;
}

bool FileCommands::settleUnsavedChanges() {
  if (!editor_.modified) return true;
  switch (dialogs_.askSaveChanges(kUnsavedQuestion)) {
    case Dialogs::Answer::Save:
      return Save1Click();
    case Dialogs::Answer::Discard:
      return true;
    case Dialogs::Answer::Cancel:
      break;
  }
  return false;
}

void FileCommands::Load1Click() {
  if (!settleUnsavedChanges()) return;
  openDialog.filter = "メッシュ(*.M3W)|*.M3W|DXF(*.DXF)|*.DXF";
  const auto path = askOpen();
  if (!path) return;
  MeshName = *path;
  files::readM3W(net_, *path);
  editor_.networkLoaded();
}

void FileCommands::MESHDAT1Click() {
  if (!settleUnsavedChanges()) return;
  openDialog.fileName = "MESH.DAT";
  openDialog.filter = "メッシュデータ(*.DAT)|*.DAT";
  const auto path = askOpen();
  if (!path) return;
  files::readMesh(net_, *path);
  editor_.networkLoaded();
}

void FileCommands::openPath(const std::string& path) {
  std::string extension = path.size() >= 4 ? path.substr(path.size() - 4) : "";
  for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (extension == ".DAT") {
    files::readMesh(net_, path);
  } else {
    files::readM3W(net_, path);
    MeshName = path;
  }
  openDialog.fileName = path;
  editor_.networkLoaded();
}

bool FileCommands::Save1Click() {
  editor_.step("保存前の整理", [this] { net_.tidyForSave(); });
  editor_.redraw();
  saveDialog.defaultExt = "M3W";
  saveDialog.filter = "メッシュ(*.M3W)|*.M3W";
  saveDialog.fileName = MeshName;
  const auto path = askSave();
  if (!path) return false;
  files::writeM3W(net_, *path);
  editor_.markSaved();
  return true;
}

void FileCommands::M2W1Click() {
  saveDialog.defaultExt = "M2W";
  saveDialog.filter = "メッシュファイル(*.M2W)|*.M2W";
  if (const auto path = askSave()) files::writeM2W(net_, *path);
}

void FileCommands::M3WPlot1Click() {
  saveDialog.defaultExt = "DXF";
  saveDialog.filter = "DXF(*.DXF)|*.DXF";
  if (const auto path = askSave()) files::writeLinePlot(net_, *path);
}

void FileCommands::Plot1Click() {
  saveDialog.defaultExt = "DXF";
  saveDialog.filter = "DXF(*.DXF)|*.DXF";
  saveDialog.fileName = "TEST.DXF";
  if (const auto path = askSave()) files::writeElementPlot(net_, *path);
}

void FileCommands::Mesh1Click() {
  saveDialog.defaultExt = "DAT";
  saveDialog.filter = "ZEPデータ(*.DAT)|*.DAT";
  if (const auto path = askSave()) files::writeMesh(net_, *path);
}

void FileCommands::VOKA1Click() {
  saveDialog.filter = "VOKA.DAT(VK.DAT)|*.DAT";
  saveDialog.defaultExt = "DAT";
  if (const auto path = askSave()) files::writeVoka(net_, *path);
}

}  // namespace linemesh::ui
